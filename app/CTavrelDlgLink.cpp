// The receiver link's controls: port, crystal, dump, upgrade and cancel.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "CUIThread.h"
#include "Crystals.h"
#include "DialogBuilder.h"
#include "LinkEvent.h"
#include "LinkMessages.h"
#include "MainResources.h"
#include "PortOpenError.h"
#include "ThreadHandOff.h"
#include "UserPrompts.h"

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
#include <cerrno>
#include <cstring>

namespace {

static_assert(CTavrelDlg::XTAL_COUNT == XTAL_COUNT);

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
    LinkState& link = Link();
    link.m_bTransferIdle = 1;
    link.m_bUpgradeMode = 0;
    link.m_nDumpStep = 1;
    link.m_nLastPercent = 0;
    if (!m_pWorkThread) {
        m_pWorkThread = std::make_unique<CUIThread>(
            LinkContext { Comm(), link, m_state.m_bImageLoaded, m_state.Database() }, this, this);
        m_pWorkThread->start();
        if (!m_pWorkThread->TraceError().empty())
            m_StatusBar->showMessage(QStringLiteral("The transfer trace is not written: %1")
                                         .arg(QString::fromLocal8Bit(m_pWorkThread->TraceError())));
    }

    for (int xtal = 0; xtal < XTAL_COUNT; ++xtal)
        m_szCommSettings[xtal] = XTAL_SETTINGS[xtal];
    m_PortCombo->clear();
    for (unsigned port = 1; port <= PORT_COUNT; ++port)
        m_PortCombo->addItem(QStringLiteral("COM%1").arg(port));
    m_XtalCombo->clear();
    for (const char* name : XTAL_NAMES)
        m_XtalCombo->addItem(QString::fromLatin1(name));

    RestoreLinkChoices();
    m_PortCombo->setCurrentIndex(int(link.m_nPort) - 1);
    m_XtalCombo->setCurrentIndex(link.m_nXtal);
    UpdatePortTips();
    if (Comm().IsOpen())
        Comm().Close();
    ShowPortState(OpenSelectedPort());
}

void CTavrelDlg::ShutDownLink()
{
    if (!m_pWorkThread)
        return;
    Link().m_bTransferIdle = 1;
    m_pWorkThread->Stop();
    m_pWorkThread.reset();
    if (Comm().IsOpen())
        Comm().Close();
}

bool CTavrelDlg::OpenSelectedPort()
{
    const LinkState& link = Link();
    errno = 0;
    if (Comm().OpenAndConfigure(link.m_nPort, m_szCommSettings[size_t(link.m_nXtal)].c_str())) {
        m_strPortError.clear();
        return true;
    }
    const int error = errno;
    m_strPortError = error ? PortOpenFailureReason(Comm().DevicePathFor(link.m_nPort), error) : QString();
    return false;
}

