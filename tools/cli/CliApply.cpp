#include "CliApply.h"

#include "Cli.h"
#include "CliArguments.h"
#include "CliCommand.h"
#include "CodePageText.h"
#include "JsonText.h"
#include "ListedProblems.h"
#include "ReferencePlan.h"

#include <sstream>

namespace {

const char* const APPLY_USAGE = R"(Usage: tavrel-cli apply IMAGE REFERENCE -o OUT [--satellite N|NAME]
                      [--carry order,names,favorites,locks] [--delete-unlisted]
                      [--dry-run] [--format text|json]

Puts the order of a reference list back into a copy of IMAGE, after a channel
search has rebuilt its list, and writes it to OUT. Each table gets the programs
the reference finds, in its order, then the others in their present order.

REFERENCE is another image (the one saved before the search, or a kept dump),
a CSV of the export's form, or a text list with one program a line:
number;name;ONID-TSID-SID, such as 12;News One HD;1-1070-28006. The third
field may be left out; lines that begin with # are skipped.

A program is found by its satellite, service id and transponder, then by its
service id where one program of its satellite has it, then by its name as the
receiver stores it (cut to 12 bytes in the code page, trailing spaces and case
ignored). A row that fits several programs, or a program an earlier row took,
is reported and left alone.

  --satellite N|NAME   the satellite a text list's rows are matched against:
                       its position (from 1) or its name; by default the one
                       whose programs the most rows find
  --carry WHAT         what the reference gives the programs it finds, several
                       separated by commas: order, names (those that fit 12
                       bytes), favorites, locks; by default the order, and the
                       favourites and locks when the reference has them
  --delete-unlisted    delete the programs the reference does not find, from
                       the tables it finds programs in
  --dry-run            print the report and write nothing
  --format text        the report, each list of rows at most 20 long (the
                       default)
  --format json        one object per table with the arrays matched,
                       not_found, ambiguous, repeated and unlisted
  -o OUT               the image to write, replaced only once complete; it may
                       be IMAGE itself, never REFERENCE

The last line on stderr sums up what was done. Exit status: 0 done, 2 a usage
or input error.
)";

const char* TableText(int table)
{
    return table == EITHER_PROGRAM_TABLE ? "tv or radio" : TableName(table);
}

class ApplyReport {
public:
    ApplyReport(const ReferenceList& list, const ReferencePlan& plan, const ChannelDatabase& db,
        const CodePageText& names)
        : m_list(list)
        , m_plan(plan)
        , m_db(db)
        , m_names(names)
    {
    }

    std::string Text() const
    {
        std::ostringstream text;
        if (const int satellite = SatellitePosition(); satellite >= 0 && !m_list.Columns().test(COLUMN_SATELLITE_NAME))
            text << "satellite: " << satellite + 1 << " " << QuotedText(SatelliteName(satellite)) << "\n";
        for (const ReferencePlan::Table& table : m_plan.tables) {
            if (table.table == EITHER_PROGRAM_TABLE && Unplaced(table) == 0)
                continue;
            const std::string name = TableText(table.table);
            text << name << ": ";
            if (table.table != EITHER_PROGRAM_TABLE)
                text << table.matched.size() << " matched, ";
            text << table.notFound.size() << " not found, " << table.ambiguous.size() << " fitting several, "
                 << table.repeated.size() << " repeated";
            if (table.table != EITHER_PROGRAM_TABLE)
                text << ", " << table.unlisted.size() << " not in the reference";
            text << "\n";
            List(text, name + ": not found: ", table.notFound, [&](size_t row) { return RowText(row); });
            List(text, name + ": fits several programs: ", table.ambiguous, [&](size_t row) { return RowText(row); });
            List(text, name + ": repeated: ", table.repeated, [&](size_t row) {
                return RowText(row) + ", the program of " + m_list.RowLabel(m_list.Rows()[m_plan.matches[row].earlier]);
            });
            List(text, name + ": not in the reference: ", table.unlisted, [&](size_t k) { return ProgramText(k); });
        }
        return text.str();
    }

