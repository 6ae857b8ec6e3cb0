#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QSettings>

// The images last opened or saved, newest first, kept between runs in the
// program's settings beside the link choices. Each is kept as the system
// spells its name, so that a name that is not UTF-8 still opens its file.
class RecentFiles {
public:
    static constexpr int MAX_FILES = 8;

    RecentFiles();

    QList<QByteArray> Files() const;
    // Puts the file first; an older mention of it goes, and the oldest beyond MAX_FILES.
    void Add(const QByteArray& fileName);
    void Remove(const QByteArray& fileName);

private:
    void Store(const QList<QByteArray>& files);

    QSettings m_Store;
};
