#include "FileReasonText.h"

#include "ImageFile.h"

QString FileReasonText::Of(const std::string& reason)
{
    const auto refusal = FileRefusalOf(reason);
    if (!refusal)
        return QString::fromLocal8Bit(reason);
    switch (*refusal) {
    case FileRefusal::NamedPipe:
        return tr("Is a named pipe, not a file");
    case FileRefusal::Device:
        return tr("Is a device, not a file");
    case FileRefusal::Socket:
        return tr("Is a socket, not a file");
    case FileRefusal::NothingToWrite:
        return tr("There is nothing to write");
    case FileRefusal::NotRegular:
        break;
    }
    return tr("Not a regular file");
}
