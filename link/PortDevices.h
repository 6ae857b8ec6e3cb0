#pragma once

#include <map>
#include <mutex>
#include <string>

// Which device each port number ("COM n") opens: the device named by the
// environment variable TAVREL_COM<n>, else the one assigned to the number,
// else /dev/ttyS<n-1>. The environment is read only when asked, on the
// thread that starts the program, never by the threads that open ports.
class PortDevices {
public:
    static constexpr const char* ENVIRONMENT_PREFIX = "TAVREL_COM";

    // Takes every TAVREL_COM<n> of the environment, replacing those taken before.
    void ReadEnvironment();
    // An empty device gives the number back to its default.
    void Assign(unsigned port, const std::string& device);
    std::string DeviceFor(unsigned port) const;
    // TAVREL_COM<n> names the port's device, whatever is assigned to it.
    bool FromEnvironment(unsigned port) const;
    // The device assigned to the port; empty when none is.
    std::string AssignedTo(unsigned port) const;
    // The device a port opens when nothing else is named.
    static std::string DefaultDevice(unsigned port);

private:
    mutable std::mutex m_Lock;
    std::map<unsigned, std::string> m_FromEnvironment;
    std::map<unsigned, std::string> m_Assigned;
};
