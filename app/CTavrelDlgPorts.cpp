// Tools "ports...", and the port and crystal kept between runs.
#include "CTavrelDlg.h"

#include "Crystals.h"
#include "LinkSettings.h"
#include "PortsDlg.h"
#include "cnComm.h"

#include <QtCore/QFile>
#include <QtCore/QStringList>
#include <QtWidgets/QComboBox>

void CTavrelDlg::RestoreLinkChoices()
{
    LinkSettings settings;
    for (const auto& [port, device] : settings.AssignedDevices())
        m_Comm.Devices().Assign(port, device);
    m_pSession->Choose(settings.Port(DEFAULT_PORT, PORT_COUNT), settings.Xtal(DEFAULT_XTAL));
}

void CTavrelDlg::RememberLinkChoices()
{
    LinkSettings settings;
    settings.SetPort(m_pSession->Port());
    settings.SetXtal(m_pSession->Xtal());
}

void CTavrelDlg::UpdatePortTips()
{
    QStringList lines;
    for (int index = 0; index < m_PortCombo->count(); ++index) {
        const unsigned port = unsigned(index + 1);
        QString device = QFile::decodeName(m_Comm.DevicePathFor(port).c_str());
        if (m_Comm.Devices().FromEnvironment(port))
            device += QStringLiteral(" (TAVREL_COM%1)").arg(port);
        m_PortCombo->setItemData(index, device, Qt::ToolTipRole);
        lines.append(QStringLiteral("%1: %2").arg(m_PortCombo->itemText(index), device));
    }
    m_PortCombo->setToolTip(lines.join(QLatin1Char('\n')));
}

void CTavrelDlg::OnPorts()
{
    const unsigned current = m_pSession->Port();
    PortsDlg dialog(m_Comm.Devices(), current, PORT_COUNT, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string before = m_Comm.DevicePathFor(current);
    LinkSettings settings;
    for (const auto& [port, device] : dialog.Choices()) {
        m_Comm.Devices().Assign(port, device);
        settings.AssignDevice(port, device);
    }
    UpdatePortTips();
    // As choosing a port opens it, so does choosing another device for it.
    if (m_pSession->IsIdle() && m_Comm.DevicePathFor(current) != before)
        ShowPortState(m_pSession->Connect());
}
