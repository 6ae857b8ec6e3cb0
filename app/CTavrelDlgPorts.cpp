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
        Comm().Devices().Assign(port, device);
    Link().m_nPort = settings.Port(DEFAULT_PORT, PORT_COUNT);
    Link().m_nXtal = settings.Xtal(DEFAULT_XTAL);
}

void CTavrelDlg::RememberLinkChoices()
{
    LinkSettings settings;
    settings.SetPort(Link().m_nPort);
    settings.SetXtal(Link().m_nXtal);
}

void CTavrelDlg::UpdatePortTips()
{
    QStringList lines;
    for (int index = 0; index < m_PortCombo->count(); ++index) {
        const unsigned port = unsigned(index + 1);
        QString device = QFile::decodeName(Comm().DevicePathFor(port).c_str());
        if (Comm().Devices().FromEnvironment(port))
            device += QStringLiteral(" (TAVREL_COM%1)").arg(port);
        m_PortCombo->setItemData(index, device, Qt::ToolTipRole);
        lines.append(QStringLiteral("%1: %2").arg(m_PortCombo->itemText(index), device));
    }
    m_PortCombo->setToolTip(lines.join(QLatin1Char('\n')));
}

void CTavrelDlg::OnPorts()
{
    const unsigned current = Link().m_nPort;
    PortsDlg dialog(Comm().Devices(), current, PORT_COUNT, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string before = Comm().DevicePathFor(current);
    LinkSettings settings;
    for (const auto& [port, device] : dialog.Choices()) {
        Comm().Devices().Assign(port, device);
        settings.AssignDevice(port, device);
    }
    UpdatePortTips();
    // As choosing a port opens it, so does choosing another device for it.
    if (Link().m_bTransferIdle && Comm().DevicePathFor(current) != before)
        ShowPortState(OpenSelectedPort());
}
