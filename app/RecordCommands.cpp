#include "RecordCommands.h"

#include "CDragDropListCtrl.h"
#include "CodePage.h"
#include "DialogBuilder.h"
#include "ImageDocument.h"
#include "ImageEdit.h"
#include "MainResources.h"
#include "ProgEditDlg.h"
#include "ProgramFlagsDlg.h"
#include "RecordList.h"
#include "RowMover.h"
#include "SatEditDlg.h"
#include "TpEditDlg.h"
#include "UserPrompts.h"
#include "ViewState.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include <algorithm>
#include <numeric>

namespace {

bool IsProgramList(int listType)
{
    return listType == LIST_PROGRAMS || listType == LIST_TP_PROGRAMS;
}

} // namespace

RecordCommands::RecordCommands(Host& host, CDragDropListCtrl& list, QWidget& window)
    : QObject(&window)
    , m_host(host)
    , m_window(window)
    , m_document(host.Document())
    , m_view(host.View())
    , m_List(list)
    , m_SatEditDlg(std::make_unique<SatEditDlg>(&window))
    , m_TpEditDlg(std::make_unique<TpEditDlg>(m_document.Database(), &window))
    , m_ProgEditDlg(std::make_unique<ProgEditDlg>(m_document.Database(), &window))
    , m_ProgramFlagsDlg(std::make_unique<ProgramFlagsDlg>(&window))
{
    connect(&m_List, &CReportListCtrl::rowDoubleClicked, this, &RecordCommands::OnListDblClk);
    connect(&m_List, &CReportListCtrl::rowRightClicked, this, &RecordCommands::OnListRClick);
    connect(&m_List, &CDragDropListCtrl::moveRequested, this, &RecordCommands::MoveSelectedRows);
    auto* deleteKey = new QAction(&m_List);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    m_List.addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, [this] {
        if (m_List.GetNextSelected() >= 0)
            OnDeleteRecords();
    });
}

RecordCommands::~RecordCommands() = default;

// The Edit menu shows a step as "Undo %1": each step is a whole phrase, its
// count a plural form.
QString RecordCommands::DeleteStep(int listType, size_t count)
{
    const int n = static_cast<int>(count);
    switch (listType) {
    case LIST_SATELLITES:
        return tr("delete %n satellite(s)", "undo step", n);
    case LIST_TRANSPONDERS:
        return tr("delete %n transponder(s)", "undo step", n);
    default:
        return tr("delete %n program(s)", "undo step", n);
    }
}

QString RecordCommands::MoveStep(int listType, size_t count)
{
    const int n = static_cast<int>(count);
    switch (listType) {
    case LIST_SATELLITES:
        return tr("move %n satellite(s)", "undo step", n);
    case LIST_TRANSPONDERS:
        return tr("move %n transponder(s)", "undo step", n);
    default:
        return tr("move %n program(s)", "undo step", n);
    }
}

