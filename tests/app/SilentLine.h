#pragma once

#include <QtCore/QtGlobal>

#include <string>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

// A line with nothing on the far end: the port opens, nobody answers.
class SilentLine {
public:
    SilentLine()
    {
        m_nMaster = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128] = {};
        if (m_nMaster < 0 || grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0
            || ptsname_r(m_nMaster, name, sizeof name) != 0)
            qFatal("no pseudo-terminal");
        m_strPath = name;
    }
    ~SilentLine() { ::close(m_nMaster); }
    SilentLine(const SilentLine&) = delete;
    SilentLine& operator=(const SilentLine&) = delete;

    const std::string& Path() const { return m_strPath; }
    speed_t Speed() const
    {
        termios tio {};
        tcgetattr(m_nMaster, &tio);
        return cfgetospeed(&tio);
    }

private:
    int m_nMaster = -1;
    std::string m_strPath;
};