void CTavrelDlg::ShowPortError(const QString& text)
{
    const QString message = m_strPortError.isEmpty() ? text : text + QLatin1Char('\n') + m_strPortError;
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
        ShowPortError(QString::asprintf("Can't open port %u!", Link().m_nPort.load()));
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

void CTavrelDlg::OnPortChange(int)
{
    Link().m_nPort = unsigned(m_PortCombo->currentIndex() + 1);
    Link().m_nXtal = m_XtalCombo->currentIndex();
    RememberLinkChoices();
    ShowPortState(OpenSelectedPort());
}

void CTavrelDlg::OnXtalChange(int)
{
    Link().m_nXtal = m_XtalCombo->currentIndex();
    RememberLinkChoices();
}

void CTavrelDlg::OnOpenCloseCom()
{
    auto* button = qobject_cast<QPushButton*>(Control(IDC_OPEN_COM));
    const QString caption = button->text();
    if (caption == CAPTION_OPEN_COM) {
        if (Comm().IsOpen())
            Comm().Close();
        ShowPortState(OpenSelectedPort());
    } else if (caption == CAPTION_CLOSE_COM) {
        if (Comm().IsOpen())
            Comm().Close();
        ShowLamp(false);
        button->setText(CAPTION_OPEN_COM);
        CancelTransfer();
        Control(IDC_CANCEL)->setEnabled(false);
        Control(IDC_DUMP)->setEnabled(false);
        Control(IDC_UPGRADE)->setEnabled(false);
        SetMenuGrayed({ ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
    }
}

void CTavrelDlg::StartTransfer()
{
    ++Link().m_nTransferSerial;
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    Control(IDC_CANCEL)->setEnabled(true);
    for (int id : LOCKED_BY_TRANSFER)
        Control(id)->setEnabled(false);
    SetStatusText("Please reset the STB!");
    SetMenuGrayed({ ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE,
        ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
}

void CTavrelDlg::OpenPortForTransfer()
{
    if (!Comm().IsOpen() && !OpenSelectedPort())
        ShowPortError(QStringLiteral("Can't open the port!"));
}

void CTavrelDlg::OnDump()
{
    LinkState& link = Link();
    // The dump replaces the image: a modified one is offered for saving first.
    if (link.m_nDumpStep == 1 && !ConfirmDiscardChanges())
        return;
    const WaitCursor wait;
    // The worker clears the transfer buffer itself when it starts a read.
    link.m_bTransferIdle = 0;
    link.m_bUpgradeMode = 0;
    if (link.m_nDumpStep == 1) {
        m_bVerifying = false;
        OpenPortForTransfer();
        StartTransfer();
        return;
    }
    m_Progress->setRange(0, m_nProgressMax);
    if (link.m_nWorkThreadId != 0)
        m_pWorkThread->PostThreadMessage(WM_START_READ, START_READ_SEND, m_nProgressMax);
    Control(IDC_DUMP)->setEnabled(false);
    SetStatusText("Reading...Please wait!");
}

void CTavrelDlg::OnUpgrade()
{
    const WaitCursor wait;
    // A refused upgrade leaves the link idle: armed, the next receiver reset would start one.
    // Only an image that decodes is sent: a raw dump is for saving, not for flashing.
    if (!m_state.m_bImageLoaded || !m_state.m_bImageDecoded) {
        ShowWarning(this, QStringLiteral("Please open file first!"));
        return;
    }
    if (!ConfirmUpgradeOfCheckedList())
        return;
    LinkState& link = Link();
    m_bVerifying = false;
    link.m_bTransferIdle = 0;
    link.m_bUpgradeMode = 1;
    link.m_bReadRequested = 1;
    m_Progress->setRange(0, 100);
    OpenPortForTransfer();
    StartTransfer();
}

void CTavrelDlg::OnCancelTransfer()
{
    CancelTransfer();
}

void CTavrelDlg::CancelTransfer()
{
    LinkState& link = Link();
    const bool readCut = !link.m_bUpgradeMode && link.m_bReadAccepted && !link.m_pDumpTarget;
    link.m_bTransferIdle = 1;
    ++link.m_nTransferSerial;
    // The worker may still be inside a step that reads or writes the image:
    // closing the port and ending its pauses make it leave at once, and
    // nothing here goes on before it has.
    if (Comm().IsOpen())
        Comm().Close();
    if (m_pWorkThread)
        m_pWorkThread->WaitForStep();
    // A rate change that crossed the cancel may have opened the port again.
    if (Comm().IsOpen())
        Comm().Close();
    link.m_pDumpTarget = nullptr;

    auto* dump = qobject_cast<QPushButton*>(Control(IDC_DUMP));
    dump->setText(QStringLiteral("Dump"));
    dump->setEnabled(true);
    Control(IDC_UPGRADE)->setEnabled(true);
    Control(IDC_CANCEL)->setEnabled(false);
    for (int id : LOCKED_BY_TRANSFER)
        Control(id)->setEnabled(true);
    SetStatusText("idle...");
    FindControl<QLabel>(m_page, IDC_PERCENT)->setText(QStringLiteral("00%"));
    SetMenuGrayed({});

    link.m_nDumpStep = 1;
    link.m_bReadRequested = 0;
    link.m_bReadAccepted = 0;
    // The text reads "00%" again, so the next transfer's first percentage must show.
    link.m_nLastPercent = 0;
    m_Progress->setValue(0);
    if (readCut)
        DropPartialDump();
}

void CTavrelDlg::DropPartialDump()
{
    // The read has overwritten part of the image: what the views show is no
    // longer there, and saving or upgrading the mixture would spread it.
    m_state.m_bImageLoaded = 0;
    m_state.m_bImageDecoded = false;
    m_state.m_bRawDump = false;
    ClearViews();
    UpdateTitle();
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

void CTavrelDlg::OnLinkLost(int error)
{
    const bool transferring = !Link().m_bTransferIdle;
    // A port closed after a finished transfer has nothing left to lose.
    if (!transferring && !Comm().IsOpen())
        return;
    if (transferring)
        CancelTransfer();
    else if (Comm().IsOpen())
        Comm().Close();
    ShowLamp(false);
    qobject_cast<QPushButton*>(Control(IDC_OPEN_COM))->setText(CAPTION_OPEN_COM);
    Control(IDC_DUMP)->setEnabled(false);
    Control(IDC_UPGRADE)->setEnabled(false);
    SetMenuGrayed({ ID_TOOLS_DUMP, ID_TOOLS_UPGRADE });
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    m_StatusBar->showMessage(QStringLiteral("The receiver link was lost: %1").arg(reason));
    if (transferring)
        Prompts().Message(this, QStringLiteral("The receiver link was lost.\n%1").arg(reason), TITLE_ERROR,
            PromptIcon::Warning, PromptButtons::Ok);
}

void CTavrelDlg::OnTransferProgress(uint32_t total, uint32_t done)
{
    LinkState& link = Link();
    auto* percentText = FindControl<QLabel>(m_page, IDC_PERCENT);
    if (link.m_bTransferIdle) {
        link.m_nLastPercent = 0;
        m_Progress->setValue(0);
        percentText->setText(QStringLiteral("00%"));
        return;
    }
    const uint32_t percent = total ? done * 100u / total : 0;
    m_Progress->setValue(int(done));
    if (int(percent) != link.m_nLastPercent) {
        percentText->setText(QString::asprintf("%02u%%", percent));
        link.m_nLastPercent = int(percent);
    }
}

void CTavrelDlg::OnDumpDone()
{
    if (m_bVerifying) {
        FinishVerify();
        return;
    }
    Link().m_nDumpStep = 1;
    StartNewHistory();
    CancelTransfer();
    // The whole image is in, even when a cancel crossed the end of the read.
    m_state.m_bImageLoaded = 1;
    m_state.m_bRawDump = false;
    KeepDump(std::span(m_state.Database().m_Image, IMAGE_SIZE));
    MarkImageUnmodified();
    if (!ReloadViews(LIST_PROGRAMS)) {
        // Nothing shown may stand for bytes that are gone; the raw flash can still be saved.
        m_state.m_bRawDump = true;
        ClearViews();
    }
}

void CTavrelDlg::KeepDump(std::span<const uint8_t> flash)
{
    std::string path;
    std::string reason;
    if (m_DumpArchive.Keep(flash, path, reason)) {
        m_StatusBar->showMessage(QStringLiteral("Dump kept in %1").arg(QString::fromLocal8Bit(path)));
        return;
    }
    m_StatusBar->showMessage(QStringLiteral("The dump was not kept"));
    Prompts().Message(this,
        QStringLiteral("The dump could not be kept in %1.\n%2")
            .arg(QString::fromLocal8Bit(m_DumpArchive.Folder()), QString::fromLocal8Bit(reason)),
        TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
}

bool CTavrelDlg::event(QEvent* event)
{
    ThreadHandOff::Receive(event);
    const int type = event->type();
    if (type == int(WM_TRANSFER_PROGRESS) || type == int(WM_DUMP_DONE) || type == int(WM_UPGRADE_DONE)
        || type == int(WM_LINK_LOST)) {
        if (auto* message = dynamic_cast<LinkEvent*>(event)) {
            if (type == int(WM_TRANSFER_PROGRESS))
                OnTransferProgress(uint32_t(message->WParam()), uint32_t(message->LParam()));
            else if (type == int(WM_DUMP_DONE))
                OnDumpDone();
            else if (type == int(WM_LINK_LOST))
                OnLinkLost(int(message->LParam()));
            else
                OnUpgradeDone();
            return true;
        }
    }
    return QDialog::event(event);
}

void CTavrelDlg::EnableDumpButton(bool enable)
{
    Control(IDC_DUMP)->setEnabled(enable);
}

void CTavrelDlg::SetDumpCaption(const std::string& caption)
{
    qobject_cast<QPushButton*>(Control(IDC_DUMP))->setText(QString::fromStdString(caption));
}

void CTavrelDlg::SetStatusText(const std::string& text)
{
    FindControl<QLabel>(m_page, IDC_STATUS)->setText(QString::fromStdString(text));
}

void CTavrelDlg::ShowMessage(const std::string& text, const std::string& caption)
{
    Prompts().Message(this, QString::fromStdString(text), QString::fromStdString(caption), PromptIcon::Warning,
        PromptButtons::Ok);
}
