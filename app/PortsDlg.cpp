#include "PortsDlg.h"

#include "PortDevices.h"
#include "PortOpenError.h"
#include "SerialPorts.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

enum PortColumn { PORT_COLUMN_NAME, PORT_COLUMN_DEVICE, PORT_COLUMN_STATE };

QString Local(const std::string& text)
{
    return QFile::decodeName(text.c_str());
}

QString StateText(bool usable, const PortProblem& problem)
{
    return usable ? QCoreApplication::translate("PortsDlg", "ready", "a serial device this user can open")
                  : PortProblemReason(problem);
}

} // namespace

PortsDlg::PortsDlg(const PortDevices& devices, unsigned port, unsigned portCount, QWidget* parent)
    : QDialog(parent)
    , m_Devices(devices)
    , m_PortCombo(new QComboBox(this))
    , m_DeviceList(new QTreeWidget(this))
    , m_Note(new QLabel(this))
    , m_Problem(new QLabel(this))
{
    setWindowTitle(tr("Serial ports"));
    for (unsigned n = 1; n <= portCount; ++n) {
        m_PortCombo->addItem(QStringLiteral("COM%1").arg(n), n);
        m_Choices[n] = devices.AssignedTo(n);
    }
    m_PortCombo->setCurrentIndex(int(port) - 1);

    m_DeviceList->setColumnCount(3);
    m_DeviceList->setAccessibleName(tr("Serial devices"));
    m_DeviceList->setHeaderLabels({ tr("Name"), tr("Device"), tr("State") });
    m_DeviceList->setRootIsDecorated(false);
    m_DeviceList->setUniformRowHeights(true);
    m_DeviceList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_DeviceList->setMinimumSize(560, 160);
    m_Note->setWordWrap(true);
    m_Problem->setWordWrap(true);
    m_Problem->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* refresh = buttons->addButton(tr("Refresh"), QDialogButtonBox::ResetRole);

    auto* portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel(tr("Port:"), this));
    portRow->addWidget(m_PortCombo);
    portRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(portRow);
    layout->addWidget(new QLabel(tr("Choose the device this port opens. USB adapters are listed by "
                                     "their stable names, which stay the same on any socket."),
        this));
    layout->addWidget(m_DeviceList);
    layout->addWidget(m_Note);
    layout->addWidget(m_Problem);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(refresh, &QPushButton::clicked, this, &PortsDlg::Refresh);
    connect(m_PortCombo, &QComboBox::currentIndexChanged, this, &PortsDlg::ShowPort);
    connect(m_DeviceList, &QTreeWidget::currentItemChanged, this, &PortsDlg::OnDeviceChosen);
    Refresh();
}

unsigned PortsDlg::CurrentPort() const
{
    return m_PortCombo->currentData().toUInt();
}

void PortsDlg::Refresh()
{
    m_Found = ListSerialPorts(SerialDeviceRoot());
    ShowPort();
}

void PortsDlg::ShowPort()
{
    const unsigned port = CurrentPort();
    const std::string chosen = m_Choices[port];
    const QSignalBlocker quiet(m_DeviceList);
    m_DeviceList->clear();
    const auto addRow = [this](const QString& name, const std::string& device, const std::string& choice) {
        PortProblem problem;
        const bool usable = TrySerialPort(device, problem);
        auto* row = new QTreeWidgetItem(m_DeviceList, { name, Local(device), StateText(usable, problem) });
        row->setData(PORT_COLUMN_NAME, Qt::UserRole, Local(choice));
        row->setToolTip(PORT_COLUMN_STATE, PortProblemAdvice(problem));
        return row;
    };

    QTreeWidgetItem* current = addRow(tr("Default"), PortDevices::DefaultDevice(port), std::string());
    bool listed = chosen.empty();
    for (const SerialPort& found : m_Found) {
        const QString name = found.byId.empty() ? Local(found.device) : QFileInfo(Local(found.byId)).fileName();
        QTreeWidgetItem* row = addRow(name, found.device, found.Name());
        if (found.Name() == chosen || found.device == chosen) {
            current = row;
            listed = true;
        }
    }
    // A device chosen earlier that is not there now, or that is no serial device by its name.
    if (!listed)
        current = addRow(Local(chosen), chosen, chosen);
    m_DeviceList->setCurrentItem(current);

    const bool fromEnvironment = m_Devices.FromEnvironment(port);
    m_DeviceList->setEnabled(!fromEnvironment);
    OnDeviceChosen();
}

void PortsDlg::OnDeviceChosen()
{
    const unsigned port = CurrentPort();
    const QTreeWidgetItem* row = m_DeviceList->currentItem();
    if (!row)
        return;
    const QString comName = QStringLiteral("COM%1").arg(port);
    if (m_Devices.FromEnvironment(port)) {
        m_Note->setText(tr("TAVREL_COM%1 is set: %2 opens %3, whatever is chosen here.")
                            .arg(QString::number(port), comName, Local(m_Devices.DeviceFor(port))));
        m_Problem->clear();
        return;
    }
    m_Choices[port] = QFile::encodeName(row->data(PORT_COLUMN_NAME, Qt::UserRole).toString()).toStdString();
    //: %1 is a port (COM1), %2 a device file.
    m_Note->setText(tr("%1 opens %2.").arg(comName, row->text(PORT_COLUMN_DEVICE)));
    m_Problem->setText(row->toolTip(PORT_COLUMN_STATE));
}
