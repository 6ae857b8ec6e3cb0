#include "ReferenceCommands.h"

#include "CDragDropListCtrl.h"
#include "CodePageText.h"
#include "DocumentSignals.h"
#include "DumpArchive.h"
#include "ImageDocument.h"
#include "ReferenceListWnd.h"
#include "ReferencePreviewDlg.h"
#include "UserPrompts.h"

#include <QtWidgets/QWidget>

#include <QtGui/QScreen>

#include <algorithm>

namespace {

// The reference window's width beside the main window, and the least it is
// made when the screen has less room.
constexpr int LIST_WIDTH = 380;
constexpr int MIN_LIST_WIDTH = 200;

} // namespace

ReferenceCommands::ReferenceCommands(Host& host, QWidget& window, CDragDropListCtrl& list, DocumentSignals& documentSignals)
    : QObject(&window)
    , m_host(host)
    , m_window(window)
{
    connect(&documentSignals, &DocumentSignals::imageChanged, this, &ReferenceCommands::Replan);
    list.AcceptDropsOf(ReferenceListWnd::MIME_TYPE);
    // Queued: the move rebuilds the reference window, whose drag is still running at the drop.
    connect(&list, &CDragDropListCtrl::dataDropped, this, &ReferenceCommands::OnRowsDropped, Qt::QueuedConnection);
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
    if (!m_host.IsIdle())
        return;
    const ImageDocument& document = m_host.Document();
    if (!document.IsDecoded()) {
        ShowWarning(&m_window, document.IsLoaded() ? tr("The bin file is not right!")
                                                   : tr("Please open file or dump first!"));
        return;
    }
    const DumpArchive* archive = m_host.Archive();
    ReferencePreviewDlg dialog(
        document, archive ? archive->List() : std::vector<DumpArchive::Kept>(), &m_window);
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
        && !m_host.Document().Apply(tr("Apply reference list %1").arg(m_Name).toStdString(), edit))
        ShowWarning(&m_window, tr("The reference list could not be applied; nothing changed."));
    if (!m_Plan)
        Replan();
    if (dialog.Chosen() == ReferencePreviewDlg::Choice::Show)
        ShowListWindow();
}

void ReferenceCommands::Replan()
{
    const ImageDocument& document = m_host.Document();
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
        connect(m_ListWindow, &ReferenceListWnd::programChosen, this,
            [this](int table, int position) { m_host.ShowRecord(table, position); });
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
    const ChannelDatabase& db = m_host.Document().Database();
    std::vector<uint32_t> records;
    for (const size_t row : ReferenceListWnd::RowsOfData(data)) {
        if (row >= m_Plan->matches.size() || m_Plan->matches[row].outcome != MatchOutcome::Matched)
            continue;
        const ChannelRow& program = m_Plan->programs[static_cast<size_t>(m_Plan->matches[row].target)];
        const ProgramRecord* table = program.table == TABLE_TV ? db.m_TvTable : db.m_RadioTable;
        records.push_back(EntryOffset(table[program.source].entry));
    }
    m_host.MoveRecordsAfter(records, dropRow);
}
