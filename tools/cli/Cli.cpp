#include "Cli.h"

#include "ChannelExchange.h"
#include "CliApply.h"
#include "CliArguments.h"
#include "CliCheck.h"
#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoaders.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "ImageFile.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const char* const USAGE = R"(Usage: tavrel-cli COMMAND [ARGUMENTS]

Reads and changes the channel list in the flash image of a satellite receiver.

Commands:
  info IMAGE          what the image holds: flash type, directory block, key area, counts
  export IMAGE        the channel list as CSV or JSON
  import IMAGE CSV    applies an edited CSV to a copy of the image
  diff A B            what differs between the channel lists of two images
  apply IMAGE REFERENCE
                      puts the order of a reference list back after a rescan
  check IMAGE         finds orphans, duplicates and broken entries, and removes them

Commands for a receiver on a serial port:
  dump                reads the receiver's flash into a file
  upgrade IMAGE       writes an image into the receiver, and verifies it if asked
  verify IMAGE        whether the receiver holds the image, and where it differs
  ports               the serial ports present, and whether you can open them
  loaders             the loader blocks a transfer sends, and where they come from

'tavrel-cli COMMAND --help' describes a command; 'tavrel-cli --version' prints
the version. Exit status: 0 done (or no difference), 1 the images differ, 2 a
usage or input error (or a cancelled or refused transfer). Names are read and
written in the Windows code page of your locale; TAVREL_CODEPAGE=936 chooses
one.
)";

const char* const INFO_USAGE = R"(Usage: tavrel-cli info IMAGE

Prints the flash type, the directory block, whether the image has a key area,
the number of satellites, transponders, TV and radio programs, and one line per
satellite. An image that does not decode is reported with the first problem
found.
)";

const char* const EXPORT_USAGE = R"(Usage: tavrel-cli export IMAGE [--table TABLES] [--format csv|json] [-o FILE]

Writes every record of the chosen tables in table order: its position, its
offset in the image (the key an import matches rows by), its fields and, for
transponders and programs, the satellite and transponder they belong to.

  --table TABLES   tv, radio, satellites or transponders, several separated by
                   commas (tv,radio), or all (the default)
  --format csv     RFC 4180 with one header row, UTF-8 (the default)
  --format json    one array of objects per table
  -o FILE          write FILE, replaced only once complete, instead of the
                   standard output
)";

const char* const IMPORT_USAGE = R"(Usage: tavrel-cli import IMAGE CSV -o OUT [--match offset|reference]
                        [--delete-missing] [--dry-run]

Applies a CSV of the export's form, edited in a spreadsheet, to a copy of IMAGE
and writes it to OUT. The order of the TV and radio rows becomes the order of
their tables; programs the CSV leaves out follow the listed ones in their old
order. The columns name, child_lock (1 locked, 0 not) and favorites (such as
Movies/News) are applied; the others only help to find the program.

  --match offset      a row finds its program by its offset: a CSV exported
                      from this image (the default)
  --match reference   by service id, transponder frequency and polarization,
                      then by name: another receiver's list applied to this one
  --delete-missing    delete the programs the CSV leaves out, from the tables
                      it lists programs of
  --dry-run           print what would change and write nothing
  -o OUT              the image to write, replaced only once complete; it may
                      be IMAGE itself, never CSV

The CSV may be UTF-8 (preferred, with or without a byte order mark), UTF-16
with a byte order mark, or in the names' code page; commas, semicolons or tabs
separate its fields. A row that finds no program, or several, is reported and
skipped. An unknown column, an offset listed twice, a name that does not fit
12 bytes in the code page or holds a control character, or a value that makes
no sense refuses the import: nothing is written. The last line on stderr sums
up what was done.
)";

const char* const DIFF_USAGE = R"(Usage: tavrel-cli diff A B [--match offset|reference] [--table TABLES]
                     [--format text|json]

