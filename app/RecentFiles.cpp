#include "RecentFiles.h"

#include <QtCore/QVariantList>

#include <filesystem>

namespace {

const QString FILES_KEY = QStringLiteral("RecentFiles/Files");

} // namespace

RecentFiles::RecentFiles()
    : m_Store(QStringLiteral("Tavrel"), QStringLiteral("Tavrel"))
{
}

QList<QByteArray> RecentFiles::Files() const
{
    // The settings file keeps a list of one as a single value.
    const QVariant value = m_Store.value(FILES_KEY);
    const bool list = value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList;
    QList<QByteArray> files;
    for (const QVariant& entry : list ? value.toList() : QVariantList { value }) {
        if (!entry.toByteArray().isEmpty())
            files.append(entry.toByteArray());
    }
    return files.mid(0, MAX_FILES);
}

void RecentFiles::Add(const QByteArray& fileName)
{
    // One file under two spellings (./a.bin, a.bin) is one entry.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName.toStdString(), error);
    const QByteArray name = error ? fileName : QByteArray::fromStdString(absolute.lexically_normal().native());
    QList<QByteArray> files = Files();
    files.removeAll(name);
    files.prepend(name);
    Store(files.mid(0, MAX_FILES));
}

void RecentFiles::Remove(const QByteArray& fileName)
{
    QList<QByteArray> files = Files();
    files.removeAll(fileName);
    Store(files);
}

void RecentFiles::Store(const QList<QByteArray>& files)
{
    QVariantList entries;
    for (const QByteArray& file : files)
        entries.append(file);
    m_Store.setValue(FILES_KEY, entries);
    m_Store.sync();
}
