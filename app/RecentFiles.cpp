#include "RecentFiles.h"

#include <QtCore/QFileInfo>

namespace {

const QString FILES_KEY = QStringLiteral("RecentFiles/Files");

} // namespace

RecentFiles::RecentFiles()
    : m_Store(QStringLiteral("Tavrel"), QStringLiteral("Tavrel"))
{
}

QStringList RecentFiles::Files() const
{
    QStringList files = m_Store.value(FILES_KEY).toStringList();
    files.removeAll(QString());
    return files.mid(0, MAX_FILES);
}

void RecentFiles::Add(const QString& path)
{
    // One file under two spellings (./a.bin, a.bin) is one entry.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    Store(files.mid(0, MAX_FILES));
}

void RecentFiles::Remove(const QString& path)
{
    QStringList files = Files();
    files.removeAll(path);
    Store(files);
}

void RecentFiles::Store(const QStringList& files)
{
    m_Store.setValue(FILES_KEY, files);
    m_Store.sync();
}
