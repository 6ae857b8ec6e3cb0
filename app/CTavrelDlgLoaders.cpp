// Tools "loader blocks...", and the refusal to send a placeholder to a receiver.
#include "CTavrelDlg.h"

#include "LoaderSet.h"
#include "LoadersDlg.h"
#include "SerialPorts.h"
#include "TransferSession.h"
#include "UserPrompts.h"
#include "cnComm.h"

#include <QtCore/QFile>

void CTavrelDlg::OnLoaderBlocks()
{
    LoadersDlg dialog(InstalledLoaders(), this);
    dialog.exec();
}

bool CTavrelDlg::LoadersRefused(LoaderUse use)
{
    const std::string device = Comm().DevicePathFor(m_pSession->Port());
    const auto refusal = PlaceholderRefusal(use, m_pSession->Xtal(), IsPseudoTerminal(device));
    if (!refusal)
        return false;
    Prompts().Message(this, QFile::decodeName(refusal->c_str()), TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
    return true;
}
