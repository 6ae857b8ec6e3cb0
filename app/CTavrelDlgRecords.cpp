// Editing, deleting and moving records from the record list.
#include "CTavrelDlg.h"

void CTavrelDlg::OnListDblClk(int)
{
}

void CTavrelDlg::OnListRClick(int, const QPoint&)
{
}

void CTavrelDlg::OnDeleteRecords()
{
}

void CTavrelDlg::OnMoveRecords()
{
}

void CTavrelDlg::OnAdvance()
{
}
