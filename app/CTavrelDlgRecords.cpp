// Editing, deleting and moving records from the record list.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "DialogBuilder.h"
#include "MainResources.h"
#include "PassWord.h"
#include "ProgEditDlg.h"
#include "RecordList.h"
#include "SatEditDlg.h"
#include "TpEditDlg.h"
#include "UserPrompts.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include <memory>
#include <vector>

void CTavrelDlg::OnListDblClk(int)
{
    m_state.m_bRecordEdited = 0;
    const int row = m_List->GetNextSelected();
    if (row < 0)
        return;
    m_state.m_nCurRow = static_cast<uint16_t>(row);
    switch (m_state.m_nListType) {
    case LIST_SATELLITES:
        m_SatEditDlg->DoModal();
        break;
    case LIST_TRANSPONDERS:
        m_TpEditDlg->DoModal();
        break;
    case LIST_PROGRAMS:
    case LIST_TP_PROGRAMS:
        m_ProgEditDlg->SetSource(ProgramOfRow(*m_List, m_state, row));
        m_ProgEditDlg->DoModal();
        break;
    default:
        ShowWarning(this, QStringLiteral("The list type is not right!"));
        return;
    }
    if (m_state.m_bRecordEdited)
        ReloadViews(m_state.m_nListType);
    m_state.m_bRecordEdited = 0;
}

namespace {

struct MoveKind {
    int kind;
    const char* refusal;
};

MoveKind MoveKindFor(int listType, int serviceTab)
{
    const bool radio = serviceTab != 0;
    switch (listType) {
    case LIST_SATELLITES:
        return { REORDER_SATELLITES, "Move sat index is wrong!" };
    case LIST_TRANSPONDERS:
        return { REORDER_SAT_TPS, "Move TP index is wrong!" };
    case LIST_PROGRAMS:
        return radio ? MoveKind { REORDER_RADIO, "Move Radio index is wrong!" }
                     : MoveKind { REORDER_TV, "Move Tv index is wrong!" };
    default:
        return radio ? MoveKind { REORDER_TP_RADIO, "Move radio under tp index is wrong!" }
                     : MoveKind { REORDER_TP_TV, "Move tv under tp index is wrong!" };
    }
}

bool IsRecordList(int listType)
{
    return listType == LIST_SATELLITES || listType == LIST_TRANSPONDERS || listType == LIST_PROGRAMS
        || listType == LIST_TP_PROGRAMS;
}

// The record a row stands for, from the number the row was filled with.
// Anything but a row number gives 0xFFFF, which no move accepts.
uint16_t RecordOfRowNumber(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > 0xFFFF)
        return 0xFFFF;
    return static_cast<uint16_t>(number - 1);
}

} // namespace

void CTavrelDlg::OnListRClick(int row, const QPoint& globalPos)
{
    if (row < 0)
        return;
    const std::unique_ptr<QMenu> menu(BuildPopupMenu(ListMenuTemplate(), this));
    const QAction* chosen = menu->exec(globalPos);
    const int first = m_List->GetNextSelected();
    if (first >= 0)
        m_state.m_nCurRow = static_cast<uint16_t>(first);
    // The command runs once the menu is gone, as a posted command would.
    if (chosen && chosen->data().toInt() == ID_LIST_DELETE)
        OnDeleteRecords();
}

void CTavrelDlg::OnDeleteRecords()
{
    const PromptAnswer answer = Prompts().Message(
        this, QStringLiteral("Are you sure to delete!"), TITLE_INFO, PromptIcon::None, PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes)
        return;

    std::vector<uint16_t> rows;
    for (const int row : m_List->GetSelectedRows())
        rows.push_back(static_cast<uint16_t>(row));

    const int listType = m_state.m_nListType;
    ChannelDatabase& db = m_state.Database();
    switch (listType) {
    case LIST_SATELLITES:
        db.DeleteSatellites(rows);
        break;
    case LIST_TRANSPONDERS:
        db.DeleteTransponders(rows);
        break;
    case LIST_PROGRAMS:
    case LIST_TP_PROGRAMS:
        db.DeletePrograms(rows, listType, m_state.m_nServiceTab);
        break;
    default:
        ShowWarning(this, QStringLiteral("Error!"));
        return;
    }
    ReloadViews(listType);
}

void CTavrelDlg::OnMoveRecords()
{
    const int count = m_List->GetItemCount();
    if (count == 0)
        return;
    const int listType = m_state.m_nListType;
    if (IsRecordList(listType)) {
        std::vector<uint16_t> order;
        order.reserve(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row)
            order.push_back(RecordOfRowNumber(m_List->GetItemText(row, 0)));
        const MoveKind move = MoveKindFor(listType, m_state.m_nServiceTab);
        if (!m_state.Database().ReorderRecords(move.kind, order)) {
            ShowWarning(this, QString::fromLatin1(move.refusal));
            return;
        }
    }
    // The rebuilt list shows the rows in the order they were dropped in, so
    // the moved rows stay marked where the user put them.
    const std::vector<int> moved = m_List->GetSelectedRows();
    if (!ReloadViews(listType) || m_List->GetItemCount() != count)
        return;
    m_List->SelectRows(moved);
}

void CTavrelDlg::OnAdvance()
{
    m_PassWordDlg->DoModal();
}
