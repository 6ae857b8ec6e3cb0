#pragma once

#include <QtCore/QSettings>

#include <map>
#include <string>

// What the user chose for the receiver link, kept between runs in
// ~/.config/Tavrel/Tavrel.conf: the port, the crystal and the device each
// port opens. A first run, or a user who never chooses, gets the defaults.
class LinkSettings {
public:
    LinkSettings();

    // The last chosen port (1 to portCount), or the default.
    unsigned Port(unsigned defaultPort, unsigned portCount) const;
    void SetPort(unsigned port);
    // The last chosen crystal index, or the default.
    int Xtal(int defaultXtal) const;
    void SetXtal(int xtal);

    // The devices chosen for ports, by port number.
    std::map<unsigned, std::string> AssignedDevices();
    // An empty device gives the port back to its default.
    void AssignDevice(unsigned port, const std::string& device);

private:
    QSettings m_Store;
};