    std::string Json() const
    {
        std::string json = "{\"satellite\": ";
        if (const int satellite = SatellitePosition(); satellite >= 0) {
            json += "{\"number\": " + std::to_string(satellite + 1) + ", \"name\": ";
            AppendJsonString(json, SatelliteName(satellite));
            json += "}";
        } else {
            json += "null";
        }
        json += ", \"tables\": [";
        bool first = true;
        for (const ReferencePlan::Table& table : m_plan.tables) {
            if (table.table == EITHER_PROGRAM_TABLE && Unplaced(table) == 0)
                continue;
            json += first ? "\n  {\"table\": " : ",\n  {\"table\": ";
            first = false;
            AppendJsonString(json, TableText(table.table));
            JsonArray(json, "matched", table.matched, [&](std::string& item, size_t row) {
                JsonRow(item, row);
                item += ", \"program\": {";
                JsonProgram(item, static_cast<size_t>(m_plan.matches[row].target));
                item += "}";
            });
            JsonArray(json, "not_found", table.notFound, [&](std::string& item, size_t row) { JsonRow(item, row); });
            JsonArray(json, "ambiguous", table.ambiguous, [&](std::string& item, size_t row) { JsonRow(item, row); });
            JsonArray(json, "repeated", table.repeated, [&](std::string& item, size_t row) {
                JsonRow(item, row);
                item += ", \"earlier\": ";
                AppendJsonString(item, m_list.RowLabel(m_list.Rows()[m_plan.matches[row].earlier]));
            });
            JsonArray(json, "unlisted", table.unlisted, [&](std::string& item, size_t k) { JsonProgram(item, k); });
            json += "}";
        }
        json += "\n]}\n";
        return json;
    }

private:
    static size_t Unplaced(const ReferencePlan::Table& table)
    {
        return table.notFound.size() + table.ambiguous.size() + table.repeated.size();
    }

    // The position of the satellite rows without one were matched against, or -1.
    int SatellitePosition() const
    {
        for (uint16_t s = 0; m_plan.satellite && s < m_db.m_nSatCount; ++s)
            if (m_db.m_SatTable[s].satId == *m_plan.satellite)
                return s;
        return -1;
    }

    std::string SatelliteName(int position) const
    {
        return m_names.ToUtf8(m_db.m_SatTable[position].name, NAME_BYTES);
    }

    std::string RowText(size_t row) const
    {
        const ChannelRow& reference = m_list.Rows()[row];
        return m_list.RowLabel(reference) + " " + QuotedText(reference.Field(COLUMN_NAME));
    }

    std::string ProgramText(size_t k) const
    {
        const ChannelRow& program = m_plan.programs[k];
        return std::string(program.Field(COLUMN_POSITION)) + " " + QuotedText(program.Field(COLUMN_NAME));
    }

    template <typename Line>
    static void List(std::ostringstream& text, const std::string& prefix, const std::vector<size_t>& items, Line line)
    {
        std::vector<std::string> lines;
        for (size_t i = 0; i < items.size() && i <= MAX_LISTED; ++i)
            lines.push_back(line(items[i]));
        lines.resize(items.size());
        for (const std::string& listed : ListedProblems(lines))
            text << prefix << listed << "\n";
    }

    template <typename Item>
    static void JsonArray(std::string& json, const char* key, const std::vector<size_t>& items, Item item)
    {
        json += ", \"";
        json += key;
        json += "\": [";
        for (size_t i = 0; i < items.size(); ++i) {
            json += i ? ", {" : "{";
            item(json, items[i]);
            json += "}";
        }
        json += "]";
    }

    void JsonRow(std::string& json, size_t row) const
    {
        const ChannelRow& reference = m_list.Rows()[row];
        json += "\"row\": ";
        AppendJsonString(json, m_list.RowLabel(reference));
        json += ", \"name\": ";
        AppendJsonString(json, reference.Field(COLUMN_NAME));
    }

