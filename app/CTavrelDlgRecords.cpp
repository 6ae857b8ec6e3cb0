// Editing, deleting and moving records from the record list.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "CodePage.h"
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

namespace {

const char* NounOf(int listType)
{
    switch (listType) {
    case LIST_SATELLITES:
        return "satellite";
    case LIST_TRANSPONDERS:
        return "transponder";
    default:
        return "program";
    }
}

} // namespace

void CTavrelDlg::OnListDblClk(int)
{
    const int row = m_List->GetNextSelected();
    if (row < 0)
        return;
    const uint16_t source = static_cast<uint16_t>(m_List->SourceRow(row));
    const int listType = m_state.m_nListType;
    ChannelDatabase& db = m_state.Database();
    switch (listType) {
    case LIST_SATELLITES: {
        if (source >= db.m_nSatCount)
            return;
        const QString description = QStringLiteral("edit satellite ") + AnsiToText(db.m_SatTable[source].name, 12);
        if (const auto sat = m_SatEditDlg->Edit(db.m_SatTable[source], source)) {
            ApplyImageChange(description, [&db, &sat, source] {
                db.m_SatTable[source] = *sat;
                db.WriteSatellite(*sat);
                return true;
            }, listType);
        }
        return;
    }
    case LIST_TRANSPONDERS: {
        if (source >= db.m_nSatTpCount)
            return;
        const QString description = QStringLiteral("edit transponder %1").arg(db.m_SatTpList[source].frequency);
        if (const auto tp = m_TpEditDlg->Edit(db.m_SatTpList[source])) {
            ApplyImageChange(description, [&db, &tp, source] {
                db.m_SatTpList[source] = *tp;
                db.WriteTransponder(*tp);
                return true;
            }, listType);
        }
        return;
    }
    case LIST_PROGRAMS:
    case LIST_TP_PROGRAMS: {
        const ProgramRow program = ProgramOfRow(*m_List, m_state, row);
        if (!program.record)
            return;
        const QString description = QStringLiteral("edit program ") + AnsiToText(program.record->name, 12);
        if (const auto prog = m_ProgEditDlg->Edit(*program.record, source)) {
            // The table that holds the program's entry, which for a TV-table
            // record without video PID is not the table of the tab it shows under.
            const int radio = program.table == TABLE_RADIO ? 1 : 0;
            ApplyImageChange(description, [&db, &prog, radio] {
                db.WriteProgram(*prog, radio);
                return true;
            }, listType);
        }
        return;
    }
    default:
        ShowWarning(this, QStringLiteral("The list type is not right!"));
        return;
    }
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
    PrepareListMenu(*menu);
    const QAction* chosen = menu->exec(globalPos);
    // The command runs once the menu is gone, as a posted command would.
    if (chosen)
        OnListCommand(chosen->data().toInt());
}

void CTavrelDlg::OnDeleteRecords()
{
    const PromptAnswer answer = Prompts().Message(
        this, QStringLiteral("Are you sure to delete!"), TITLE_INFO, PromptIcon::None, PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes)
        return;

    std::vector<uint16_t> rows;
    for (const int row : m_List->GetSelectedRows())
        rows.push_back(static_cast<uint16_t>(m_List->SourceRow(row)));

    const int listType = m_state.m_nListType;
    if (!IsRecordList(listType)) {
        ShowWarning(this, QStringLiteral("Error!"));
        return;
    }
    ChannelDatabase& db = m_state.Database();
    const int serviceTab = m_state.m_nServiceTab;
    ApplyImageChange(QStringLiteral("delete ") + CountOf(rows.size(), NounOf(listType)), [&] {
        if (listType == LIST_SATELLITES)
            db.DeleteSatellites(rows);
        else if (listType == LIST_TRANSPONDERS)
            db.DeleteTransponders(rows);
        else
            db.DeletePrograms(rows, listType, serviceTab);
        return true;
    }, listType);
}

void CTavrelDlg::OnMoveRecords()
{
    // All rows count, also those a filter hides: the order is the new order
    // of the whole list.
    const int count = m_List->GetSourceItemCount();
    if (count == 0)
        return;
    const int listType = m_state.m_nListType;
    const size_t moved = m_List->GetSelectedRows().size();
    ApplyImageChange(QStringLiteral("move ") + CountOf(moved, NounOf(listType)), [&] {
        if (!IsRecordList(listType))
            return true;
        std::vector<uint16_t> order;
        order.reserve(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row)
            order.push_back(RecordOfRowNumber(m_List->GetSourceItemText(row, 0)));
        return ApplyRowOrder(listType, order);
    }, listType);
}

bool CTavrelDlg::ApplyRowOrder(int listType, const std::vector<uint16_t>& order)
{
    const MoveKind move = MoveKindFor(listType, m_state.m_nServiceTab);
    if (!m_state.Database().ReorderRecords(move.kind, order)) {
        ShowWarning(this, QString::fromLatin1(move.refusal));
        return false;
    }
    return true;
}

void CTavrelDlg::OnAdvance()
{
    m_PassWordDlg->DoModal();
}
