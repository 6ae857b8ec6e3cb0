// The receiver link's controls: port, crystal, dump, upgrade and cancel.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "Crystals.h"
#include "DialogBuilder.h"
#include "MainResources.h"
#include "PortOpenError.h"
#include "TransferEventQueue.h"
#include "UserPrompts.h"
#include "cnComm.h"

#include <QtGui/QAction>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTreeWidget>

#include <algorithm>
#include <cstring>

namespace {

using Stage = TransferSession::Stage;

// Every item of the menu bar; a menu change grays some and enables the rest.
constexpr int MENU_COMMANDS[] = { ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE,
    ID_FILE_EXIT, ID_TOOLS_UPGRADE, ID_TOOLS_DUMP, ID_TOOLS_ADVANCE, ID_HELP_ABOUT };

// The controls a running transfer locks besides the transfer buttons.
constexpr int LOCKED_BY_TRANSFER[] = { IDC_PORT, IDC_XTAL, IDC_OPEN, IDC_SAVE, IDC_RECORD_LIST, IDC_SAT_TREE,
    IDC_SERVICE_TAB };

const QString CAPTION_OPEN_COM = QStringLiteral("Open Com");
const QString CAPTION_CLOSE_COM = QStringLiteral("Close Com");

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void CTavrelDlg::InitLink()
{
    m_pTransferEvents = std::make_unique<TransferEventQueue>(static_cast<TransferSession::Listener&>(*this));
    m_pSession = std::make_unique<TransferSession>(m_Comm, *m_pTransferEvents);
    std::string reason;
    if (!m_strTraceFile.empty() && !m_pSession->TraceTo(m_strTraceFile, reason))
        m_StatusBar->showMessage(QStringLiteral("The transfer trace is not written: %1")
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

void CTavrelDlg::ShutDownLink()
{
    m_pSession.reset();
    m_pTransferEvents.reset();
}

void CTavrelDlg::ShowPortError(const QString& text)
{
    const int error = m_pSession->PortError();
    const QString reason = error ? PortOpenFailureReason(m_Comm.DevicePathFor(m_pSession->Port()), error) : QString();
    const QString message = reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
    Prompts().Message(this, message, TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
}

void CTavrelDlg::ShowPortState(bool open)
{
    Control(IDC_DUMP)->setEnabled(open);
    Control(IDC_UPGRADE)->setEnabled(open);
    if (open)
        SetMenuGrayed({});
    else
        SetMenuGrayed({ ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
    ShowLamp(open);
    qobject_cast<QPushButton*>(Control(IDC_OPEN_COM))->setText(open ? CAPTION_CLOSE_COM : CAPTION_OPEN_COM);
    if (!open)
        ShowPortError(QString::asprintf("Can't open port %u!", m_pSession->Port()));
}

void CTavrelDlg::ShowLamp(bool open)
{
    m_LampOn->setVisible(open);
    m_LampOff->setVisible(!open);
}

void CTavrelDlg::SetMenuGrayed(std::initializer_list<int> grayed)
{
    for (int command : MENU_COMMANDS) {
        if (QAction* action = MenuAction(command))
            action->setEnabled(std::find(grayed.begin(), grayed.end(), command) == grayed.end());
    }
    UpdateLinkMenuItems();
}

void CTavrelDlg::SetStatusText(const QString& text)
{
    FindControl<QLabel>(m_page, IDC_STATUS)->setText(text);
}

void CTavrelDlg::OnPortChange(int)
{
    m_pSession->Choose(unsigned(m_PortCombo->currentIndex() + 1), m_XtalCombo->currentIndex());
    RememberLinkChoices();
    ShowPortState(m_pSession->Connect());
}

void CTavrelDlg::OnXtalChange(int)
{
    m_pSession->Choose(m_pSession->Port(), m_XtalCombo->currentIndex());
    RememberLinkChoices();
}

void CTavrelDlg::OnOpenCloseCom()
{
    if (!m_pSession->IsConnected()) {
        ShowPortState(m_pSession->Connect());
        return;
    }
    m_pSession->Disconnect();
    ShowLamp(false);
    qobject_cast<QPushButton*>(Control(IDC_OPEN_COM))->setText(CAPTION_OPEN_COM);
    CancelTransfer();
    Control(IDC_CANCEL)->setEnabled(false);
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    SetMenuGrayed({ ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
}

void CTavrelDlg::StartTransfer()
{
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    Control(IDC_CANCEL)->setEnabled(true);
    for (int id : LOCKED_BY_TRANSFER)
        Control(id)->setEnabled(false);
    SetStatusText(QStringLiteral("Please reset the STB!"));
    SetMenuGrayed({ ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE,
        ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
}

void CTavrelDlg::OnDump()
{
    if (m_pSession->CurrentStage() == Stage::ReadyToRead) {
        const WaitCursor wait;
        m_Progress->setRange(0, m_nProgressMax);
        m_pSession->Read();
        Control(IDC_DUMP)->setEnabled(false);
        SetStatusText(QStringLiteral("Reading...Please wait!"));
        return;
    }
    if (!m_pSession->IsIdle() || LoadersRefused(LoaderUse::Dump))
        return;
    // The dump replaces the image: a modified one is offered for saving first.
    if (!ConfirmDiscardChanges())
        return;
    const WaitCursor wait;
    if (!m_pSession->StartDump())
        ShowPortError(QStringLiteral("Can't open the port!"));
    StartTransfer();
}

void CTavrelDlg::OnUpgrade()
{
    const WaitCursor wait;
    // A refused upgrade leaves the link idle: armed, the next receiver reset would start one.
    // Only an image that decodes is sent: a raw dump is for saving, not for flashing.
    if (!Doc().IsDecoded()) {
        ShowWarning(this, QStringLiteral("Please open file first!"));
        return;
    }
    if (!m_pSession->IsIdle() || LoadersRefused(LoaderUse::Upgrade) || !ConfirmUpgradeOfCheckedList())
        return;
    m_Progress->setRange(0, 100);
    if (!m_pSession->StartUpgrade(Doc().UpgradeBytes()))
        ShowPortError(QStringLiteral("Can't open the port!"));
    StartTransfer();
}

void CTavrelDlg::OnCancelTransfer()
{
    CancelTransfer();
}

void CTavrelDlg::CancelTransfer()
{
    m_pSession->Cancel();
    m_pTransferEvents->DropProgress();

    auto* dump = qobject_cast<QPushButton*>(Control(IDC_DUMP));
    dump->setText(QStringLiteral("Dump"));
    dump->setEnabled(true);
    Control(IDC_UPGRADE)->setEnabled(true);
    Control(IDC_CANCEL)->setEnabled(false);
    for (int id : LOCKED_BY_TRANSFER)
        Control(id)->setEnabled(true);
    SetStatusText(QStringLiteral("idle..."));
    FindControl<QLabel>(m_page, IDC_PERCENT)->setText(QStringLiteral("00%"));
    SetMenuGrayed({});
    // The text reads "00%" again, so the next transfer's first percentage must show.
    m_nLastPercent = 0;
    m_Progress->setValue(0);
}

void CTavrelDlg::ClearViews()
{
    {
        const QSignalBlocker quiet(m_Tree);
        m_Tree->clear();
    }
    m_nTreeNodes = 0;
    m_List->DeleteAllItems();
    m_strSatCount.clear();
    m_strTpCount.clear();
    m_strTvCount.clear();
    m_strRadioCount.clear();
    for (int id : { IDC_SAT_COUNT, IDC_TP_COUNT, IDC_TV_COUNT, IDC_RADIO_COUNT })
        FindControl<QLabel>(m_page, id)->clear();
}

void CTavrelDlg::OnLinkLost(int error, bool duringTransfer)
{
    if (duringTransfer)
        CancelTransfer();
    ShowLamp(false);
    qobject_cast<QPushButton*>(Control(IDC_OPEN_COM))->setText(CAPTION_OPEN_COM);
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    SetMenuGrayed({ ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    m_StatusBar->showMessage(QStringLiteral("The receiver link was lost: %1").arg(reason));
    if (duringTransfer)
        Prompts().Message(this, QStringLiteral("The receiver link was lost.\n%1").arg(reason), TITLE_ERROR,
            PromptIcon::Warning, PromptButtons::Ok);
}

void CTavrelDlg::OnTransferProgress(uint32_t total, uint32_t done)
{
    auto* percentText = FindControl<QLabel>(m_page, IDC_PERCENT);
    if (TransferIdle()) {
        m_nLastPercent = 0;
        m_Progress->setValue(0);
        percentText->setText(QStringLiteral("00%"));
        return;
    }
    const uint32_t percent = total ? done * 100u / total : 0;
    m_Progress->setValue(int(done));
    if (int(percent) != m_nLastPercent) {
        percentText->setText(QString::asprintf("%02u%%", percent));
        m_nLastPercent = int(percent);
    }
}

void CTavrelDlg::OnDumpDone()
{
    const std::vector<uint8_t> flash = m_pSession->TakeDump();
    CancelTransfer();
    Doc().AdoptDump(flash);
    UpdateEditActions();
    ShowKeptDump();
    // Nothing shown may stand for bytes that are gone; the raw flash can still be saved.
    if (!ReloadViews(LIST_PROGRAMS))
        ClearViews();
}

void CTavrelDlg::ShowKeptDump()
{
    const std::string path = m_pSession->KeptPath();
    if (!path.empty()) {
        m_StatusBar->showMessage(QStringLiteral("Dump kept in %1").arg(QString::fromLocal8Bit(path)));
        return;
    }
    m_StatusBar->showMessage(QStringLiteral("The dump was not kept"));
    Prompts().Message(this,
        QStringLiteral("The dump could not be kept in %1.\n%2")
            .arg(QString::fromLocal8Bit(m_pSession->Archive().Folder()),
                QString::fromLocal8Bit(m_pSession->KeepProblem())),
        TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
}

void CTavrelDlg::OnStage(TransferSession::Stage stage)
{
    if (stage == Stage::ReadyToRead) {
        auto* dump = qobject_cast<QPushButton*>(Control(IDC_DUMP));
        dump->setEnabled(true);
        dump->setText(QStringLiteral("Read"));
        SetStatusText(QStringLiteral("Read to read!"));
    } else if (stage == Stage::Upgrading) {
        SetStatusText(QStringLiteral("Upgrading,Please wait!"));
    }
}

void CTavrelDlg::OnProgress(uint32_t total, uint32_t done)
{
    OnTransferProgress(total, done);
}

void CTavrelDlg::OnRateChangeFailed()
{
    Prompts().Message(this, QString::fromLatin1(TransferSession::RateChangeFailureText(m_pSession->CurrentKind())),
        TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
}

void CTavrelDlg::OnFinished(TransferSession::Kind kind, TransferSession::Result result)
{
    // A transfer started since makes this end old news.
    if (!m_pSession->IsIdle())
        return;
    if (result != TransferSession::Result::Done) {
        CancelTransfer();
        return;
    }
    switch (kind) {
    case TransferSession::Kind::Dump:
        OnDumpDone();
        break;
    case TransferSession::Kind::Verify:
        FinishVerify();
        break;
    case TransferSession::Kind::Upgrade:
        OnUpgradeDone();
        break;
    }
}
