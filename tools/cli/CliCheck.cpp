#include "CliCheck.h"

#include "Cli.h"
#include "CliArguments.h"
#include "CliCommand.h"
#include "CodePageText.h"
#include "ImageFile.h"
#include "JsonText.h"
#include "ListCheck.h"
#include "ListRepair.h"
#include "PrintableText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>

namespace {

const char* const CHECK_USAGE = R"(Usage: tavrel-cli check IMAGE [--format text|json]
                      [--fix duplicates,orphans -o OUT]

Checks the channel list: programs and transponders whose satellite or
transponder does not exist (orphans), ids used twice, duplicate programs (same
satellite, transponder and service id) and transponders (same satellite,
frequency and polarization), directory entries that point past the end of the
image or into the directory block, tables over their capacity, names with
control bytes or bytes the code page cannot show, and satellites and
transponders left empty. Prints one line per finding, then a count by kind.
Errors may make the receiver misbehave; warnings are worth a look.

  --format text    one line per finding (the default)
  --format json    one object with the findings and the counts by kind
  --fix KINDS      duplicates, orphans or both separated by a comma: deletes
                   those records (a transponder with its programs), prints
                   what it deleted and checks the result
  -o OUT           with --fix, the image to write, replaced only once
                   complete; it may be IMAGE itself

Exit status: 0 nothing to report, 1 findings, 2 a usage or input error.
)";

