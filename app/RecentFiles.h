#pragma once

#include <QtCore/QSettings>
#include <QtCore/QStringList>

// The images last opened or saved, newest first, kept between runs in the
// program's settings beside the link choices.
class RecentFiles {
public:
    static constexpr int MAX_FILES = 8;

    RecentFiles();

    QStringList Files() const;
    // Puts the file first; an older mention of it goes, and the oldest beyond MAX_FILES.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Store(const QStringList& files);

    QSettings m_Store;
};