void RecordCommands::OnListDblClk(int)
{
    const int row = m_List.GetNextSelected();
    if (row < 0)
        return;
    const uint16_t source = static_cast<uint16_t>(m_List.SourceRow(row));
    const ChannelDatabase& db = m_document.Database();
    switch (m_view.listType) {
    case LIST_SATELLITES: {
        if (source >= db.m_nSatCount)
            return;
        //: An undo step; %1 is the satellite's name.
        const QString description = tr("edit satellite %1", "undo step").arg(AnsiToText(db.m_SatTable[source].name, NAME_BYTES));
        if (const auto sat = m_SatEditDlg->Edit(db.m_SatTable[source], source))
            Apply(description, ImageEdit::WriteSatellite(*sat));
        return;
    }
    case LIST_TRANSPONDERS: {
        if (source >= db.m_nSatTpCount)
            return;
        //: An undo step; %1 is the transponder's frequency in MHz.
        const QString description = tr("edit transponder %1", "undo step").arg(db.m_SatTpList[source].frequency);
        if (const auto tp = m_TpEditDlg->Edit(db.m_SatTpList[source]))
            Apply(description, ImageEdit::WriteTransponder(*tp));
        return;
    }
    case LIST_PROGRAMS:
    case LIST_TP_PROGRAMS: {
        const ProgramRow program = ProgramAt(row);
        if (!program.record)
            return;
        //: An undo step; %1 is the program's name.
        const QString description = tr("edit program %1", "undo step").arg(AnsiToText(program.record->name, NAME_BYTES));
        // The table that holds the program's entry, which for a TV-table
        // record without video PID is not the table of the tab it shows under.
        if (const auto prog = m_ProgEditDlg->Edit(*program.record, source, m_view.advancedMode))
            Apply(description, ImageEdit::WriteProgram(program.table, *prog));
        return;
    }
    default:
        ShowWarning(&m_window, tr("The list type is not right!"));
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
        return { REORDER_SATELLITES, QT_TRANSLATE_NOOP("RecordCommands", "Move sat index is wrong!") };
    case LIST_TRANSPONDERS:
        return { REORDER_SAT_TPS, QT_TRANSLATE_NOOP("RecordCommands", "Move TP index is wrong!") };
    case LIST_PROGRAMS:
        return radio ? MoveKind { REORDER_RADIO, QT_TRANSLATE_NOOP("RecordCommands", "Move Radio index is wrong!") }
                     : MoveKind { REORDER_TV, QT_TRANSLATE_NOOP("RecordCommands", "Move Tv index is wrong!") };
    default:
        return radio ? MoveKind { REORDER_TP_RADIO, QT_TRANSLATE_NOOP("RecordCommands", "Move radio under tp index is wrong!") }
                     : MoveKind { REORDER_TP_TV, QT_TRANSLATE_NOOP("RecordCommands", "Move tv under tp index is wrong!") };
    }
}

bool IsRecordList(int listType)
{
    return listType == LIST_SATELLITES || listType == LIST_TRANSPONDERS || listType == LIST_PROGRAMS
        || listType == LIST_TP_PROGRAMS;
}

} // namespace

void RecordCommands::OnListRClick(int row, const QPoint& globalPos)
{
    if (row < 0)
        return;
    const std::unique_ptr<QMenu> menu(BuildPopupMenu(ListMenuTemplate(), &m_window));
    PrepareListMenu(*menu);
    const QAction* chosen = menu->exec(globalPos);
    // The command runs once the menu is gone, as a posted command would.
    if (chosen)
        OnListCommand(chosen->data().toInt());
}

void RecordCommands::OnDeleteRecords()
{
    const PromptAnswer answer = Prompts().Message(
        &m_window, tr("Are you sure to delete!"), TITLE_INFO, PromptIcon::None, PromptButtons::YesNo);
    if (answer != PromptAnswer::Yes)
        return;

    const int listType = m_view.listType;
    if (!IsRecordList(listType)) {
        ShowWarning(&m_window, tr("Error!"));
        return;
    }
    std::vector<RecordKey> records;
    for (const int row : m_List.GetSelectedRows()) {
        const uint32_t offset = RecordOf(m_List.GetItemData(row));
        if (offset == NO_RECORD)
            continue;
        if (listType == LIST_SATELLITES)
            records.push_back({ TABLE_SATELLITES, offset });
        else if (listType == LIST_TRANSPONDERS)
            records.push_back({ TABLE_TRANSPONDERS, offset });
        else
            records.push_back({ ProgramAt(row).table, offset });
    }
    const size_t count = m_List.GetSelectedRows().size();
    Apply(DeleteStep(listType, count), ImageEdit::Delete(std::move(records)));
}

void RecordCommands::OnMoveRecords()
{
    // All rows count, also those a filter hides: the order is the new order
    // of the whole list.
    const int count = m_List.GetSourceItemCount();
    if (count == 0)
        return;
    std::vector<uint32_t> order;
    order.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        order.push_back(RecordOf(m_List.GetSourceItemData(row)));
    const int listType = m_view.listType;
    const std::vector<uint32_t> moved = SelectedRecords();
    ApplyOrder(MoveStep(listType, moved.size()), std::move(order), moved);
}

