#pragma once

#include "PortDevices.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

// The far end of a serial line: the test holds the master side of a
// pseudo-terminal, the port under test opens its device.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_nMaster = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128] = {};
        if (m_nMaster < 0 || grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0
            || ptsname_r(m_nMaster, name, sizeof name) != 0)
            std::abort();
        termios tio {};
        tcgetattr(m_nMaster, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_nMaster, TCSANOW, &tio);
        fcntl(m_nMaster, F_SETFL, fcntl(m_nMaster, F_GETFL) | O_NONBLOCK);
        m_strPath = name;
    }
    ~PseudoTerminal() { HangUp(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& Path() const { return m_strPath; }

    void Send(const std::vector<uint8_t>& bytes) const
    {
        [[maybe_unused]] ssize_t n = ::write(m_nMaster, bytes.data(), bytes.size());
    }

    // What the port wrote, waiting up to timeoutMs for count bytes.
    std::vector<uint8_t> Receive(size_t count, int timeoutMs = 30000) const
    {
        std::vector<uint8_t> got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            uint8_t buffer[4096];
            const ssize_t n = ::read(m_nMaster, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0)
                got.insert(got.end(), buffer, buffer + n);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return got;
    }

    // The line's settings as the port left them.
    termios Settings() const
    {
        termios tio {};
        tcgetattr(m_nMaster, &tio);
        return tio;
    }

    void HangUp()
    {
        if (m_nMaster >= 0)
            ::close(m_nMaster);
        m_nMaster = -1;
    }

private:
    int m_nMaster = -1;
    std::string m_strPath;
};

// Points a port number at a device for as long as it lives.
class PortRoute {
public:
    PortRoute(PortDevices& devices, unsigned port, const std::string& device)
        : m_Devices(devices)
        , m_nPort(port)
    {
        m_Devices.Assign(port, device);
    }
    ~PortRoute() { m_Devices.Assign(m_nPort, std::string()); }
    PortRoute(const PortRoute&) = delete;
    PortRoute& operator=(const PortRoute&) = delete;

private:
    PortDevices& m_Devices;
    unsigned m_nPort;
};
