#include "ChannelExchange.h"

#include "ChannelExport.h"
#include "CodePageText.h"
#include "ImageFile.h"

#include <vector>

std::string ExportChannels(const ImageDocument& document, unsigned tables, ExportFormat format)
{
    const ChannelDatabase& db = document.Database();
    return format == ExportFormat::Csv ? ExportCsv(db, tables, AnsiCodePageText())
                                       : ExportJson(db, tables, AnsiCodePageText());
}

ImportReport ImportChannels(ImageDocument& document, const std::string& csvPath, const ImportOptions& options,
    bool dryRun, const std::string& stepName)
{
    ImportReport report;
    std::vector<uint8_t> bytes;
    switch (ReadImageFile(csvPath, MAX_CSV_SIZE, bytes, report.reason)) {
    case ImageReadResult::Failed:
        report.outcome = ImportReport::Outcome::FileError;
        return report;
    case ImageReadResult::TooLarge:
        report.outcome = ImportReport::Outcome::TooLarge;
        return report;
    case ImageReadResult::Read:
        break;
    }
    report.plan = PlanImport(document.Database(), std::string(bytes.begin(), bytes.end()), options, AnsiCodePageText());
    if (report.plan.Refused())
        report.outcome = ImportReport::Outcome::Refused;
    else if (dryRun)
        report.outcome = ImportReport::Outcome::DryRun;
    else if (report.plan.ChangesNothing())
        report.outcome = ImportReport::Outcome::Unchanged;
    else if (document.Apply(stepName, ImageEdit::Import(report.plan)))
        report.outcome = ImportReport::Outcome::Imported;
    else
        report.outcome = ImportReport::Outcome::NotApplied;
    return report;
}

CompareReport CompareChannels(const ImageDocument& document, const std::string& otherPath, unsigned tables,
    std::optional<MatchMode> match)
{
    CompareReport report;
    ImageDocument other;
    report.opened = other.Open(otherPath, report.reason);
    if (report.opened != ImageDocument::OpenResult::Opened)
        return report;
    const ChannelDatabase& ours = document.Database();
    const ChannelDatabase& theirs = other.Database();
    const CodePageText& names = AnsiCodePageText();
    report.diff = DiffImages(ours, theirs, tables, match ? *match : ChooseDiffMatch(ours, theirs, names), names);
    return report;
}
