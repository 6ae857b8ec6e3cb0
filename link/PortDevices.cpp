#include "PortDevices.h"

#include <cstdlib>
#include <cstring>

extern char** environ;

void PortDevices::ReadEnvironment()
{
    const size_t prefixLength = std::strlen(ENVIRONMENT_PREFIX);
    std::map<unsigned, std::string> found;
    for (char** entry = environ; entry && *entry; ++entry) {
        const char* text = *entry;
        if (std::strncmp(text, ENVIRONMENT_PREFIX, prefixLength) != 0)
            continue;
        char* end = nullptr;
        const unsigned long port = std::strtoul(text + prefixLength, &end, 10);
        if (end == text + prefixLength || *end != '=' || end[1] == '\0' || port == 0)
            continue;
        found[unsigned(port)] = end + 1;
    }
    std::lock_guard lock(m_Lock);
    m_FromEnvironment = std::move(found);
}

void PortDevices::Assign(unsigned port, const std::string& device)
{
    std::lock_guard lock(m_Lock);
    if (device.empty())
        m_Assigned.erase(port);
    else
        m_Assigned[port] = device;
}

std::string PortDevices::DeviceFor(unsigned port) const
{
    std::lock_guard lock(m_Lock);
    if (const auto hit = m_FromEnvironment.find(port); hit != m_FromEnvironment.end())
        return hit->second;
    if (const auto hit = m_Assigned.find(port); hit != m_Assigned.end())
        return hit->second;
    return DefaultDevice(port);
}

std::string PortDevices::AssignedTo(unsigned port) const
{
    std::lock_guard lock(m_Lock);
    const auto hit = m_Assigned.find(port);
    return hit != m_Assigned.end() ? hit->second : std::string();
}

std::string PortDevices::DefaultDevice(unsigned port)
{
    return "/dev/ttyS" + std::to_string(port - 1);
}

bool PortDevices::FromEnvironment(unsigned port) const
{
    std::lock_guard lock(m_Lock);
    return m_FromEnvironment.count(port) != 0;
}