    void JsonProgram(std::string& json, size_t k) const
    {
        const ChannelRow& program = m_plan.programs[k];
        json += "\"number\": " + std::string(program.Field(COLUMN_POSITION)) + ", \"name\": ";
        AppendJsonString(json, program.Field(COLUMN_NAME));
    }

    const ReferenceList& m_list;
    const ReferencePlan& m_plan;
    const ChannelDatabase& m_db;
    const CodePageText& m_names;
};

// A satellite by its position (from 1) or its name.
std::optional<uint16_t> FindSatellite(const ChannelDatabase& db, const std::string& text, const CodePageText& names)
{
    if (const auto position = ParseNumber(text))
        return *position >= 1 && *position <= db.m_nSatCount
            ? std::optional<uint16_t>(db.m_SatTable[*position - 1].satId)
            : std::nullopt;
    const std::string key = NameKey(text, names);
    for (uint16_t s = 0; s < db.m_nSatCount; ++s)
        if (NameKey(names.ToUtf8(db.m_SatTable[s].name, NAME_BYTES), names) == key)
            return db.m_SatTable[s].satId;
    return std::nullopt;
}

} // namespace

int RunApply(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("apply", APPLY_USAGE, out, err);
    CliArguments arguments({ "--satellite", "--carry", "--format", "-o" }, { "--delete-unlisted", "--dry-run" });
    int status = EXIT_SAME;
    std::string format;
    if (!command.Parse(arguments, args, 2, status) || !command.Format(arguments, "text", "json", format, status))
        return status;
    const bool dryRun = arguments.Flag("--dry-run");
    const std::optional<std::string> output = arguments.Value("-o");
    if (!output && !dryRun) {
        command.UsageError("-o OUT is missing", status);
        return status;
    }
    const std::optional<std::string> carry = arguments.Value("--carry");
    ReferenceOptions options;
    if (carry) {
        const auto parsed = ParseCarry(*carry);
        if (!parsed) {
            command.UsageError("--carry takes order, names, favorites and locks, not " + *carry, status);
            return status;
        }
        options.carry = *parsed;
    }
    options.deleteUnlisted = arguments.Flag("--delete-unlisted");

    const std::string& imagePath = arguments.Operands()[0];
    const std::string& referencePath = arguments.Operands()[1];
    if (output && !command.DistinctOutput(*output, { referencePath }))
        return EXIT_TROUBLE;
    ImageDocument image;
    std::string bytes;
    if (!command.Load(imagePath, image) || !command.ReadText(referencePath, bytes))
        return EXIT_TROUBLE;
    const CodePageText& names = AnsiCodePageText();
    const ReferenceList list = ReferenceList::FromFile(bytes, names);
    command.Notes(referencePath, ImportProblemLines(list.Errors()));
    if (list.Refused())
        return EXIT_TROUBLE;
    command.Notes(referencePath, ImportProblemLines(list.Remarks()));
    if (!carry)
        options.carry = DefaultCarry(list);
    if (const auto satellite = arguments.Value("--satellite")) {
        options.satellite = FindSatellite(image.Database(), *satellite, names);
        if (!options.satellite)
            return command.Trouble(imagePath, "has no satellite " + QuotedText(*satellite));
    }

    const ReferencePlan plan = PlanReference(image.Database(), list, options, names);
    const ApplyReport report(list, plan, image.Database(), names);
    out << (format == "json" ? report.Json() : report.Text());
    if (plan.namesNotFitting > 0)
        command.Note(referencePath, std::to_string(plan.namesNotFitting)
                + " names are not carried: they do not fit the 12 bytes of a record");
    if (dryRun) {
        command.Note(referencePath, "would: " + plan.changes.summary.Text() + "; nothing is written");
        return EXIT_SAME;
    }
    if (!image.Apply("apply reference list", ImageEdit::Import(plan.changes)))
        return command.Trouble(imagePath, "the database refused the new order; nothing is written");
    if (!command.Save(*output, image))
        return EXIT_TROUBLE;
    command.Note(referencePath, plan.changes.summary.Text() + "; " + *output + " written ("
            + std::to_string(image.FileLength()) + " bytes)");
    return EXIT_SAME;
}
