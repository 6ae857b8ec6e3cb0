// Tools "verify": whether the receiver holds the loaded image.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "CodePageText.h"
#include "FlashVerify.h"
#include "ImageFile.h"
#include "MainResources.h"
#include "UserPrompts.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QStatusBar>

#include <algorithm>

namespace {

// A failed verify lists at most this many ranges and records; the kept dump has the rest.
constexpr size_t MAX_LISTED = 10;

} // namespace

bool CTavrelDlg::HasImageToVerify() const
{
    // Only what an upgrade would write can be held against the receiver's flash.
    return m_state.m_bImageLoaded && (m_state.m_bImageDecoded || m_state.m_bRawDump);
}

void CTavrelDlg::ConnectLinkTools()
{
    connect(MenuAction(ID_TOOLS_VERIFY), &QAction::triggered, this, &CTavrelDlg::OnVerify);
    connect(MenuAction(ID_TOOLS_PORTS), &QAction::triggered, this, &CTavrelDlg::OnPorts);
    connect(MenuAction(ID_TOOLS_LOADERS), &QAction::triggered, this, &CTavrelDlg::OnLoaderBlocks);
    // Whether an image is loaded changes in many places; the item is brought up to date when it is seen.
    if (auto* tools = qobject_cast<QMenu*>(MenuAction(ID_TOOLS_VERIFY)->parent()))
        connect(tools, &QMenu::aboutToShow, this, &CTavrelDlg::UpdateLinkMenuItems);
}

void CTavrelDlg::UpdateLinkMenuItems()
{
    // A verify is a dump, so it goes with Dump.
    if (QAction* verify = MenuAction(ID_TOOLS_VERIFY))
        verify->setEnabled(MenuAction(ID_TOOLS_DUMP)->isEnabled() && HasImageToVerify());
    // A transfer reopens its port at each rate change: the device behind it must stay.
    if (QAction* ports = MenuAction(ID_TOOLS_PORTS))
        ports->setEnabled(Link().m_bTransferIdle != 0);
}

void CTavrelDlg::OnVerify()
{
    if (!Link().m_bTransferIdle)
        return;
    if (!HasImageToVerify()) {
        ShowWarning(this, QStringLiteral("Please open file first!"));
        return;
    }
    if (LoadersRefused(LoaderUse::Dump))
        return;
    const ChannelDatabase& db = m_state.Database();
    const size_t length = m_state.m_bImageDecoded ? std::min<size_t>(db.m_nFlashSize, IMAGE_SIZE) : IMAGE_SIZE;
    m_VerifyImage.assign(db.m_Image, db.m_Image + length);
    m_VerifyFlash.assign(IMAGE_SIZE, ERASED_FLASH);
    m_bVerifying = true;

    // Nothing is replaced, so nothing needs saving first.
    LinkState& link = Link();
    link.m_pDumpTarget = m_VerifyFlash.data();
    link.m_bTransferIdle = 0;
    link.m_bUpgradeMode = 0;
    OpenPortForTransfer();
    StartTransfer();
    m_StatusBar->showMessage(QStringLiteral("Verify: press Read when the receiver is ready."));
}

void CTavrelDlg::FinishVerify()
{
    m_bVerifying = false;
    Link().m_nDumpStep = 1;
    CancelTransfer();
    KeepDump(m_VerifyFlash);
    const QString kept = m_StatusBar->currentMessage();
    const FlashVerification verification = VerifyFlash(m_VerifyImage, m_VerifyFlash, AnsiCodePageText());
    if (verification.Same()) {
        const QString holds = QStringLiteral("The receiver holds this image.");
        m_StatusBar->showMessage(holds + QLatin1Char(' ') + kept);
        Prompts().Message(this, holds, TITLE_PROGRAM, PromptIcon::Information, PromptButtons::Ok);
        return;
    }
    const QString differs = QStringLiteral("The receiver does not hold this image.");
    m_StatusBar->showMessage(differs + QLatin1Char(' ') + kept);
    Prompts().Message(this,
        differs + QLatin1Char('\n')
            + QString::fromStdString(VerificationText(verification, MAX_LISTED, MAX_LISTED)).trimmed(),
        TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
}

void CTavrelDlg::OnUpgradeDone()
{
    CancelTransfer();
    m_StatusBar->showMessage(
        QStringLiteral("Upgrade finished. To check it, choose Tools \"verify\" and reset the receiver again."));
}