const char* SeverityWord(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

std::array<size_t, FINDING_KIND_COUNT> CountByKind(const std::vector<Finding>& findings)
{
    std::array<size_t, FINDING_KIND_COUNT> counts {};
    for (const Finding& finding : findings)
        ++counts[static_cast<size_t>(finding.kind)];
    return counts;
}

std::string Text(const std::string& path, const std::vector<Finding>& findings)
{
    std::ostringstream text;
    if (findings.empty()) {
        text << PrintableText(path) << ": no problems found\n";
        return text.str();
    }
    for (const Finding& finding : findings)
        text << SeverityWord(finding.severity) << ": " << finding.Text() << "\n";
    const size_t errors = ListCheck::CountErrors(findings);
    text << PrintableText(path) << ": " << errors << (errors == 1 ? " error, " : " errors, ") << findings.size() - errors
         << (findings.size() - errors == 1 ? " warning\n" : " warnings\n");
    const auto counts = CountByKind(findings);
    for (int kind = 0; kind < FINDING_KIND_COUNT; ++kind)
        if (counts[kind])
            text << "  " << counts[kind] << " " << FindingKindName(FindingKind(kind)) << "\n";
    return text.str();
}

std::string Json(const std::string& path, const std::vector<Finding>& findings,
    const std::optional<std::vector<std::string>>& deleted)
{
    std::string json = "{\"image\": ";
    AppendJsonString(json, path);
    if (deleted) {
        json += ", \"deleted\": [";
        for (size_t i = 0; i < deleted->size(); ++i) {
            json += i ? ",\n  " : "\n  ";
            AppendJsonString(json, (*deleted)[i]);
        }
        json += deleted->empty() ? "]" : "\n]";
    }
    const size_t errors = ListCheck::CountErrors(findings);
    json += ", \"errors\": " + std::to_string(errors) + ", \"warnings\": " + std::to_string(findings.size() - errors);
    json += ", \"findings\": [";
    for (size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        json += i ? ",\n  {" : "\n  {";
        json += "\"kind\": \"" + std::string(FindingKindKey(finding.kind)) + "\", \"severity\": \""
            + SeverityWord(finding.severity) + "\", \"records\": [";
        for (size_t r = 0; r < finding.records.size(); ++r) {
            json += r ? ", " : "";
            json += "{\"table\": \"" + std::string(TableName(finding.records[r].table))
                + "\", \"number\": " + std::to_string(finding.records[r].position + 1) + "}";
        }
        json += "], \"text\": ";
        AppendJsonString(json, finding.Text());
        json += "}";
    }
    json += findings.empty() ? "], \"counts\": {" : "\n], \"counts\": {";
    const auto counts = CountByKind(findings);
    bool first = true;
    for (int kind = 0; kind < FINDING_KIND_COUNT; ++kind) {
        if (!counts[kind])
            continue;
        json += first ? "" : ", ";
        // Piece by piece: GCC 12 warns falsely about "\"" + std::string in a Release build.
        json += '"';
        json += FindingKindKey(FindingKind(kind));
        json += "\": " + std::to_string(counts[kind]);
        first = false;
    }
    json += "}}\n";
    return json;
}

// "duplicates,orphans" as repair kinds; 0 for anything else.
unsigned ParseFixKinds(const std::string& text)
{
    unsigned kinds = 0;
    if (text.empty() || text.back() == ',')
        return 0;
    std::istringstream list(text);
    std::string name;
    while (std::getline(list, name, ',')) {
        if (name == "duplicates")
            kinds |= REPAIR_DUPLICATES;
        else if (name == "orphans")
            kinds |= REPAIR_ORPHANS;
        else
            return 0;
    }
    return kinds;
}

} // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("check", CHECK_USAGE, out, err);
    CliArguments arguments({ "--format", "--fix", "-o" }, {});
    int status = EXIT_SAME;
    std::string format;
    if (!command.Parse(arguments, args, 1, status) || !command.Format(arguments, "text", "json", format, status))
        return status;
    const std::optional<std::string> fix = arguments.Value("--fix");
    const std::optional<std::string> output = arguments.Value("-o");
    unsigned kinds = 0;
    if (fix) {
        kinds = ParseFixKinds(*fix);
        if (kinds == 0) {
            command.UsageError("--fix is duplicates, orphans or both, not " + *fix, status);
            return status;
        }
        if (!output) {
            command.UsageError("-o OUT is missing", status);
            return status;
        }
    } else if (output) {
        command.UsageError("-o needs --fix", status);
        return status;
    }

    const std::string& path = arguments.Operands()[0];
    ImageDocument image;
    if (!command.ReadImage(path, image))
        return EXIT_TROUBLE;
    const ChannelDatabase& db = image.Database();
    const bool decodes = image.IsDecoded();
    if (!ListCheck::Checkable(db))
        return command.Trouble(path, "not a flash image: " + DecodeProblemOf(db));
    const CodePageText& names = AnsiCodePageText();

    std::string shown = path;
    std::optional<std::vector<std::string>> deleted;
    if (fix) {
        if (!decodes)
            return command.Trouble(path, "does not decode (" + DecodeProblemOf(db) + "); nothing can be removed");
        ListRepair::Report report;
        if (!image.Apply("remove findings", ImageEdit::Repair(kinds, names, report)))
            return command.Trouble(path, "the directory could not be rewritten; nothing is written");
        std::vector<std::string> kept;
        for (const Finding& finding : report.kept)
            kept.push_back(ListRepair::KeptLine(finding));
        command.Notes(path, kept);
        if (!command.Save(*output, image))
            return EXIT_TROUBLE;
        deleted = report.deleted;
        // The findings that follow are those of the image written.
        shown = *output;
    }
    std::vector<Finding> findings = ListCheck::Run(db, names);
    if (ShorterThanFlash(image))
        findings.push_back({ FindingKind::ShortFile, SeverityOf(FindingKind::ShortFile), {}, {},
            { image.FileLength(), db.m_nFlashSize } });
    if (format == "json") {
        out << Json(shown, findings, deleted);
    } else {
        if (deleted) {
            for (const std::string& line : *deleted)
                out << "deleted: " << line << "\n";
            if (deleted->empty())
                out << PrintableText(shown) << ": nothing was deleted\n";
        }
        out << Text(shown, findings);
    }
    return findings.empty() ? EXIT_SAME : EXIT_DIFFERENT;
}

bool CheckBeforeUpgrade(Command& command, const std::string& path, const ChannelDatabase& db, bool force)
{
    if (!ListCheck::Checkable(db))
        return true;
    const std::vector<Finding> findings = ListCheck::Run(db, AnsiCodePageText());
    std::vector<std::string> lines;
    for (const Finding& finding : findings)
        lines.push_back(std::string(SeverityWord(finding.severity)) + ": " + finding.Text());
    command.Notes(path, lines);
    const size_t errors = ListCheck::CountErrors(findings);
    if (errors == 0 || force)
        return true;
    command.Trouble(path,
        "the channel list has " + std::to_string(errors) + (errors == 1 ? " error" : " errors")
            + "; 'tavrel-cli check' explains them, --force upgrades anyway");
    return false;
}
