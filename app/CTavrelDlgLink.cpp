// The receiver link's controls: port, crystal, dump, upgrade and cancel.
#include "CTavrelDlg.h"

void CTavrelDlg::InitLink()
{
}

void CTavrelDlg::OnOpenCloseCom()
{
}

void CTavrelDlg::OnPortChange(int)
{
}

void CTavrelDlg::OnXtalChange(int)
{
}

void CTavrelDlg::OnDump()
{
}

void CTavrelDlg::OnUpgrade()
{
}

void CTavrelDlg::OnCancelTransfer()
{
}
