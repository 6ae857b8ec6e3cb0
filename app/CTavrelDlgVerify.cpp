// Tools "verify": whether the receiver holds the loaded image.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "FlashVerify.h"
#include "MainResources.h"
#include "UserPrompts.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QStatusBar>

namespace {

// A failed verify lists at most this many ranges and records; the kept dump has the rest.
constexpr size_t MAX_LISTED = 10;

} // namespace

bool CTavrelDlg::HasImageToVerify() const
{
    // Only what an upgrade would write can be held against the receiver's flash.
    return !Doc().UpgradeBytes().empty();
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
    // A verify is a dump, so it goes when Dump goes: on a connected port with no transfer running.
    if (QAction* verify = MenuAction(ID_TOOLS_VERIFY))
        verify->setEnabled(m_pSession && m_pSession->IsConnected() && m_pSession->IsIdle() && HasImageToVerify());
    // A transfer reopens its port at each rate change: the device behind it must stay.
    if (QAction* ports = MenuAction(ID_TOOLS_PORTS))
        ports->setEnabled(TransferIdle());
}

void CTavrelDlg::OnVerify()
{
    if (!TransferIdle())
        return;
    if (!HasImageToVerify()) {
        ShowWarning(this, QStringLiteral("Please open file first!"));
        return;
    }
    if (LoadersRefused(LoaderUse::Dump))
        return;
    // Nothing is replaced, so nothing needs saving first.
    if (!m_pSession->StartVerify(Doc().UpgradeBytes()))
        ShowPortError(QStringLiteral("Can't open the port!"));
    StartTransfer();
    m_StatusBar->showMessage(QStringLiteral("Verify: press Read when the receiver is ready."));
}

void CTavrelDlg::FinishVerify()
{
    // The flash was only read to be compared.
    m_pSession->TakeDump();
    CancelTransfer();
    ShowKeptDump();
    const QString kept = m_StatusBar->currentMessage();
    const FlashVerification verification = m_pSession->Verification();
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
