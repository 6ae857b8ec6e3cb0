#pragma once

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtCore/QtGlobal>

// Gives the program's settings (~/.config/Tavrel) a folder of the test's
// own for the whole run, so that a developer's own choices never leak in.
// Made before the application object.
class PrivateSettings {
public:
    PrivateSettings() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_Folder.path())); }

private:
    QTemporaryDir m_Folder;
};
