#include "LinkSettings.h"

#include "Crystals.h"

#include <QtCore/QFile>
#include <QtCore/QSettings>

namespace {

const QString PORT_KEY = QStringLiteral("Link/Port");
const QString XTAL_KEY = QStringLiteral("Link/Xtal");
const QString DEVICES_GROUP = QStringLiteral("PortDevices");

} // namespace

// Named here, so that the file does not move with the application's names.
LinkSettings::LinkSettings()
    : m_Store(QStringLiteral("Tavrel"), QStringLiteral("Tavrel"))
{
}

unsigned LinkSettings::Port(unsigned defaultPort, unsigned portCount) const
{
    bool valid = false;
    const unsigned port = m_Store.value(PORT_KEY).toUInt(&valid);
    return valid && port >= 1 && port <= portCount ? port : defaultPort;
}

void LinkSettings::SetPort(unsigned port)
{
    m_Store.setValue(PORT_KEY, port);
}

int LinkSettings::Xtal(int defaultXtal) const
{
    const int xtal = XtalIndex(m_Store.value(XTAL_KEY).toString().toStdString());
    return xtal >= 0 ? xtal : defaultXtal;
}

void LinkSettings::SetXtal(int xtal)
{
    if (xtal >= 0 && xtal < XTAL_COUNT)
        m_Store.setValue(XTAL_KEY, QString::fromLatin1(XTAL_NAMES[xtal]));
}

std::map<unsigned, std::string> LinkSettings::AssignedDevices()
{
    m_Store.beginGroup(DEVICES_GROUP);
    std::map<unsigned, std::string> devices;
    for (const QString& key : m_Store.childKeys()) {
        bool valid = false;
        const unsigned port = QStringView(key).mid(3).toUInt(&valid);
        const QString device = m_Store.value(key).toString();
        if (key.startsWith(QStringLiteral("COM")) && valid && port >= 1 && !device.isEmpty())
            devices[port] = QFile::encodeName(device).toStdString();
    }
    m_Store.endGroup();
    return devices;
}

void LinkSettings::AssignDevice(unsigned port, const std::string& device)
{
    m_Store.beginGroup(DEVICES_GROUP);
    const QString key = QStringLiteral("COM%1").arg(port);
    if (device.empty())
        m_Store.remove(key);
    else
        m_Store.setValue(key, QFile::decodeName(device.c_str()));
    m_Store.endGroup();
}
