#include "ReferenceCommands.h"

#include "AppState.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "DocumentSignals.h"
#include "ImageDocument.h"
#include "RecordCommands.h"
#include "ReferenceListWnd.h"
#include "ReferencePreviewDlg.h"
#include "TransferControl.h"
#include "UserPrompts.h"

#include <QtGui/QScreen>

#include <algorithm>

namespace {

// The reference window's width beside the main window, and the least it is
// made when the screen has less room.
constexpr int LIST_WIDTH = 380;
constexpr int MIN_LIST_WIDTH = 200;

} // namespace

ReferenceCommands::ReferenceCommands(CTavrelDlg& window)
    : QObject(&window)
    , m_window(window)
{
    connect(&window.Signals(), &DocumentSignals::imageChanged, this, &ReferenceCommands::Replan);
    window.RecordList()->AcceptDropsOf(ReferenceListWnd::MIME_TYPE);
    connect(window.RecordList(), &CDragDropListCtrl::dataDropped, this, &ReferenceCommands::OnRowsDropped);
}

ReferenceCommands::~ReferenceCommands()
{
    delete m_ListWindow;
}

void ReferenceCommands::OnApplyReferenceList()
{
    Preview(QString());
}

void ReferenceCommands::PreviewFile(const QString& path)
{
    Preview(path);
}

void ReferenceCommands::OnViewReferenceList()
{
    if (m_List)
        ShowListWindow();
    else
        Preview(QString());
}

void ReferenceCommands::Preview(const QString& path)
{
    if (!m_window.Transfer().IsIdle())
        return;
    const ImageDocument& document = m_window.State().Document();
    if (!document.IsDecoded()) {
        ShowWarning(&m_window, document.IsLoaded() ? tr("The bin file is not right!")
                                                   : tr("Please open file or dump first!"));
        return;
    }
    ReferencePreviewDlg dialog(document, m_window.Transfer().Session()->Archive().List(), &m_window);
    if (!path.isEmpty())
        dialog.ChooseFile(path);
    if (dialog.exec() != QDialog::Accepted || !dialog.Plan())
        return;
    const ImageEdit edit = ImageEdit::Import(dialog.Plan()->changes);
    m_Options = dialog.Options();
    m_Name = dialog.SourceName();
    m_List = dialog.TakeList();
    m_Plan.reset();
    // An edit plans the reference anew as the views follow it.
    if (dialog.Chosen() == ReferencePreviewDlg::Choice::Apply
        && !m_window.State().Document().Apply(tr("Apply reference list %1").arg(m_Name).toStdString(), edit))
        ShowWarning(&m_window, tr("The reference list could not be applied; nothing changed."));
    if (!m_Plan)
        Replan();
    if (dialog.Chosen() == ReferencePreviewDlg::Choice::Show)
        ShowListWindow();
}

void ReferenceCommands::Replan()
{
    const ImageDocument& document = m_window.State().Document();
    if (!m_List || !document.IsDecoded()) {
        m_Plan.reset();
        if (m_ListWindow)
            m_ListWindow->close();
        return;
    }
    m_Plan = std::make_unique<ReferencePlan>(PlanReference(document.Database(), *m_List, m_Options, AnsiCodePageText()));
    if (m_ListWindow)
        m_ListWindow->Fill(*m_List, *m_Plan, m_Name);
}

void ReferenceCommands::ShowListWindow()
{
    if (!m_Plan)
        return;
    if (!m_ListWindow) {
        m_ListWindow = new ReferenceListWnd(&m_window);
        m_ListWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_ListWindow, &ReferenceListWnd::programChosen, &m_window, &CTavrelDlg::ShowRecord);
        // Beside the main window, which keeps its size and place: on the
        // side with more room, as wide as that room allows.
        const QRect main = m_window.frameGeometry();
        const QRect screen = m_window.screen()->availableGeometry();
        const int roomRight = screen.right() - main.right();
        const int roomLeft = main.left() - screen.left();
        const int width = std::clamp(std::max(roomRight, roomLeft), MIN_LIST_WIDTH, LIST_WIDTH);
        m_ListWindow->resize(width, m_window.height());
        m_ListWindow->move(roomRight >= roomLeft ? main.right() + 1 : main.left() - width, main.top());
    }
    m_ListWindow->Fill(*m_List, *m_Plan, m_Name);
    m_ListWindow->show();
    m_ListWindow->raise();
}

void ReferenceCommands::OnRowsDropped(const QByteArray& data, int dropRow)
{
    if (!m_Plan)
        return;
    const ChannelDatabase& db = m_window.State().Database();
    std::vector<uint32_t> records;
    for (const size_t row : ReferenceListWnd::RowsOfData(data)) {
        if (row >= m_Plan->matches.size() || m_Plan->matches[row].outcome != MatchOutcome::Matched)
            continue;
        const ChannelRow& program = m_Plan->programs[static_cast<size_t>(m_Plan->matches[row].target)];
        const ProgramRecord* table = program.table == TABLE_TV ? db.m_TvTable : db.m_RadioTable;
        records.push_back(EntryOffset(table[program.source].entry));
    }
    m_window.Records().MoveRecordsAfter(records, dropRow);
}
