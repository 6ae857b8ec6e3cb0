// The undo history of the image, the user's place across rebuilds of tree
// and list, the record list's filter, and the commands on many programs.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "CodePage.h"
#include "DialogBuilder.h"
#include "ImageChangeCommand.h"
#include "ImageDelta.h"
#include "MainResources.h"
#include "ProgramFlagsDlg.h"
#include "RecordList.h"
#include "UserPrompts.h"

#include <QtGui/QAction>
#include <QtGui/QUndoStack>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTreeWidget>

#include <algorithm>
#include <numeric>

namespace {

// Enough for a session's work, and a bound on memory: a step that rewrites
// the whole directory of a full image holds about 20 KiB.
constexpr int MAX_UNDO_STEPS = 1000;

constexpr uint32_t NO_RECORD = 0xFFFFFFFF;

// The columns the filter searches: a row's number, name and service id.
const QStringList FILTER_HEADINGS = {
    QStringLiteral("SatNO."), QStringLiteral("SatName"), QStringLiteral("TpNO."),
    QStringLiteral("ProgNO."), QStringLiteral("ProgName"), QStringLiteral("ServiceID"),
};

bool IsProgramList(int listType)
{
    return listType == LIST_PROGRAMS || listType == LIST_TP_PROGRAMS;
}

std::span<uint8_t> ImageBytes(ChannelDatabase& db)
{
    return std::span<uint8_t>(db.m_Image, IMAGE_SIZE);
}

int SatelliteOfOffset(const ChannelDatabase& db, uint32_t offset)
{
    for (uint16_t i = 0; i < db.m_nSatCount; ++i) {
        if (EntryOffset(db.m_SatTable[i].entry) == offset)
            return i;
    }
    return -1;
}

// The transponders of a satellite in the order its tree node lists them.
std::vector<TransponderRecord> TranspondersOf(const ChannelDatabase& db, uint16_t satIndex)
{
    std::vector<TransponderRecord> tps(MAX_TREE_SAT_TPS);
    if (satIndex >= db.m_nSatCount)
        return {};
    tps.resize(db.CopySatelliteTransponders(tps, db.m_SatTable[satIndex].satId));
    return tps;
}

} // namespace

QString CTavrelDlg::CountOf(size_t count, const char* noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun)).arg(count == 1 ? "" : "s");
}