uint32_t RecordCommands::RecordOf(quintptr data) const
{
    return RecordOfItem(m_document.Database(), m_view, data);
}

ProgramRow RecordCommands::ProgramAt(int row) const
{
    return ProgramOfRow(m_List, m_document.Database(), m_view, row);
}

std::vector<uint32_t> RecordCommands::SelectedRecords() const
{
    std::vector<uint32_t> records;
    for (const int row : m_List.GetSelectedRows())
        records.push_back(RecordOf(m_List.GetItemData(row)));
    return records;
}

bool RecordCommands::Apply(const QString& description, const ImageEdit& edit)
{
    return m_document.Apply(description.toStdString(), edit);
}

void RecordCommands::ApplyOrder(const QString& description, std::vector<uint32_t> order, std::vector<uint32_t> moved)
{
    const ListKey list = m_view.ShownList(m_document.Database());
    if (!Apply(description, ImageEdit::Reorder(list, std::move(order), std::move(moved))))
        ShowWarning(&m_window, tr(MoveKindFor(list.listType, list.serviceTab).refusal));
}

void RecordCommands::PrepareListMenu(QMenu& menu) const
{
    const bool programs = IsProgramList(m_view.listType);
    const bool several = m_List.GetSelectedRows().size() > 1;
    for (QAction* action : menu.actions()) {
        switch (action->data().toInt()) {
        case ID_LIST_SET_FAVORITES:
        case ID_LIST_SET_CHILD_LOCK:
            action->setVisible(programs && several);
            break;
        case ID_LIST_SORT_BY_NAME:
        case ID_LIST_SORT_BY_SERVICE_ID:
            action->setVisible(programs);
            break;
        default:
            break;
        }
    }
}

void RecordCommands::OnListCommand(int command)
{
    switch (command) {
    case ID_LIST_DELETE:
        OnDeleteRecords();
        break;
    case ID_LIST_MOVE_TO:
        OnMoveToPosition();
        break;
    case ID_LIST_SET_FAVORITES:
    case ID_LIST_SET_CHILD_LOCK:
        SetProgramFlags(command == ID_LIST_SET_CHILD_LOCK);
        break;
    case ID_LIST_SORT_BY_NAME:
    case ID_LIST_SORT_BY_SERVICE_ID:
        SortPrograms(command == ID_LIST_SORT_BY_NAME);
        break;
    default:
        break;
    }
}

void RecordCommands::SetProgramFlags(bool lockFirst)
{
    const int listType = m_view.listType;
    if (!IsProgramList(listType))
        return;
    std::vector<ProgramRow> programs;
    std::vector<const ProgramRecord*> records;
    for (const int row : m_List.GetSelectedRows()) {
        const ProgramRow program = ProgramAt(row);
        if (program.record) {
            programs.push_back(program);
            records.push_back(program.record);
        }
    }
    if (programs.size() < 2)
        return;
    m_ProgramFlagsDlg->SetPrograms(records, lockFirst ? ProgramFlagsDlg::Focus::ChildLock : ProgramFlagsDlg::Focus::Favourites);
    if (m_ProgramFlagsDlg->DoModal() != QDialog::Accepted)
        return;
    const bool favourites = m_ProgramFlagsDlg->ChangesFavourites();
    const bool lock = m_ProgramFlagsDlg->ChangesChildLock();
    if (!favourites && !lock)
        return;
    const int count = static_cast<int>(programs.size());
    const QString description = favourites && lock ? tr("set favourites and child lock of %n program(s)", "undo step", count)
        : favourites                               ? tr("set favourites of %n program(s)", "undo step", count)
                                                   : tr("set child lock of %n program(s)", "undo step", count);
    std::vector<std::pair<int, ProgramRecord>> changed;
    for (const ProgramRow& program : programs) {
        changed.emplace_back(program.table, *program.record);
        m_ProgramFlagsDlg->ApplyTo(changed.back().second);
    }
    Apply(description, ImageEdit::WriteProgramFlags(std::move(changed)));
}

