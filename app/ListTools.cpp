#include "ListTools.h"

#include "CheckListDlg.h"
#include "CodePageText.h"
#include "DialogBuilder.h"
#include "FindingText.h"
#include "ImageDocument.h"
#include "KeptDumpsDlg.h"
#include "ListCheck.h"
#include "ListRepair.h"
#include "MainResources.h"
#include "RecentFiles.h"
#include "UserPrompts.h"

#include <QtCore/QFile>
#include <QtGui/QAction>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>

#include <filesystem>

ListTools::ListTools(Host& host, QWidget& window, QMenuBar& menuBar)
    : QObject(&window)
    , m_host(host)
    , m_window(window)
{
    connect(FindMenuAction(&menuBar, ID_TOOLS_CHECK), &QAction::triggered, this, &ListTools::OnCheckList);
    connect(FindMenuAction(&menuBar, ID_FILE_KEPT_DUMPS), &QAction::triggered, this, &ListTools::OnKeptDumps);
    m_RecentMenu = new QMenu(&window);
    FindMenuAction(&menuBar, ID_FILE_RECENT)->setMenu(m_RecentMenu);
    connect(m_RecentMenu, &QMenu::aboutToShow, this, &ListTools::FillRecentMenu);
}

void ListTools::OnCheckList()
{
    if (!m_host.IsIdle())
        return;
    if (!m_host.Document().IsDecoded()) {
        ShowWarning(&m_window, tr("Please open file or dump first!"));
        return;
    }
    CheckListDlg dialog(&m_window);
    dialog.SetFindings(ListCheck::Run(m_host.Document().Database(), AnsiCodePageText()));
    connect(&dialog, &CheckListDlg::recordChosen, this, [this](int table, int position) { m_host.ShowRecord(table, position); });
    connect(&dialog, &CheckListDlg::removeRequested, this, [this, &dialog](unsigned kinds) {
        RemoveFindings(kinds);
        dialog.SetFindings(ListCheck::Run(m_host.Document().Database(), AnsiCodePageText()));
    });
    dialog.exec();
}

void ListTools::RemoveFindings(unsigned kinds)
{
    if (!m_host.CanChangeImage())
        return;
    ListRepair::Report report;
    const QString description
        = kinds == REPAIR_DUPLICATES ? tr("remove duplicates", "undo step") : tr("remove orphans", "undo step");
    if (!m_host.Document().Apply(description.toStdString(), ImageEdit::Repair(kinds, AnsiCodePageText(), report))) {
        Prompts().Message(&m_window, tr("The channel list could not be rewritten; nothing was removed."),
            TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    if (!report.kept.empty()) {
        QStringList kept;
        for (const Finding& finding : report.kept)
            kept.append(FindingText::Kept(finding));
        Prompts().Message(&m_window, kept.join(QLatin1Char('\n')), TITLE_PROGRAM, PromptIcon::Information, PromptButtons::Ok);
    }
}

bool ListTools::ConfirmUpgradeOfCheckedList()
{
    const size_t errors = ListCheck::CountErrors(ListCheck::Run(m_host.Document().Database(), AnsiCodePageText()));
    if (errors == 0)
        return true;
    const QString question = tr("The channel list has %n problem(s). Upgrade anyway?", nullptr, static_cast<int>(errors));
    switch (Prompts().Message(&m_window, question, TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::CheckUpgradeCancel)) {
    case PromptAnswer::Upgrade:
        return true;
    case PromptAnswer::Check:
        OnCheckList();
        return false;
    default:
        return false;
    }
}

void ListTools::OnKeptDumps()
{
    if (!m_host.IsIdle() || !m_host.Archive())
        return;
    KeptDumpsDlg dialog(*m_host.Archive(), m_host.Document().IsDecoded(), &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (dialog.Chosen()) {
    case KeptDumpsDlg::Choice::Open:
        if (m_host.ConfirmDiscardChanges())
            m_host.OpenImage(dialog.ChosenPath(), {});
        break;
    case KeptDumpsDlg::Choice::Compare:
        m_host.CompareWithFile(dialog.ChosenPath());
        break;
    case KeptDumpsDlg::Choice::Reference:
        m_host.ApplyReference(dialog.ChosenPath());
        break;
    case KeptDumpsDlg::Choice::None:
        break;
    }
}

void ListTools::FillRecentMenu()
{
    m_RecentMenu->clear();
    const QList<QByteArray> files = RecentFiles().Files();
    for (const QByteArray& fileName : files) {
        QString text = QFile::decodeName(fileName);
        QAction* action = m_RecentMenu->addAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(action, &QAction::triggered, this, [this, fileName] { OpenRecentFile(fileName); });
    }
    if (files.isEmpty())
        m_RecentMenu->addAction(tr("No recent files"))->setEnabled(false);
}

void ListTools::OpenRecentFile(const QByteArray& fileName)
{
    if (!m_host.IsIdle())
        return;
    const QString path = QFile::decodeName(fileName);
    std::error_code error;
    if (!std::filesystem::exists(fileName.toStdString(), error)) {
        RecentFiles().Remove(fileName);
        Prompts().Message(&m_window,
            tr("%1\nThe file is no longer there. It was removed from the recent files.").arg(path),
            TITLE_PROGRAM, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }
    if (m_host.ConfirmDiscardChanges())
        m_host.OpenImage(path, fileName.toStdString());
}