void CTavrelDlg::InitEditing()
{
    m_undoStack = new QUndoStack(this);
    m_undoStack->setUndoLimit(MAX_UNDO_STEPS);
    m_ProgramFlagsDlg = std::make_unique<ProgramFlagsDlg>(this);

    QAction* undo = MenuAction(ID_EDIT_UNDO);
    QAction* redo = MenuAction(ID_EDIT_REDO);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo->setShortcuts({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    connect(undo, &QAction::triggered, this, &CTavrelDlg::OnEditUndo);
    connect(redo, &QAction::triggered, this, &CTavrelDlg::OnEditRedo);
    // A transfer may have started or ended since the history last changed.
    if (auto* menu = qobject_cast<QMenu*>(undo->parent()))
        connect(menu, &QMenu::aboutToShow, this, &CTavrelDlg::UpdateEditActions);
    UpdateEditActions();

    QAction* find = MenuAction(ID_EDIT_FIND);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &CTavrelDlg::OnEditFind);
    m_Filter = FindControl<QLineEdit>(m_page, IDC_FILTER);
    m_Filter->setPlaceholderText(QStringLiteral("Find rows by number, name or service id (Ctrl+F)"));
    m_Filter->setClearButtonEnabled(true);
    connect(m_Filter, &QLineEdit::textChanged, this, &CTavrelDlg::OnFilterChanged);
    // Escape empties the filter instead of closing the window; Enter goes to
    // the rows found instead of pressing the window's default button.
    auto* clear = new QAction(m_Filter);
    clear->setShortcut(Qt::Key_Escape);
    clear->setShortcutContext(Qt::WidgetShortcut);
    m_Filter->addAction(clear);
    connect(clear, &QAction::triggered, m_Filter, &QLineEdit::clear);
    auto* toRows = new QAction(m_Filter);
    toRows->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    toRows->setShortcutContext(Qt::WidgetShortcut);
    m_Filter->addAction(toRows);
    connect(toRows, &QAction::triggered, this, [this] { m_List->setFocus(Qt::ShortcutFocusReason); });
}

void CTavrelDlg::StartNewHistory()
{
    m_undoStack->clear();
    UpdateEditActions();
}

bool CTavrelDlg::CanChangeImage() const
{
    // A running transfer reads or writes the image; after a dump cut short
    // the image is no longer the one the history describes.
    return m_state.m_bImageLoaded && TransferIdle();
}

void CTavrelDlg::UpdateEditActions()
{
    const bool allowed = CanChangeImage();
    QAction* undo = MenuAction(ID_EDIT_UNDO);
    QAction* redo = MenuAction(ID_EDIT_REDO);
    undo->setEnabled(allowed && m_undoStack->canUndo());
    redo->setEnabled(allowed && m_undoStack->canRedo());
    undo->setText(m_undoStack->canUndo() ? QStringLiteral("Undo ") + m_undoStack->undoText() : QStringLiteral("Undo"));
    redo->setText(m_undoStack->canRedo() ? QStringLiteral("Redo ") + m_undoStack->redoText() : QStringLiteral("Redo"));
}

bool CTavrelDlg::ApplyImageChange(const QString& description, const std::function<bool()>& change, int listType)
{
    ChannelDatabase& db = m_state.Database();
    const std::vector<uint8_t> before(db.m_Image, db.m_Image + IMAGE_SIZE);
    ViewPlace place = CapturePlace();
    if (!change())
        return false;
    // The list still shows the rows of the tables the change started from.
    std::vector<uint32_t> selectedAfter = SelectedRecords();
    ImageDelta delta = ImageDelta::Between(before, ImageBytes(db));
    if (!delta.IsEmpty()) {
        m_undoStack->push(new ImageChangeCommand(description, std::move(delta), place.selected, selectedAfter,
            [this](const ImageDelta& step, const std::vector<uint32_t>& select) { FlipImage(step, select); }));
        UpdateEditActions();
    }
    place.selected = std::move(selectedAfter);
    ReloadAt(place, listType);
    return true;
}

void CTavrelDlg::FlipImage(const ImageDelta& delta, const std::vector<uint32_t>& select)
{
    ViewPlace place = CapturePlace();
    place.selected = select;
    delta.Flip(ImageBytes(m_state.Database()));
    ReloadAt(place, m_state.m_nListType);
}

void CTavrelDlg::OnEditUndo()
{
    StepHistory(true);
}

void CTavrelDlg::OnEditRedo()
{
    StepHistory(false);
}

void CTavrelDlg::StepHistory(bool back)
{
    if (!CanChangeImage() || !(back ? m_undoStack->canUndo() : m_undoStack->canRedo()))
        return;
    const int index = back ? m_undoStack->index() - 1 : m_undoStack->index();
    const ImageDelta& delta = static_cast<const ImageChangeCommand*>(m_undoStack->command(index))->Delta();
    const std::span<const uint8_t> image = ImageBytes(m_state.Database());
    if (!(back ? delta.IsAfter(image) : delta.IsBefore(image))) {
        ForgetHistory();
        return;
    }
    if (back)
        m_undoStack->undo();
    else
        m_undoStack->redo();
    UpdateEditActions();
}

void CTavrelDlg::ForgetHistory()
{
    // Flipping bytes of an image the step was not taken from would corrupt it.
    StartNewHistory();
    Prompts().Message(this, QStringLiteral("The image has changed outside the undo history. The history was cleared."),
        TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
}

ViewPlace CTavrelDlg::CapturePlace() const
{
    ViewPlace place;
    const ChannelDatabase& db = m_state.Database();
    const std::span<const TreeNode> nodes(m_TreeNodes.data(), m_nTreeNodes);
    for (const TreeNode& node : nodes) {
        if (node.kind == NODE_SAT_ROOT)
            place.satRootExpanded = node.item->isExpanded();
        else if (node.kind == NODE_SATELLITE && node.item->isExpanded() && node.satIndex < db.m_nSatCount)
            place.expandedSatellites.push_back(EntryOffset(db.m_SatTable[node.satIndex].entry));
    }
    const QTreeWidgetItem* current = m_Tree->currentItem();
    const auto choice = current ? ChooseListForItem(nodes, current) : std::nullopt;
    if (choice) {
        const auto node = std::find_if(nodes.begin(), nodes.end(), [current](const TreeNode& n) { return n.item == current; });
        place.node = node->kind;
        if (choice->satIndex && *choice->satIndex < db.m_nSatCount)
            place.satellite = EntryOffset(db.m_SatTable[*choice->satIndex].entry);
        if (choice->satIndex && choice->tpIndex) {
            const std::vector<TransponderRecord> tps = TranspondersOf(db, *choice->satIndex);
            if (*choice->tpIndex < tps.size())
                place.transponder = EntryOffset(tps[*choice->tpIndex].entry);
        }
    }
    place.scrollX = m_List->horizontalScrollBar()->value();
    place.scrollY = m_List->verticalScrollBar()->value();
    place.selected = SelectedRecords();
    return place;
}

void CTavrelDlg::ReloadAt(const ViewPlace& place, int listType)
{
    m_pendingPlace = place;
    const bool shown = ReloadViews(listType);
    m_pendingPlace.reset();
    if (!shown)
        return;
    SelectRecords(place.selected);
    m_List->horizontalScrollBar()->setValue(place.scrollX);
    m_List->verticalScrollBar()->setValue(place.scrollY);
}

int CTavrelDlg::FollowPlace(int listType)
{
    if (!m_pendingPlace)
        return listType;
    const ViewPlace& place = *m_pendingPlace;
    const ChannelDatabase& db = m_state.Database();
    const std::span<const TreeNode> nodes(m_TreeNodes.data(), m_nTreeNodes);
    const auto& expanded = place.expandedSatellites;
    for (const TreeNode& node : nodes) {
        if (node.kind == NODE_SAT_ROOT)
            node.item->setExpanded(place.satRootExpanded);
        else if (node.kind == NODE_SATELLITE && node.satIndex < db.m_nSatCount) {
            const uint32_t offset = EntryOffset(db.m_SatTable[node.satIndex].entry);
            node.item->setExpanded(std::find(expanded.begin(), expanded.end(), offset) != expanded.end());
        }
    }

    // The node itself, or the nearest of its parents that is still there.
    auto nodeWhere = [&nodes](auto match) { return std::find_if(nodes.begin(), nodes.end(), match); };
    auto found = nodes.end();
    if (place.node == NODE_ALL_PROGRAMS || place.node == NODE_SAT_ROOT)
        found = nodeWhere([&place](const TreeNode& n) { return n.kind == place.node; });
    else if (place.node == NODE_SATELLITE || place.node == NODE_TRANSPONDER) {
        const int sat = SatelliteOfOffset(db, place.satellite);
        found = nodeWhere([sat](const TreeNode& n) { return n.kind == NODE_SATELLITE && n.satIndex == sat; });
        if (found != nodes.end() && place.node == NODE_TRANSPONDER) {
            const std::vector<TransponderRecord> tps = TranspondersOf(db, static_cast<uint16_t>(sat));
            for (auto child = found + 1; child != nodes.end() && child->kind == NODE_TRANSPONDER; ++child) {
                if (child->tpIndex < tps.size() && EntryOffset(tps[child->tpIndex].entry) == place.transponder) {
                    found = child;
                    break;
                }
            }
        }
        if (found == nodes.end())
            found = nodeWhere([](const TreeNode& n) { return n.kind == NODE_SAT_ROOT; });
    }
    if (found == nodes.end())
        return listType;

    QTreeWidgetItem* item = found->item;
    {
        const QSignalBlocker quiet(m_Tree);
        m_Tree->setCurrentItem(item);
    }
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    m_Tree->scrollToItem(item);
    const auto choice = ChooseListForItem(nodes, item);
    if (!choice)
        return listType;
    if (choice->satIndex)
        m_nCurSat = *choice->satIndex;
    if (choice->tpIndex)
        m_nCurTp = *choice->tpIndex;
    return choice->listType;
}

uint32_t CTavrelDlg::RecordOfRow(int row) const
{
    const ChannelDatabase& db = m_state.Database();
    const quintptr source = m_List->GetItemData(row);
    switch (m_state.m_nListType) {
    case LIST_SATELLITES:
        return source < db.m_nSatCount ? EntryOffset(db.m_SatTable[source].entry) : NO_RECORD;
    case LIST_TRANSPONDERS:
        return source < db.m_nSatTpCount ? EntryOffset(db.m_SatTpList[source].entry) : NO_RECORD;
    case LIST_PROGRAMS:
    case LIST_TP_PROGRAMS: {
        const ProgramRow program = ProgramOfRow(*m_List, m_state, row);
        return program.record ? EntryOffset(program.record->entry) : NO_RECORD;
    }
    default:
        return NO_RECORD;
    }
}

std::vector<uint32_t> CTavrelDlg::SelectedRecords() const
{
    std::vector<uint32_t> records;
    for (const int row : m_List->GetSelectedRows()) {
        const uint32_t record = RecordOfRow(row);
        if (record != NO_RECORD)
            records.push_back(record);
    }
    return records;
}

void CTavrelDlg::SelectRecords(const std::vector<uint32_t>& records)
{
    if (records.empty())
        return;
    std::vector<uint32_t> wanted = records;
    std::sort(wanted.begin(), wanted.end());
    std::vector<int> rows;
    for (int row = 0; row < m_List->GetItemCount(); ++row) {
        if (std::binary_search(wanted.begin(), wanted.end(), RecordOfRow(row)))
            rows.push_back(row);
    }
    m_List->SelectRows(rows);
    if (!rows.empty())
        m_List->selectionModel()->setCurrentIndex(m_List->model()->index(rows.front(), 0), QItemSelectionModel::NoUpdate);
}

void CTavrelDlg::OnEditFind()
{
    m_Filter->setFocus(Qt::ShortcutFocusReason);
    m_Filter->selectAll();
}

void CTavrelDlg::OnFilterChanged(const QString& text)
{
    m_List->SetRowFilter(text, FILTER_HEADINGS);
}

void CTavrelDlg::PrepareListMenu(QMenu& menu) const
{
    const bool programs = IsProgramList(m_state.m_nListType);
    const bool several = m_List->GetSelectedRows().size() > 1;
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

void CTavrelDlg::OnListCommand(int command)
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

void CTavrelDlg::SetProgramFlags(bool lockFirst)
{
    const int listType = m_state.m_nListType;
    if (!IsProgramList(listType))
        return;
    std::vector<ProgramRow> programs;
    std::vector<const ProgramRecord*> records;
    for (const int row : m_List->GetSelectedRows()) {
        const ProgramRow program = ProgramOfRow(*m_List, m_state, row);
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
    const QString what = favourites && lock ? QStringLiteral("favourites and child lock")
        : favourites                        ? QStringLiteral("favourites")
                                            : QStringLiteral("child lock");
    ChannelDatabase& db = m_state.Database();
    ApplyImageChange(QStringLiteral("set %1 of %2").arg(what, CountOf(programs.size(), "program")), [&] {
        for (const ProgramRow& program : programs) {
            ProgramRecord changed = *program.record;
            m_ProgramFlagsDlg->ApplyTo(changed);
            db.WriteProgramAttribute(changed, program.table == TABLE_RADIO ? 1 : 0);
        }
        return true;
    }, listType);
}

void CTavrelDlg::SortPrograms(bool byName)
{
    const int listType = m_state.m_nListType;
    if (!IsProgramList(listType))
        return;
    std::vector<int> rows = m_List->GetSelectedRows();
    if (rows.size() < 2) {
        rows.resize(static_cast<size_t>(m_List->GetItemCount()));
        std::iota(rows.begin(), rows.end(), 0);
    }
    struct Entry {
        uint16_t source;
        QString name;
        uint16_t serviceId;
    };
    std::vector<Entry> entries;
    for (const int row : rows) {
        const ProgramRow program = ProgramOfRow(*m_List, m_state, row);
        if (!program.record)
            return;
        entries.push_back({ static_cast<uint16_t>(m_List->SourceRow(row)), AnsiToText(program.record->name, 12),
            program.record->serviceId });
    }
    std::vector<Entry> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), [byName](const Entry& a, const Entry& b) {
        return byName ? QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0 : a.serviceId < b.serviceId;
    });
    // The sorted records take the places the chosen rows held; every other
    // row keeps its place.
    std::vector<uint16_t> order(static_cast<size_t>(m_List->GetSourceItemCount()));
    std::iota(order.begin(), order.end(), uint16_t(0));
    bool changed = false;
    for (size_t k = 0; k < entries.size(); ++k) {
        order[entries[k].source] = sorted[k].source;
        changed = changed || entries[k].source != sorted[k].source;
    }
    if (!changed)
        return;
    const QString description
        = QStringLiteral("sort %1 by %2").arg(CountOf(entries.size(), "program"), byName ? "name" : "service id");
    ApplyImageChange(description, [&] { return ApplyRowOrder(listType, order); }, listType);
}
