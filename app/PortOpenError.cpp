#include "PortOpenError.h"

#include "SerialPorts.h"

QString PortOpenFailureReason(const std::string& devicePath, int error)
{
    return QString::fromLocal8Bit(PortFailureText(devicePath, error));
}
