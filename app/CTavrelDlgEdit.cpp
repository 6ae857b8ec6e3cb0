// The Edit menu over the document's history, the user's place across
// rebuilds of tree and list, the record list's filter, and the commands on
// many programs.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "CodePage.h"
#include "DialogBuilder.h"
#include "ImageDocument.h"
#include "MainResources.h"
#include "PlaceKeeper.h"
#include "ProgramFlagsDlg.h"
#include "RecordList.h"
#include "UserPrompts.h"

#include <QtGui/QAction>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>

#include <algorithm>
#include <numeric>

namespace {

// The columns the filter searches: a row's number, name and service id.
const QStringList FILTER_HEADINGS = {
    QStringLiteral("SatNO."), QStringLiteral("SatName"), QStringLiteral("TpNO."),
    QStringLiteral("ProgNO."), QStringLiteral("ProgName"), QStringLiteral("ServiceID"),
};

bool IsProgramList(int listType)
{
    return listType == LIST_PROGRAMS || listType == LIST_TP_PROGRAMS;
}

} // namespace

QString CTavrelDlg::CountOf(size_t count, const char* noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun)).arg(count == 1 ? "" : "s");
}

void CTavrelDlg::InitEditing()
{
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

bool CTavrelDlg::CanChangeImage() const
{
    // A running transfer reads or writes the image; after a dump cut short
    // the image is no longer the one the history describes.
    return Doc().IsLoaded() && TransferIdle();
}

void CTavrelDlg::UpdateEditActions()
{
    const bool allowed = CanChangeImage();
    QAction* undo = MenuAction(ID_EDIT_UNDO);
    QAction* redo = MenuAction(ID_EDIT_REDO);
    const ImageDocument::Step* undoStep = Doc().UndoStep();
    const ImageDocument::Step* redoStep = Doc().RedoStep();
    undo->setEnabled(allowed && undoStep);
    redo->setEnabled(allowed && redoStep);
    undo->setText(undoStep ? QStringLiteral("Undo ") + QString::fromStdString(undoStep->description)
                           : QStringLiteral("Undo"));
    redo->setText(redoStep ? QStringLiteral("Redo ") + QString::fromStdString(redoStep->description)
                           : QStringLiteral("Redo"));
}

bool CTavrelDlg::ApplyImageChange(const QString& description, const std::function<bool()>& change, int listType)
{
    ViewPlace place = CapturePlace();
    std::vector<uint32_t> selectedAfter;
    const bool applied = Doc().Apply(description.toStdString(), [&](ChannelDatabase&) {
        if (!change())
            return false;
        // The list still shows the rows of the tables the change started from.
        selectedAfter = m_Places->SelectedRecords();
        return true;
    }, place.selected, [&selectedAfter] { return selectedAfter; });
    if (!applied)
        return false;
    UpdateEditActions();
    place.selected = std::move(selectedAfter);
    ReloadAt(place, listType);
    return true;
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
    const ImageDocument::Step* step = back ? Doc().UndoStep() : Doc().RedoStep();
    if (!CanChangeImage() || !step)
        return;
    ViewPlace place = CapturePlace();
    place.selected = back ? step->selectedBefore : step->selectedAfter;
    if ((back ? Doc().Undo() : Doc().Redo()) == ImageDocument::StepResult::Diverged) {
        UpdateEditActions();
        Prompts().Message(this,
            QStringLiteral("The image has changed outside the undo history. The history was cleared."),
            TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    ReloadAt(place, m_state.m_nListType);
    UpdateEditActions();
}

ViewPlace CTavrelDlg::CapturePlace() const
{
    return m_Places->Capture(std::span<const TreeNode>(m_TreeNodes.data(), m_nTreeNodes));
}

void CTavrelDlg::ReloadAt(const ViewPlace& place, int listType)
{
    m_pendingPlace = place;
    const bool shown = ReloadViews(listType);
    m_pendingPlace.reset();
    if (shown)
        m_Places->Restore(place);
}

int CTavrelDlg::FollowPlace(int listType)
{
    if (!m_pendingPlace)
        return listType;
    const auto choice = m_Places->Follow(*m_pendingPlace, std::span<const TreeNode>(m_TreeNodes.data(), m_nTreeNodes));
    if (!choice)
        return listType;
    if (choice->satIndex)
        m_nCurSat = *choice->satIndex;
    if (choice->tpIndex)
        m_nCurTp = *choice->tpIndex;
    return choice->listType;
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