Lists the records added, removed, moved and changed from image A to image B,
table by table; a changed record shows each field as old -> new. The exit
status is 1 when the images differ and 0 when they do not.

  --match offset      records are matched by offset: two versions of one image
                      (the default)
  --match reference   by what they are (programs by service id, transponder
                      frequency and polarization, then name): the images of
                      two receivers
  --table TABLES      tv, radio, satellites or transponders, several separated
                      by commas, or all (the default)
  --format text       one line per difference (the default)
  --format json       one object per table with the arrays removed, added,
                      moved and changed
)";

int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("info", INFO_USAGE, out, err);
    CliArguments arguments({}, {});
    int status = EXIT_SAME;
    if (!command.Parse(arguments, args, 1, status))
        return status;
    const std::string& path = arguments.Operands()[0];
    ImageDocument image;
    if (!command.Load(path, image))
        return EXIT_TROUBLE;

    const ChannelDatabase& db = image.Database();
    const CodePageText& names = AnsiCodePageText();
    char line[160];
    std::snprintf(line, sizeof line, ": %zu bytes, flash type %d (%u KiB), directory block at 0x%05X, key area %s\n",
        image.FileLength(), db.m_nFlashType, db.m_nFlashSize / 1024, db.m_nDirBlockOffset, db.m_bKeyArea ? "yes" : "no");
    out << PrintableText(path) << line;
    if (ShorterThanFlash(image))
        out << PrintableText(path) << ": the file ends " << db.m_nFlashSize - image.FileLength()
            << " bytes before its flash does; they read as erased flash (0xFF)\n";
    std::snprintf(line, sizeof line, "Sat: %d  TP: %d  TV: %d  Radio: %d\n", db.m_nSatCount, db.m_nTpCount,
        db.m_nTvCount, db.m_nRadioCount);
    out << line;
    for (int s = 0; s < db.m_nSatCount; ++s) {
        const SatelliteRecord& sat = db.m_SatTable[s];
        const std::string name = PrintableText(names.ToUtf8(sat.name, NAME_BYTES));
        std::snprintf(line, sizeof line, "%3d_%-12s longitude %4d  %3d transponders  %4d TV  %4d radio\n", s,
            name.c_str(), sat.longitude, sat.tpCount, sat.tvCount, sat.radioCount);
        out << line;
    }
    return EXIT_SAME;
}

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("export", EXPORT_USAGE, out, err);
    CliArguments arguments({ "--table", "--format", "-o" }, {});
    int status = EXIT_SAME;
    unsigned tables = ALL_TABLES;
    std::string format;
    if (!command.Parse(arguments, args, 1, status) || !command.Tables(arguments, tables, status)
        || !command.Format(arguments, "csv", "json", format, status))
        return status;
    const std::optional<std::string> output = arguments.Value("-o");
    if (output && !command.DistinctOutput(*output, arguments.Operands()))
        return EXIT_TROUBLE;
    ImageDocument image;
    if (!command.Load(arguments.Operands()[0], image))
        return EXIT_TROUBLE;
    return command.Emit(output, ExportChannels(image, tables, format == "csv" ? ExportFormat::Csv : ExportFormat::Json));
}

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("import", IMPORT_USAGE, out, err);
    CliArguments arguments({ "--match", "-o" }, { "--delete-missing", "--dry-run" });
    int status = EXIT_SAME;
    ImportOptions options;
    if (!command.Parse(arguments, args, 2, status) || !command.Match(arguments, options.match, status))
        return status;
    const bool dryRun = arguments.Flag("--dry-run");
    const std::optional<std::string> output = arguments.Value("-o");
    if (!output && !dryRun) {
        command.UsageError("-o OUT is missing", status);
        return status;
    }
    options.deleteMissing = arguments.Flag("--delete-missing");

    const std::string& imagePath = arguments.Operands()[0];
    const std::string& csvPath = arguments.Operands()[1];
    // Writing over the image itself is the documented in-place import.
    if (output && !command.DistinctOutput(*output, { csvPath }))
        return EXIT_TROUBLE;
    ImageDocument image;
    if (!command.Load(imagePath, image))
        return EXIT_TROUBLE;
    const ImportReport report = ImportChannels(image, csvPath, options, dryRun);
    const ImportPlan& plan = report.plan;
    switch (report.outcome) {
    case ImportReport::Outcome::FileError:
        return command.Trouble(csvPath, report.reason);
    case ImportReport::Outcome::TooLarge:
        return command.Trouble(csvPath, "larger than " + SizeText(MAX_CSV_SIZE));
    case ImportReport::Outcome::Refused:
        command.Notes(csvPath, ImportProblemLines(plan.errors));
        return EXIT_TROUBLE;
    default:
        break;
    }
    command.Notes(csvPath, ImportProblemLines(plan.remarks));
    command.Notes(csvPath, ImportProblemLines(plan.notes));
    if (plan.match == MatchMode::Reference)
        command.Note(csvPath, "placed " + std::to_string(plan.summary.placed) + " of "
                + std::to_string(plan.summary.programRows) + " rows");
    if (dryRun) {
        for (const std::string& change : plan.changes)
            out << change << "\n";
        command.Note(csvPath, "would: " + plan.summary.Text() + "; nothing is written");
        return EXIT_SAME;
    }
    if (report.outcome == ImportReport::Outcome::NotApplied)
        return command.Trouble(imagePath, "the database refused the new order; nothing is written");
    if (!command.Save(*output, image))
        return EXIT_TROUBLE;
    command.Note(csvPath, plan.summary.Text() + "; " + *output + " written (" + std::to_string(image.FileLength())
            + " bytes)");
    return EXIT_SAME;
}