void RecordCommands::SortPrograms(bool byName)
{
    const int listType = m_view.listType;
    if (!IsProgramList(listType))
        return;
    std::vector<int> rows = m_List.GetSelectedRows();
    if (rows.size() < 2) {
        rows.resize(static_cast<size_t>(m_List.GetItemCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    struct Entry {
        uint16_t source;
        QString name;
        uint16_t serviceId;
    };
    std::vector<Entry> entries;
    for (const int row : rows) {
        const ProgramRow program = ProgramAt(row);
        if (!program.record)
            return;
        entries.push_back({ static_cast<uint16_t>(m_List.SourceRow(row)), AnsiToText(program.record->name, NAME_BYTES),
            program.record->serviceId });
    }
    std::vector<Entry> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), [byName](const Entry& a, const Entry& b) {
        return byName ? QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0 : a.serviceId < b.serviceId;
    });
    // The sorted records take the places the chosen rows held; every other
    // row keeps its place.
    std::vector<uint16_t> order(static_cast<size_t>(m_List.GetSourceItemCount()));
    std::iota(order.begin(), order.end(), uint16_t(0));
    bool changed = false;
    for (size_t k = 0; k < entries.size(); ++k) {
        order[entries[k].source] = sorted[k].source;
        changed = changed || entries[k].source != sorted[k].source;
    }
    if (!changed)
        return;
    std::vector<uint32_t> records;
    for (const uint16_t source : order)
        records.push_back(RecordOf(m_List.GetSourceItemData(source)));
    const int count = static_cast<int>(entries.size());
    ApplyOrder(byName ? tr("sort %n program(s) by name", "undo step", count)
                      : tr("sort %n program(s) by service id", "undo step", count),
        std::move(records), SelectedRecords());
}

void RecordCommands::RevealSelection()
{
    const int row = m_List.GetNextSelected();
    if (row >= 0)
        m_List.scrollTo(m_List.model()->index(row, 0));
}

void RecordCommands::OnMoveToPosition()
{
    const int count = m_List.GetItemCount();
    const int first = m_List.GetNextSelected();
    if (first < 0 || !m_host.CanChangeImage())
        return;
    const std::optional<int> position = Prompts().Number(&m_window,
        tr("Move the selected rows to position (1 to %1):").arg(count), TITLE_PROGRAM, 1, count,
        first + 1);
    if (position)
        MoveSelectedRows(*position);
}

void RecordCommands::MoveSelectedRows(int position)
{
    if (!m_host.CanChangeImage() || !m_List.MoveSelectedTo(position))
        return;
    OnMoveRecords();
    RevealSelection();
}

void RecordCommands::MoveRecordsAfter(const std::vector<uint32_t>& records, int dropRow)
{
    if (!m_host.CanChangeImage())
        return;
    const int count = m_List.GetSourceItemCount();
    std::vector<uint32_t> listed;
    for (int row = 0; row < count; ++row)
        listed.push_back(RecordOf(m_List.GetSourceItemData(row)));
    std::vector<int> dragged;
    std::vector<uint32_t> moved;
    for (const uint32_t record : records) {
        const auto at = std::find(listed.begin(), listed.end(), record);
        if (at == listed.end() || std::find(moved.begin(), moved.end(), record) != moved.end())
            continue;
        dragged.push_back(static_cast<int>(at - listed.begin()));
        moved.push_back(record);
    }
    if (dragged.empty())
        return;
    // While a filter hides rows, they land right after the drop row's place among all rows.
    const int drop = dropRow < 0 ? -1 : dropRow >= m_List.GetItemCount() ? count : m_List.SourceRow(dropRow);
    std::vector<uint32_t> order;
    for (const int row : MoveRows(count, dragged, drop))
        order.push_back(listed[static_cast<size_t>(row)]);
    const QString description = MoveStep(m_view.listType, moved.size());
    ApplyOrder(description, std::move(order), std::move(moved));
}
