// The list check, the kept dumps, the recent files and moving rows by
// keyboard or to a typed position.
#include "CTavrelDlg.h"

#include "AppState.h"
#include "CheckListDlg.h"
#include "CodePageText.h"
#include "KeptDumpsDlg.h"
#include "ListCheck.h"
#include "ListRepair.h"
#include "MainResources.h"
#include "RecentFiles.h"
#include "UserPrompts.h"

#include <QtCore/QFileInfo>
#include <QtGui/QAction>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabBar>

void CTavrelDlg::ConnectListTools()
{
    connect(MenuAction(ID_TOOLS_CHECK), &QAction::triggered, this, &CTavrelDlg::OnCheckList);
    connect(MenuAction(ID_FILE_KEPT_DUMPS), &QAction::triggered, this, &CTavrelDlg::OnKeptDumps);
    m_RecentMenu = new QMenu(this);
    MenuAction(ID_FILE_RECENT)->setMenu(m_RecentMenu);
    connect(m_RecentMenu, &QMenu::aboutToShow, this, &CTavrelDlg::FillRecentMenu);
    connect(m_List, &CDragDropListCtrl::moveRequested, this, &CTavrelDlg::MoveSelectedRows);
}

void CTavrelDlg::OnCheckList()
{
    if (!TransferIdle())
        return;
    if (!Doc().IsDecoded()) {
        ShowWarning(this, QStringLiteral("Please open file or dump first!"));
        return;
    }
    CheckListDlg dialog(this);
    dialog.SetFindings(ListCheck::Run(m_state.Database(), AnsiCodePageText()));
    connect(&dialog, &CheckListDlg::recordChosen, this, &CTavrelDlg::ShowRecord);
    connect(&dialog, &CheckListDlg::removeRequested, this, [this, &dialog](unsigned kinds) {
        RemoveFindings(kinds);
        dialog.SetFindings(ListCheck::Run(m_state.Database(), AnsiCodePageText()));
    });
    dialog.exec();
}

void CTavrelDlg::RemoveFindings(unsigned kinds)
{
    if (!CanChangeImage())
        return;
    ListRepair::Report report;
    const QString description
        = kinds == REPAIR_DUPLICATES ? QStringLiteral("remove duplicates") : QStringLiteral("remove orphans");
    ApplyImageChange(description, [&] {
        report = ListRepair::Run(m_state.Database(), kinds, AnsiCodePageText());
        return true;
    }, m_state.m_nListType);
    if (!report.complete) {
        Prompts().Message(this, QStringLiteral("The channel list could not be rewritten; nothing was removed."),
            TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    if (!report.kept.empty()) {
        QStringList kept;
        for (const std::string& line : report.kept)
            kept.append(QString::fromStdString(line));
        Prompts().Message(this, kept.join(QLatin1Char('\n')), TITLE_PROGRAM, PromptIcon::Information, PromptButtons::Ok);
    }
}

void CTavrelDlg::ShowRecord(int table, int position)
{
    const ChannelDatabase& db = m_state.Database();
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
            Prompts().Message(this, QStringLiteral("The transponder belongs to no satellite, so no list shows it."),
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
    ReloadAt(place, listType);
    RevealSelection();
}

void CTavrelDlg::RevealSelection()
{
    const int row = m_List->GetNextSelected();
    if (row >= 0)
        m_List->scrollTo(m_List->model()->index(row, 0));
}

bool CTavrelDlg::ConfirmUpgradeOfCheckedList()
{
    const size_t errors = ListCheck::CountErrors(ListCheck::Run(m_state.Database(), AnsiCodePageText()));
    if (errors == 0)
        return true;
    const QString question = QStringLiteral("The channel list has %1 problems. Upgrade anyway?").arg(errors);
    switch (Prompts().Message(this, question, TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::CheckUpgradeCancel)) {
    case PromptAnswer::Upgrade:
        return true;
    case PromptAnswer::Check:
        OnCheckList();
        return false;
    default:
        return false;
    }
}

void CTavrelDlg::OnKeptDumps()
{
    if (!TransferIdle())
        return;
    KeptDumpsDlg dialog(m_pSession->Archive(), Doc().IsDecoded(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (dialog.Chosen()) {
    case KeptDumpsDlg::Choice::Open:
        if (ConfirmDiscardChanges())
            OpenImage(dialog.ChosenPath());
        break;
    case KeptDumpsDlg::Choice::Compare:
        CompareWithFile(dialog.ChosenPath());
        break;
    case KeptDumpsDlg::Choice::None:
        break;
    }
}

void CTavrelDlg::RememberRecentFile(const QString& path)
{
    RecentFiles().Add(path);
}

void CTavrelDlg::FillRecentMenu()
{
    m_RecentMenu->clear();
    const QStringList files = RecentFiles().Files();
    for (const QString& path : files) {
        QString text = path;
        QAction* action = m_RecentMenu->addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    if (files.isEmpty())
        m_RecentMenu->addAction(QStringLiteral("No recent files"))->setEnabled(false);
}

void CTavrelDlg::OpenRecentFile(const QString& path)
{
    if (!TransferIdle())
        return;
    if (!QFileInfo::exists(path)) {
        RecentFiles().Remove(path);
        Prompts().Message(this,
            QStringLiteral("%1\nThe file is no longer there. It was removed from the recent files.").arg(path),
            TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    if (ConfirmDiscardChanges())
        OpenImage(path);
}

void CTavrelDlg::OnMoveToPosition()
{
    const int count = m_List->GetItemCount();
    const int first = m_List->GetNextSelected();
    if (first < 0 || !CanChangeImage())
        return;
    const std::optional<int> position = Prompts().Number(this,
        QStringLiteral("Move the selected rows to position (1 to %1):").arg(count), TITLE_PROGRAM, 1, count,
        first + 1);
    if (position)
        MoveSelectedRows(*position);
}

void CTavrelDlg::MoveSelectedRows(int position)
{
    if (!CanChangeImage() || !m_List->MoveSelectedTo(position))
        return;
    OnMoveRecords();
    RevealSelection();
}
