#include "TransferControl.h"

#include "ChannelDatabase.h"
#include "Crystals.h"
#include "DialogBuilder.h"
#include "DiffText.h"
#include "FileReasonText.h"
#include "FlashVerify.h"
#include "ImageDocument.h"
#include "LinkSettings.h"
#include "LoaderSet.h"
#include "LoadersDlg.h"
#include "MainResources.h"
#include "PortDevices.h"
#include "PortOpenError.h"
#include "PortsDlg.h"
#include "PrintableText.h"
#include "SerialPorts.h"
#include "TransferEventQueue.h"
#include "UserPrompts.h"
#include "cnComm.h"

#include <QtCore/QFile>
#include <QtCore/QStringList>
#include <QtGui/QAction>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStatusBar>

#include <algorithm>
#include <cstring>

namespace {

using Stage = TransferStage;

// Every item of the menu bar; a menu change grays some and enables the rest.
constexpr int MENU_COMMANDS[] = { ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE,
    ID_FILE_EXIT, ID_TOOLS_UPGRADE, ID_TOOLS_DUMP, ID_TOOLS_ADVANCE, ID_HELP_ABOUT };

// The controls a running transfer locks besides the transfer buttons.
constexpr int LOCKED_BY_TRANSFER[] = { IDC_PORT, IDC_XTAL, IDC_OPEN, IDC_SAVE, IDC_RECORD_LIST, IDC_SAT_TREE,
    IDC_SERVICE_TAB };

// What RateChangeFailureText gives, for the translation.
[[maybe_unused]] constexpr const char* RATE_CHANGE_FAILURES[]
    = { QT_TRANSLATE_NOOP("TransferControl", "Can't open port!"), QT_TRANSLATE_NOOP("TransferControl", "Can't open the port!") };

// The titles of the loader blocks, for the translation.
[[maybe_unused]] constexpr const char* LOADER_TITLES[] = {
    QT_TRANSLATE_NOOP("TransferControl", "dump loader"),
    QT_TRANSLATE_NOOP("TransferControl", "upgrade loader for 4M"),
    QT_TRANSLATE_NOOP("TransferControl", "upgrade loader for 8M"),
    QT_TRANSLATE_NOOP("TransferControl", "upgrade loader for 13.5M"),
    QT_TRANSLATE_NOOP("TransferControl", "upgrade loader for 16M"),
    QT_TRANSLATE_NOOP("TransferControl", "upgrade loader for 27M"),
    QT_TRANSLATE_NOOP("TransferControl", "stage-two image"),
};

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TransferControl::TransferControl(Host& host, QWidget& window, QWidget& page, QMenuBar& menuBar,
    QStatusBar& statusBar, PortDevices& ports, ImageDocument& document, const std::string& traceFile)
    : QObject(&window)
    , m_host(host)
    , m_window(window)
    , m_page(page)
    , m_menuBar(menuBar)
    , m_StatusBar(statusBar)
    , m_Ports(ports)
    , m_document(document)
    , m_strTraceFile(traceFile)
    , m_PortCombo(FindControl<QComboBox>(&page, IDC_PORT))
    , m_XtalCombo(FindControl<QComboBox>(&page, IDC_XTAL))
    , m_LampOn(FindControl<QLabel>(&page, IDC_LAMP_ON))
    , m_LampOff(FindControl<QLabel>(&page, IDC_LAMP_OFF))
    , m_Progress(FindControl<QProgressBar>(&page, IDC_PROGRESS))
{
    if (auto* cancel = Control(IDC_CANCEL))
        cancel->setEnabled(false);
    m_nProgressMax = static_cast<int>(IMAGE_SIZE);
    m_Progress->setRange(0, m_nProgressMax);
    m_Progress->setValue(0);
    if (auto* status = FindControl<QLabel>(&m_page, IDC_STATUS))
        status->setText(tr("idle..."));
    if (auto* percent = FindControl<QLabel>(&m_page, IDC_PERCENT))
        percent->setText(QStringLiteral("00%"));
    Connect();
}

TransferControl::~TransferControl() = default;

void TransferControl::Connect()
{
    const auto onAction = [this](int id, void (TransferControl::*handler)()) {
        if (QAction* action = MenuAction(id))
            connect(action, &QAction::triggered, this, handler);
    };
    onAction(ID_TOOLS_UPGRADE, &TransferControl::OnUpgrade);
    onAction(ID_TOOLS_DUMP, &TransferControl::OnDump);
    onAction(ID_TOOLS_VERIFY, &TransferControl::OnVerify);
    onAction(ID_TOOLS_PORTS, &TransferControl::OnPorts);
    onAction(ID_TOOLS_LOADERS, &TransferControl::OnLoaderBlocks);
    // Whether an image is loaded changes in many places; the item is brought up to date when it is seen.
    if (auto* tools = qobject_cast<QMenu*>(MenuAction(ID_TOOLS_VERIFY)->parent()))
        connect(tools, &QMenu::aboutToShow, this, &TransferControl::UpdateLinkMenuItems);

    const auto onButton = [this](int id, void (TransferControl::*handler)()) {
        if (auto* button = FindControl<QPushButton>(&m_page, id))
            connect(button, &QPushButton::clicked, this, handler);
    };
    onButton(IDC_DUMP, &TransferControl::OnDump);
    onButton(IDC_UPGRADE, &TransferControl::OnUpgrade);
    onButton(IDC_CANCEL, &TransferControl::OnCancelTransfer);
    onButton(IDC_OPEN_COM, &TransferControl::OnOpenCloseCom);
    connect(m_PortCombo, &QComboBox::activated, this, &TransferControl::OnPortChange);
    connect(m_XtalCombo, &QComboBox::activated, this, &TransferControl::OnXtalChange);
}

void TransferControl::Start()
{
    m_pTransferEvents = std::make_unique<TransferEventQueue>(static_cast<TransferListener&>(*this));
    m_pSession = std::make_unique<TransferSession>(std::make_unique<cnComm>(m_Ports), *m_pTransferEvents);
    std::string reason;
    if (!m_strTraceFile.empty() && !m_pSession->TraceTo(m_strTraceFile, reason))
        m_StatusBar.showMessage(tr("The transfer trace is not written: %1")
                                    .arg(QString::fromLocal8Bit(m_strTraceFile + ": " + reason)));

    m_PortCombo->clear();
    for (unsigned port = 1; port <= PORT_COUNT; ++port)
        m_PortCombo->addItem(QStringLiteral("COM%1").arg(port));
    m_XtalCombo->clear();
    for (const char* name : XTAL_NAMES)
        m_XtalCombo->addItem(QString::fromLatin1(name));

    RestoreLinkChoices();
    m_PortCombo->setCurrentIndex(int(m_pSession->Port()) - 1);
    m_XtalCombo->setCurrentIndex(m_pSession->Xtal());
    UpdatePortTips();
    ShowPortState(m_pSession->Connect());
}

void TransferControl::ShutDown()
{
    m_pSession.reset();
    m_pTransferEvents.reset();
}

QWidget* TransferControl::Control(int id) const
{
    return FindControl(&m_page, id);
}

QAction* TransferControl::MenuAction(int commandId) const
{
    return FindMenuAction(&m_menuBar, commandId);
}

void TransferControl::ShowPortError(const QString& text, int error)
{
    const QString reason = error ? PortOpenFailureReason(m_Ports.DeviceFor(m_pSession->Port()), error) : QString();
    const QString message = reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
    Prompts().Message(&m_window, message, TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
}

void TransferControl::ShowPortState(bool open)
{
    if (!open) {
        ShowPortClosed();
        ShowPortError(tr("Can't open port %1!").arg(m_pSession->Port()), m_pSession->PortError());
        return;
    }
    Control(IDC_DUMP)->setEnabled(true);
    Control(IDC_UPGRADE)->setEnabled(true);
    SetMenuGrayed({});
    ShowLamp(true);
    qobject_cast<QPushButton*>(Control(IDC_OPEN_COM))->setText(TemplateText("Close Com"));
}

void TransferControl::ShowPortClosed()
{
    ShowLamp(false);
    qobject_cast<QPushButton*>(Control(IDC_OPEN_COM))->setText(tr("Open Com", "opens the serial port"));
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    SetMenuGrayed({ ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
}

void TransferControl::ShowLamp(bool open)
{
    m_LampOn->setVisible(open);
    m_LampOff->setVisible(!open);
}

void TransferControl::SetMenuGrayed(std::initializer_list<int> grayed)
{
    for (int command : MENU_COMMANDS) {
        if (QAction* action = MenuAction(command))
            action->setEnabled(std::find(grayed.begin(), grayed.end(), command) == grayed.end());
    }
    UpdateLinkMenuItems();
}

void TransferControl::UpdateLinkMenuItems()
{
    // A verify is a dump, so it goes when Dump goes: on a connected port with no transfer running.
    if (QAction* verify = MenuAction(ID_TOOLS_VERIFY))
        verify->setEnabled(m_pSession && m_pSession->IsConnected() && m_pSession->IsIdle() && HasImageToVerify());
    // A transfer reopens its port at each rate change: the device behind it must stay.
    if (QAction* ports = MenuAction(ID_TOOLS_PORTS))
        ports->setEnabled(IsIdle());
}

void TransferControl::SetStatusText(const QString& text)
{
    FindControl<QLabel>(&m_page, IDC_STATUS)->setText(text);
    // The status label takes no focus; a screen reader hears it with the bar.
    m_Progress->setAccessibleDescription(text);
}

void TransferControl::OnPortChange(int)
{
    m_pSession->Choose(unsigned(m_PortCombo->currentIndex() + 1), m_XtalCombo->currentIndex());
    RememberLinkChoices();
    ShowPortState(m_pSession->Connect());
}

void TransferControl::OnXtalChange(int)
{
    m_pSession->Choose(m_pSession->Port(), m_XtalCombo->currentIndex());
    RememberLinkChoices();
}

void TransferControl::OnOpenCloseCom()
{
    if (!m_pSession->IsConnected()) {
        ShowPortState(m_pSession->Connect());
        return;
    }
    m_pSession->Disconnect();
    EndTransfer();
    ShowPortClosed();
}

void TransferControl::StartTransfer()
{
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    Control(IDC_CANCEL)->setEnabled(true);
    for (int id : LOCKED_BY_TRANSFER)
        Control(id)->setEnabled(false);
    SetStatusText(tr("Please reset the STB!"));
    SetMenuGrayed({ ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE,
        ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
}

void TransferControl::OnDump()
{
    if (m_pSession->CurrentStage() == Stage::ReadyToRead) {
        const WaitCursor wait;
        m_Progress->setRange(0, m_nProgressMax);
        m_pSession->Read();
        Control(IDC_DUMP)->setEnabled(false);
        SetStatusText(tr("Reading...Please wait!"));
        return;
    }
    if (!m_pSession->IsIdle())
        return;
    NamePortProblem();
    if (LoadersRefused(LoaderUse::Dump))
        return;
    // The dump replaces the image: a modified one is offered for saving first.
    if (!m_host.ConfirmDiscardChanges())
        return;
    const WaitCursor wait;
    // A port that does not open was named: the transfer waits for it all the same.
    m_pSession->Dump(m_Options);
    StartTransfer();
}

void TransferControl::OnUpgrade()
{
    const WaitCursor wait;
    // A refused upgrade leaves the link idle: armed, the next receiver reset would start one.
    // Only an image that decodes is sent: a raw dump is for saving, not for flashing.
    if (!m_document.IsDecoded()) {
        ShowWarning(&m_window, tr("Please open file first!"));
        return;
    }
    if (!m_pSession->IsIdle())
        return;
    NamePortProblem();
    if (LoadersRefused(LoaderUse::Upgrade) || !m_host.ConfirmUpgradeOfCheckedList())
        return;
    m_Progress->setRange(0, 100);
    m_pSession->Upgrade(m_document.UpgradeBytes(), m_Options);
    StartTransfer();
}

void TransferControl::OnCancelTransfer()
{
    EndTransfer();
}

void TransferControl::EndTransfer()
{
    m_pSession->Cancel();
    m_pTransferEvents->DropAllButEnds();

    auto* dump = qobject_cast<QPushButton*>(Control(IDC_DUMP));
    dump->setText(TemplateText("Dump"));
    dump->setEnabled(true);
    Control(IDC_UPGRADE)->setEnabled(true);
    Control(IDC_CANCEL)->setEnabled(false);
    for (int id : LOCKED_BY_TRANSFER)
        Control(id)->setEnabled(true);
    SetStatusText(tr("idle..."));
    FindControl<QLabel>(&m_page, IDC_PERCENT)->setText(QStringLiteral("00%"));
    SetMenuGrayed({});
    // The text reads "00%" again, so the next transfer's first percentage must show.
    m_nLastPercent = 0;
    m_Progress->setValue(0);
}

void TransferControl::OnLinkLost(int error, bool duringTransfer)
{
    if (duringTransfer)
        EndTransfer();
    ShowPortClosed();
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    m_StatusBar.showMessage(tr("The receiver link was lost: %1").arg(reason));
    if (duringTransfer)
        Prompts().Message(&m_window, tr("The receiver link was lost.\n%1").arg(reason), TITLE_ERROR,
            PromptIcon::Warning, PromptButtons::Ok);
}

void TransferControl::ShowTransferProgress(const TransferEvent& event)
{
    auto* percentText = FindControl<QLabel>(&m_page, IDC_PERCENT);
    if (IsIdle()) {
        m_nLastPercent = 0;
        m_Progress->setValue(0);
        percentText->setText(QStringLiteral("00%"));
        return;
    }
    const uint32_t percent = event.Percent();
    m_Progress->setValue(int(event.done));
    if (int(percent) != m_nLastPercent) {
        percentText->setText(QString::asprintf("%02u%%", percent));
        m_nLastPercent = int(percent);
    }
}

void TransferControl::FinishDump()
{
    const TransferOutcome outcome = m_pSession->Wait();
    EndTransfer();
    m_document.AdoptDump(outcome.flash);
    ShowKeptDump(outcome);
    m_host.DumpAdopted();
}

void TransferControl::ShowKeptDump(const TransferOutcome& outcome)
{
    if (!outcome.keptPath.empty()) {
        m_StatusBar.showMessage(tr("Dump kept in %1").arg(QString::fromLocal8Bit(outcome.keptPath)));
        return;
    }
    m_StatusBar.showMessage(tr("The dump was not kept"));
    Prompts().Message(&m_window,
        tr("The dump could not be kept in %1.\n%2")
            .arg(QString::fromLocal8Bit(m_pSession->Archive().Folder()),
                FileReasonText::Of(outcome.keepProblem)),
        TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
}

void TransferControl::OnEvent(const TransferEvent& event)
{
    switch (event.type) {
    case TransferEvent::Type::Stage:
        OnStage(event);
        break;
    case TransferEvent::Type::Progress:
        ShowTransferProgress(event);
        break;
    case TransferEvent::Type::End:
        OnEnd(event);
        break;
    }
}

void TransferControl::OnStage(const TransferEvent& event)
{
    if (event.stage == Stage::ReadyToRead) {
        auto* dump = qobject_cast<QPushButton*>(Control(IDC_DUMP));
        dump->setEnabled(true);
        dump->setText(tr("Read", "button: read the receiver's flash now"));
        SetStatusText(tr("Read to read!"));
    } else if (event.stage == Stage::Upgrading) {
        SetStatusText(tr("Upgrading,Please wait!"));
    } else if (event.stage == Stage::Stalled) {
        Prompts().Message(&m_window, tr(RateChangeFailureText(event.kind)),
            TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
    }
}

void TransferControl::OnEnd(const TransferEvent& event)
{
    if (event.result == TransferResult::LinkLost) {
        OnLinkLost(event.error, event.stage != Stage::Idle);
        return;
    }
    // A transfer started since makes this end old news; a cancel was shown when it was asked for.
    if (!m_pSession->IsIdle() || event.result == TransferResult::Cancelled)
        return;
    if (event.result != TransferResult::Done) {
        EndTransfer();
        return;
    }
    switch (event.kind) {
    case TransferKind::Dump:
        FinishDump();
        break;
    case TransferKind::Verify:
        FinishVerify();
        break;
    case TransferKind::Upgrade:
        FinishUpgrade();
        break;
    }
}

bool TransferControl::HasImageToVerify() const
{
    // Only what an upgrade would write can be held against the receiver's flash.
    return !m_document.UpgradeBytes().empty();
}

void TransferControl::OnVerify()
{
    if (!IsIdle())
        return;
    if (!HasImageToVerify()) {
        ShowWarning(&m_window, tr("Please open file first!"));
        return;
    }
    NamePortProblem();
    if (LoadersRefused(LoaderUse::Dump))
        return;
    // Nothing is replaced, so nothing needs saving first.
    m_pSession->Verify(m_document.UpgradeBytes(), m_Options);
    StartTransfer();
    //: "Read" is the caption the Dump button takes when the receiver is ready.
    m_StatusBar.showMessage(tr("Verify: press Read when the receiver is ready."));
}

void TransferControl::FinishVerify()
{
    // The flash was only read to be compared.
    const TransferOutcome outcome = m_pSession->Wait();
    EndTransfer();
    ShowKeptDump(outcome);
    const QString kept = m_StatusBar.currentMessage();
    const FlashVerification& verification = outcome.verification;
    if (verification.Same()) {
        const QString holds = tr("The receiver holds this image.");
        m_StatusBar.showMessage(holds + QLatin1Char(' ') + kept);
        Prompts().Message(&m_window, holds, TITLE_PROGRAM, PromptIcon::Information, PromptButtons::Ok);
        return;
    }
    const QString differs = tr("The receiver does not hold this image.");
    m_StatusBar.showMessage(differs + QLatin1Char(' ') + kept);
    Prompts().Message(&m_window,
        differs + QLatin1Char('\n') + DiffText::Verification(verification, MAX_LISTED),
        TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
}

void TransferControl::FinishUpgrade()
{
    EndTransfer();
    m_StatusBar.showMessage(
        //: "Tools" and "verify" are the menu and its item as the menu bar names them.
        tr("Upgrade finished. To check it, choose Tools \"verify\" and reset the receiver again."));
}

void TransferControl::RestoreLinkChoices()
{
    LinkSettings settings;
    for (const auto& [port, device] : settings.AssignedDevices())
        m_Ports.Assign(port, device);
    m_pSession->Choose(settings.Port(DEFAULT_PORT, PORT_COUNT), settings.Xtal(DEFAULT_XTAL));
}

void TransferControl::RememberLinkChoices()
{
    LinkSettings settings;
    settings.SetPort(m_pSession->Port());
    settings.SetXtal(m_pSession->Xtal());
}

void TransferControl::UpdatePortTips()
{
    QStringList lines;
    for (int index = 0; index < m_PortCombo->count(); ++index) {
        const unsigned port = unsigned(index + 1);
        QString device = QFile::decodeName(m_Ports.DeviceFor(port).c_str());
        if (m_Ports.FromEnvironment(port))
            device += QStringLiteral(" (TAVREL_COM%1)").arg(port);
        m_PortCombo->setItemData(index, device, Qt::ToolTipRole);
        lines.append(QStringLiteral("%1: %2").arg(m_PortCombo->itemText(index), device));
    }
    m_PortCombo->setToolTip(lines.join(QLatin1Char('\n')));
}

void TransferControl::OnPorts()
{
    const unsigned current = m_pSession->Port();
    PortsDlg dialog(m_Ports, current, PORT_COUNT, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string before = m_Ports.DeviceFor(current);
    LinkSettings settings;
    for (const auto& [port, device] : dialog.Choices()) {
        m_Ports.Assign(port, device);
        settings.AssignDevice(port, device);
    }
    UpdatePortTips();
    // As choosing a port opens it, so does choosing another device for it.
    if (m_pSession->IsIdle() && m_Ports.DeviceFor(current) != before)
        ShowPortState(m_pSession->Connect());
}

void TransferControl::OnLoaderBlocks()
{
    InstallLoadersFromEnvironment();
    LoadersDlg dialog(InstalledLoaders(), &m_window);
    dialog.exec();
}

void TransferControl::NamePortProblem()
{
    if (!m_pSession->OpenPort())
        ShowPortError(tr("Can't open the port!"), m_pSession->PortError());
}

bool TransferControl::LoadersRefused(LoaderUse use)
{
    InstallLoadersFromEnvironment();
    const std::string device = m_Ports.DeviceFor(m_pSession->Port());
    const int xtal = m_pSession->Xtal();
    const bool pseudoTerminal = IsPseudoTerminal(device);
    const auto refusal = PlaceholderRefusal(use, xtal, pseudoTerminal);
    if (!refusal)
        return false;
    const LoaderBlock* placeholder = RefusedPlaceholder(use, xtal, pseudoTerminal);
    Prompts().Message(&m_window, placeholder ? PlaceholderText(*placeholder) : QFile::decodeName(refusal->c_str()),
        TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
    return true;
}

QString TransferControl::PlaceholderText(const LoaderBlock& block)
{
    const QString from = block.BuiltIn() ? tr("the one built in") : QFile::decodeName(PrintableText(block.source).c_str());
    //: %1 is a block such as "dump loader", %2 where it came from, %3 its file name, %4 and %5 where to put it.
    return tr("The %1 (%2) is a placeholder, not the receiver maker's block, and a receiver cannot run it. Put the "
              "maker's %3 in %4 or in /usr/share/tavrel/loaders, or name its folder in %5.")
        .arg(tr(block.title), from, QString::fromLatin1(block.fileName),
            QFile::decodeName(PrintableText(LoaderSet::UserFolder()).c_str()), QString::fromLatin1(LoaderSet::ENVIRONMENT));
}
