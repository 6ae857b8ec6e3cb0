// Tools "loader blocks...", and the refusal to send a placeholder to a receiver.
#include "CTavrelDlg.h"

#include "LinkState.h"
#include "LoaderSet.h"
#include "LoadersDlg.h"
#include "SerialPorts.h"
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
    const std::string device = Comm().DevicePathFor(Link().m_nPort);
    const auto refusal = PlaceholderRefusal(use, Link().m_nXtal, IsPseudoTerminal(device));
    if (!refusal)
        return false;
    Prompts().Message(this, QFile::decodeName(refusal->c_str()), TITLE_ERROR, PromptIcon::Warning, PromptButtons::Ok);
    return true;
}
