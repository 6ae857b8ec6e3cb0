#include "ExchangeCommands.h"

#include "CCompareDlg.h"
#include "ChannelExchange.h"
#include "FileReasonText.h"
#include "ImageFile.h"
#include "ImportProblemText.h"
#include "MainResources.h"
#include "UserPrompts.h"

#include <QtCore/QFile>
#include <QtCore/QStringList>

#include <algorithm>

namespace {

//: File dialog filters: keep the patterns in parentheses and the ";;" between filters.
const QString CSV_FILTER = QString::fromLatin1(QT_TRANSLATE_NOOP("UserPrompts", "CSV file (*.csv) (*.csv);;All file (*.*) (*)"));
const QString CSV_NAME = QStringLiteral("channels.csv");

std::string FileName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

ExchangeCommands::ExchangeCommands(Host& host, QWidget& window)
    : QObject(&window)
    , m_host(host)
    , m_window(window)
{
}

bool ExchangeCommands::HasChannelList() const
{
    // An image that did not decode has empty tables; there is nothing to
    // export, import into or compare. A running dump writes the image; its
    // menu items are grayed meanwhile.
    if (!m_host.IsIdle())
        return false;
    const ImageDocument& document = m_host.Document();
    if (!document.IsLoaded()) {
        ShowWarning(&m_window, tr("Please open file or dump first!"));
        return false;
    }
    if (!document.IsDecoded()) {
        ShowWarning(&m_window, tr("The bin file is not right!"));
        return false;
    }
    return true;
}

void ExchangeCommands::OnExportCsv()
{
    if (!HasChannelList())
        return;
    const QString path = Prompts().SaveFileName(&m_window, CSV_NAME, CSV_FILTER);
    if (path.isEmpty())
        return;
    const std::string csv = ExportChannels(m_host.Document(), PROGRAM_TABLES, ExportFormat::Csv);
    std::string reason;
    const auto* bytes = reinterpret_cast<const uint8_t*>(csv.data());
    if (!WriteImageFile(FileName(path), std::span(bytes, csv.size()), reason))
        ShowFileError(&m_window, path, FileReasonText::Of(reason));
}

void ExchangeCommands::OnImportCsv()
{
    if (!HasChannelList())
        return;
    const QString path = Prompts().OpenFileName(&m_window, CSV_FILTER);
    if (path.isEmpty())
        return;
    ImportOptions options;
    options.chooseMatch = true;
    const ImportReport report = ImportChannels(m_host.Document(), FileName(path), options, false, tr("import CSV", "undo step").toStdString());
    const ImportPlan& plan = report.plan;
    switch (report.outcome) {
    case ImportReport::Outcome::FileError:
        ShowFileError(&m_window, path, FileReasonText::Of(report.reason));
        return;
    case ImportReport::Outcome::TooLarge:
        ShowFileError(&m_window, path,
            tr("The file is larger than %1.").arg(QString::fromStdString(SizeText(MAX_CSV_SIZE))));
        return;
    case ImportReport::Outcome::Refused:
        Prompts().Message(&m_window, tr("The CSV is not imported; nothing changed.\n\n%1").arg(ImportProblemText::Listed(plan.errors)),
            TITLE_WARNING, PromptIcon::Warning, PromptButtons::Ok);
        return;
    case ImportReport::Outcome::NotApplied:
        ShowWarning(&m_window, tr("The CSV could not be applied; nothing changed."));
        return;
    default:
        break;
    }
    QStringList parts;
    if (plan.ChangesNothing())
        parts.append(tr("The CSV changes nothing."));
    else if (plan.match == MatchMode::Reference)
        parts.append(tr("The CSV lists another image's programs; they were matched by service id, "
                        "frequency and polarization, then by name."));
    if (!plan.remarks.empty())
        parts.append(ImportProblemText::Listed(plan.remarks));
    if (!plan.notes.empty())
        parts.append(tr("These rows were not applied:\n%1").arg(ImportProblemText::Listed(plan.notes)));
    if (!parts.isEmpty())
        Prompts().Message(&m_window, parts.join(QStringLiteral("\n\n")), TITLE_INFO, PromptIcon::Information,
            PromptButtons::Ok);
}

void ExchangeCommands::OnCompareWith()
{
    if (!HasChannelList())
        return;
    const QString path = Prompts().OpenFileName(&m_window, OPEN_IMAGE_FILTER);
    if (!path.isEmpty())
        CompareWithFile(path);
}

void ExchangeCommands::CompareWithFile(const QString& path)
{
    if (!HasChannelList())
        return;
    const CompareReport report = CompareChannels(m_host.Document(), FileName(path), ALL_TABLES, std::nullopt);
    if (report.opened == ImageDocument::OpenResult::FileError) {
        ShowFileError(&m_window, path, FileReasonText::Of(report.reason));
        return;
    }
    if (report.opened != ImageDocument::OpenResult::Opened) {
        ShowWarning(&m_window, tr("The bin file is not right!"));
        return;
    }
    if (report.diff.entries.empty()) {
        Prompts().Message(&m_window, tr("The two images hold the same channel list."), TITLE_INFO,
            PromptIcon::Information, PromptButtons::Ok);
        return;
    }
    CCompareDlg compare(report.diff, path, &m_window);
    compare.exec();
}
