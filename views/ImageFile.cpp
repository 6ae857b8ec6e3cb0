#include "ImageFile.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

ImageReadResult ReadImageFile(const QString& path, size_t maxSize, std::vector<uint8_t>& bytes, QString& reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return ImageReadResult::Failed;
    }
    if (file.size() > static_cast<qint64>(maxSize))
        return ImageReadResult::TooLarge;
    // Read one byte more than allowed: a file may grow, or not know its size.
    bytes.resize(maxSize + 1);
    qint64 total = 0;
    while (total < static_cast<qint64>(bytes.size())) {
        const qint64 read = file.read(reinterpret_cast<char*>(bytes.data()) + total,
            static_cast<qint64>(bytes.size()) - total);
        if (read < 0) {
            reason = file.errorString();
            return ImageReadResult::Failed;
        }
        if (read == 0)
            break;
        total += read;
    }
    if (total > static_cast<qint64>(maxSize))
        return ImageReadResult::TooLarge;
    bytes.resize(static_cast<size_t>(total));
    return ImageReadResult::Read;
}

bool WriteImageFile(const QString& path, const uint8_t* data, size_t size, QString& reason)
{
    // Replacing a file the user may not write would silently bypass its
    // protection, since the folder decides who may rename.
    const QByteArray native = QFile::encodeName(path);
    if (QFileInfo::exists(path) && ::access(native.constData(), W_OK) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}
