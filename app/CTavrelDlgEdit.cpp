// The Edit menu over the document's history, the user's place across
// rebuilds of tree and list, showing a given record, and the record list's filter.
#include "CTavrelDlg.h"

#include "DialogBuilder.h"
#include "ImageDocument.h"
#include "MainResources.h"
#include "PlaceKeeper.h"
#include "RecordCommands.h"
#include "UserPrompts.h"

#include <QtGui/QAction>
#include <QtWidgets/QLineEdit>
#include <QtCore/QCoreApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabBar>

namespace {

// The columns the filter searches: a row's number, name and service id,
// by their headings in the language the list shows them.
QStringList FilterHeadings()
{
    QStringList headings;
    for (const char* heading : { "SatNO.", "SatName", "TpNO.", "ProgNO.", "ProgName", "ServiceID" })
        headings << QCoreApplication::translate("RecordList", heading);
    return headings;
}

} // namespace

void CTavrelDlg::InitEditing()
{
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
    m_Filter->setPlaceholderText(tr("Find rows by number, name or service id (Ctrl+F)"));
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
    return m_document.IsLoaded() && m_Transfer->IsIdle();
}

void CTavrelDlg::UpdateEditActions()
{
    const bool allowed = CanChangeImage();
    QAction* undo = MenuAction(ID_EDIT_UNDO);
    QAction* redo = MenuAction(ID_EDIT_REDO);
    const ImageDocument::Step* undoStep = m_document.UndoStep();
    const ImageDocument::Step* redoStep = m_document.RedoStep();
    undo->setEnabled(allowed && undoStep);
    redo->setEnabled(allowed && redoStep);
    //: %1 is what the step did, such as "delete 2 programs".
    undo->setText(undoStep ? tr("Undo %1").arg(QString::fromStdString(undoStep->description)) : tr("Undo"));
    //: %1 is what the step did, such as "delete 2 programs".
    redo->setText(redoStep ? tr("Redo %1").arg(QString::fromStdString(redoStep->description)) : tr("Redo"));
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
    if (CanChangeImage())
        back ? m_document.Undo() : m_document.Redo();
}

void CTavrelDlg::OnImageAboutToChange()
{
    m_placeBefore = CapturePlace();
}

void CTavrelDlg::OnImageChanged(const ImageDocument::Change& change)
{
    std::optional<ViewPlace> place;
    place.swap(m_placeBefore);
    switch (change.kind) {
    case ImageDocument::Change::Kind::Unloaded:
        ClearViews();
        return;
    case ImageDocument::Change::Kind::Replaced:
        if (m_document.IsDecoded()) {
            ShowImage(nullptr, LIST_PROGRAMS);
            return;
        }
        // Nothing shown may stand for bytes that are gone; the raw flash can still be saved.
        ShowWarning(this, tr("The bin file is not right!"));
        ClearViews();
        return;
    case ImageDocument::Change::Kind::Edited:
        break;
    }
    if (!place)
        place = CapturePlace();
    // The records the change touched are selected, where the list shows them.
    if (!change.records.empty())
        place->selected = change.records;
    ShowImage(&*place, m_view.listType);
}

ViewPlace CTavrelDlg::CapturePlace() const
{
    return m_Places->Capture(std::span<const TreeNode>(m_TreeNodes.data(), m_nTreeNodes));
}

void CTavrelDlg::ShowImage(const ViewPlace* place, int listType)
{
    RefreshCounters();
    FillTree();
    FillList(place ? FollowPlace(*place, listType) : listType);
    if (place)
        m_Places->Restore(*place);
}

int CTavrelDlg::FollowPlace(const ViewPlace& place, int listType)
{
    const auto choice = m_Places->Follow(place, std::span<const TreeNode>(m_TreeNodes.data(), m_nTreeNodes));
    if (!choice)
        return listType;
    if (choice->satIndex)
        m_view.satellite = *choice->satIndex;
    if (choice->tpIndex)
        m_view.transponder = *choice->tpIndex;
    return choice->listType;
}

void CTavrelDlg::OnEditFind()
{
    m_Filter->setFocus(Qt::ShortcutFocusReason);
    m_Filter->selectAll();
}

void CTavrelDlg::OnFilterChanged(const QString& text)
{
    m_List->SetRowFilter(text, FilterHeadings());
}

void CTavrelDlg::ShowRecord(int table, int position)
{
    const ChannelDatabase& db = m_document.Database();
    ViewPlace place = CapturePlace();
    place.scrollX = 0;
    place.scrollY = 0;
    int listType = LIST_SATELLITES;
    const auto index = static_cast<uint16_t>(position);
    if (table == TABLE_SATELLITES && index < db.m_nSatCount) {
        place.node = NODE_SAT_ROOT;
        place.selected = { EntryOffset(db.m_SatTable[index].entry) };
    } else if (table == TABLE_TRANSPONDERS && index < db.m_nTpCount) {
        const TransponderRecord& tp = db.m_TpTable[index];
        const uint16_t sat = db.FindSatellitePosition(tp.satId);
        if (sat >= db.m_nSatCount) {
            Prompts().Message(this, tr("The transponder belongs to no satellite, so no list shows it."),
                TITLE_PROGRAM, PromptIcon::Information, PromptButtons::Ok);
            return;
        }
        place.node = NODE_SATELLITE;
        place.satellite = EntryOffset(db.m_SatTable[sat].entry);
        place.selected = { EntryOffset(tp.entry) };
        listType = LIST_TRANSPONDERS;
    } else if ((table == TABLE_TV && index < db.m_nTvCount) || (table == TABLE_RADIO && index < db.m_nRadioCount)) {
        const ProgramRecord& prog = table == TABLE_TV ? db.m_TvTable[index] : db.m_RadioTable[index];
        // The tabs follow the video PID, not the table.
        m_Tab->setCurrentIndex(prog.videoPid == 0 ? 1 : 0);
        place.node = NODE_ALL_PROGRAMS;
        place.selected = { EntryOffset(prog.entry) };
        listType = LIST_PROGRAMS;
    } else {
        return;
    }
    // A filter could hide the record.
    m_Filter->clear();
    ShowImage(&place, listType);
    m_Records->RevealSelection();
}