int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("diff", DIFF_USAGE, out, err);
    CliArguments arguments({ "--match", "--table", "--format" }, {});
    int status = EXIT_SAME;
    MatchMode mode = MatchMode::Offset;
    unsigned tables = ALL_TABLES;
    std::string format;
    if (!command.Parse(arguments, args, 2, status) || !command.Match(arguments, mode, status)
        || !command.Tables(arguments, tables, status) || !command.Format(arguments, "text", "json", format, status))
        return status;
    ImageDocument a;
    if (!command.Load(arguments.Operands()[0], a))
        return EXIT_TROUBLE;
    const std::string& other = arguments.Operands()[1];
    const CompareReport report = CompareChannels(a, other, tables, mode);
    if (report.opened != ImageDocument::OpenResult::Opened)
        return command.Trouble(
            other, report.opened == ImageDocument::OpenResult::FileError ? report.reason : "not a flash image: " + report.reason);
    const ChannelDiff& diff = report.diff;
    out << (format == "json" ? DiffJson(diff) : DiffText(diff));
    return diff.entries.empty() ? EXIT_SAME : EXIT_DIFFERENT;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal)
{
    if (args.empty()) {
        err << USAGE;
        return EXIT_TROUBLE;
    }
    const std::string& name = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (name == "--help" || name == "-h" || name == "help") {
        out << USAGE;
        return EXIT_SAME;
    }
    if (name == "--version") {
        out << "tavrel-cli " << TAVREL_VERSION << "\n";
        return EXIT_SAME;
    }
    if (name == "info")
        return RunInfo(rest, out, err);
    if (name == "export")
        return RunExport(rest, out, err);
    if (name == "import")
        return RunImport(rest, out, err);
    if (name == "diff")
        return RunDiff(rest, out, err);
    if (name == "apply")
        return RunApply(rest, out, err);
    if (name == "check")
        return RunCheck(rest, out, err);
    if (name == "dump")
        return RunDump(rest, out, err, errIsTerminal);
    if (name == "upgrade")
        return RunUpgrade(rest, out, err, errIsTerminal);
    if (name == "verify")
        return RunVerify(rest, out, err, errIsTerminal);
    if (name == "ports")
        return RunPorts(rest, out, err);
    if (name == "loaders")
        return RunLoaders(rest, out, err);
    err << "tavrel-cli: unknown command " << EchoedText(name) << "\nTry 'tavrel-cli --help'.\n";
    return EXIT_TROUBLE;
}
