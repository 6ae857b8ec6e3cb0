#include "PortOpenError.h"

#include <cerrno>
#include <cstring>

#include <grp.h>
#include <sys/stat.h>

namespace {

QString OwningGroup(const std::string& devicePath)
{
    struct stat info {};
    if (stat(devicePath.c_str(), &info) != 0)
        return QString();
    if (const group* owner = getgrgid(info.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
    return QString();
}

} // namespace

QString PortOpenFailureReason(const std::string& devicePath, int error)
{
    const QString device = QString::fromLocal8Bit(devicePath.c_str());
    QString reason = QStringLiteral("%1: %2").arg(device, QString::fromLocal8Bit(std::strerror(error)));
    switch (error) {
    case EACCES:
    case EPERM: {
        QString group = OwningGroup(devicePath);
        if (group.isEmpty() || group == QLatin1String("root"))
            group = QStringLiteral("dialout");
        reason += QStringLiteral("\nYour user must be in the group that owns the device (%1): "
                                 "sudo usermod -aG %1 $USER, then log in again.")
                      .arg(group);
        break;
    }
    case EWOULDBLOCK:
    case EBUSY:
        reason += QStringLiteral("\nAnother program is using the port.");
        break;
    case ENOTTY:
        reason += QStringLiteral("\nThis is not a serial device.");
        break;
    default:
        break;
    }
    return reason;
}
