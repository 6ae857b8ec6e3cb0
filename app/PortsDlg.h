#pragma once

#include "SerialPorts.h"

#include <QtWidgets/QDialog>

#include <map>
#include <string>
#include <vector>

class PortDevices;
class QComboBox;
class QLabel;
class QTreeWidget;

// Tools "ports...": which device each port opens. Lists the serial devices
// found, by their stable names, with whether this user can open them; a
// port opens the device chosen for it, or its default /dev/ttyS<n-1>.
class PortsDlg : public QDialog {
    Q_OBJECT

public:
    // Shows the choices as they stand, starting with `port`.
    PortsDlg(const PortDevices& devices, unsigned port, unsigned portCount, QWidget* parent = nullptr);

    // The device chosen for each port, empty for its default.
    std::map<unsigned, std::string> Choices() const { return m_Choices; }

    QComboBox* PortCombo() const { return m_PortCombo; }
    QTreeWidget* DeviceList() const { return m_DeviceList; }
    QLabel* Note() const { return m_Note; }

private:
    void Refresh();
    void ShowPort();
    void OnDeviceChosen();
    unsigned CurrentPort() const;

    const PortDevices& m_Devices;
    std::map<unsigned, std::string> m_Choices;
    std::vector<SerialPort> m_Found;
    QComboBox* m_PortCombo;
    QTreeWidget* m_DeviceList;
    QLabel* m_Note;
    QLabel* m_Problem;
};
