#include "CsvImport.h"

#include "ChannelRows.h"
#include "CodePageText.h"
#include "CsvFileText.h"
#include "CsvText.h"
#include "NameRule.h"
#include "PrintableText.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::string Text(const ChannelRow& row, int column)
{
    return std::string(row.Field(column));
}

bool IsProgramTable(int tableId)
{
    return tableId == TABLE_TV || tableId == TABLE_RADIO;
}

// The rows of a CSV, read record by record: a capacity list has hundreds
// of thousands of fields.
class CsvRowReader {
public:
    CsvRowReader(const CodePageText& names, bool offsetsRequired)
        : m_names(names)
        , m_offsetsRequired(offsetsRequired)
    {
    }

    CsvProgramRows Read(std::string_view csv)
    {
        CsvProgramRows rows;
        const CsvFileText file = DecodeCsvFile(csv, m_names);
        if (file.error) {
            rows.errors.push_back(*file.error);
            return rows;
        }
        rows.remark = file.note;
        CsvReader reader(file.text);
        std::vector<std::string> fields;
        if (!reader.Next(fields)) {
            rows.errors.push_back(reader.Fault().value_or(ImportProblem { ImportProblemKind::EmptyCsv, 0, {}, {} }));
            return rows;
        }
        std::vector<int> columnOf;
        for (const std::string& heading : fields) {
            const int column = FindColumn(heading);
            if (column < 0)
                Error(rows, ImportProblemKind::UnknownColumn, 1, heading);
            else if (rows.columns.test(column))
                Error(rows, ImportProblemKind::ColumnTwice, 1, heading);
            else
                rows.columns.set(column);
            columnOf.push_back(column);
        }
        if (!rows.columns.test(COLUMN_TABLE))
            Error(rows, ImportProblemKind::TableColumnMissing, 1);
        if (!rows.errors.empty())
            return rows;

        while (reader.Next(fields)) {
            const auto row = static_cast<uint32_t>(reader.Row());
            if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); }))
                continue;
            // Spreadsheets may leave out empty cells at the end of a row.
            if (fields.size() > columnOf.size()
                && std::any_of(fields.begin() + columnOf.size(), fields.end(), [](const auto& f) { return !f.empty(); })) {
                Error(rows, ImportProblemKind::MoreFields, row);
                continue;
            }
            fields.resize(columnOf.size());
            ChannelRow channel;
            channel.source = row;
            for (size_t i = 0; i < columnOf.size(); ++i)
                channel.Set(columnOf[i], fields[i]);
            channel.table = FindTable(channel.Field(COLUMN_TABLE));
            if (channel.table < 0) {
                Error(rows, ImportProblemKind::UnknownTable, row, channel.Field(COLUMN_TABLE));
                continue;
            }
            if (!IsProgramTable(channel.table)) {
                ++rows.otherRows;
                continue;
            }
            Canonicalise(channel, rows);
            rows.programs.push_back(std::move(channel));
        }
        // A text that cannot be read is its only fault.
        if (reader.Fault())
            rows.errors.assign(1, *reader.Fault());
        return rows;
    }

private:
    static void Error(CsvProgramRows& rows, ImportProblemKind kind, uint32_t row, std::string_view field = {})
    {
        rows.errors.push_back({ kind, row, { std::string(field) }, {} });
    }

    // Numbers as the export writes them, so that keys compare as texts.
    void Canonicalise(ChannelRow& row, CsvProgramRows& rows) const
    {
        for (int column = 0; column < COLUMN_COUNT; ++column) {
            const std::string_view field = row.Field(column);
            if (!rows.columns.test(column) || !ColumnInfoOf(column).number || field.empty())
                continue;
            if (const auto number = ParseNumber(field))
                row.Set(column, std::to_string(*number));
        }
        if (!rows.columns.test(COLUMN_OFFSET))
            return;
        if (const auto offset = ParseNumber(row.Field(COLUMN_OFFSET)))
            row.Set(COLUMN_OFFSET, OffsetText(*offset));
        else if (m_offsetsRequired)
            Error(rows, ImportProblemKind::OffsetNotNumber, row.source, row.Field(COLUMN_OFFSET));
    }

    const CodePageText& m_names;
    bool m_offsetsRequired;
};

class Planner {
public:
    Planner(const ChannelDatabase& db, const ImportOptions& options, const CodePageText& names)
        : m_db(db)
        , m_options(options)
        , m_names(names)
    {
    }

    ImportPlan Plan(std::string_view csv)
    {
        const CsvProgramRows rows = ReadCsvProgramRows(
            csv, m_names, m_options.match == MatchMode::Offset && !m_options.chooseMatch);
        m_plan.errors = rows.errors;
        if (rows.remark)
            m_plan.remarks.push_back(*rows.remark);
        if (m_plan.Refused())
            return std::move(m_plan);
        m_plan.summary.rowsRead = rows.programs.size() + rows.otherRows;
        m_plan.summary.programRows = rows.programs.size();
        if (m_options.deleteMissing && rows.programs.empty()) {
            m_plan.errors.push_back({ ImportProblemKind::NothingToKeep, 0, {}, {} });
            return std::move(m_plan);
        }
        if (rows.otherRows > 0)
            m_plan.notes.push_back({ ImportProblemKind::OtherRowsNotApplied, 0, {}, { rows.otherRows } });

        const std::vector<ChannelRow> image = ProgramRows(m_db, m_names);

        m_plan.match = m_options.match;
        if (m_options.chooseMatch)
            m_plan.match = SameImage(rows.programs, image, rows.columns) ? MatchMode::Offset : MatchMode::Reference;
        if (!CanMatch(rows))
            return std::move(m_plan);

        Start(m_plan.tv, m_db.m_TvTable, m_db.m_nTvCount);
        Start(m_plan.radio, m_db.m_RadioTable, m_db.m_nRadioCount);
        const std::vector<RowMatch> matches = MatchRows(rows.programs, image, m_plan.match, rows.columns);
        for (size_t i = 0; i < matches.size(); ++i)
            PlanRow(rows.programs[i], matches[i], image, rows);
        if (m_plan.Refused())
            return std::move(m_plan);
        if (m_plan.match == MatchMode::Offset)
            RemarkIgnoredEdits(rows, matches, image);
        // A CSV of TV programs only says nothing about the radio programs.
        for (const int tableId : { TABLE_TV, TABLE_RADIO })
            TableOf(tableId).deleteUnlisted = m_options.deleteMissing
                && std::any_of(rows.programs.begin(), rows.programs.end(),
                    [tableId](const ChannelRow& row) { return row.table == tableId; });
        DescribeImportOrder(m_db, m_plan, "CSV", m_names);
        return std::move(m_plan);
    }

private:
    void Error(ImportProblemKind kind, const ChannelRow& row, std::vector<std::string> texts,
        std::vector<uint64_t> numbers = {})
    {
        m_plan.errors.push_back({ kind, row.source, std::move(texts), std::move(numbers) });
    }

    bool CanMatch(const CsvProgramRows& rows)
    {
        const ColumnSet& c = rows.columns;
        if (m_plan.match == MatchMode::Offset && !c.test(COLUMN_OFFSET))
            m_plan.errors.push_back({ ImportProblemKind::OffsetColumnMissing, 0, {}, {} });
        const bool byService = c.test(COLUMN_SERVICE_ID) && c.test(COLUMN_FREQUENCY) && c.test(COLUMN_POLARIZATION);
        if (m_plan.match == MatchMode::Reference && !byService && !c.test(COLUMN_NAME))
            m_plan.errors.push_back({ ImportProblemKind::ReferenceColumnsMissing, 0, {}, {} });
        return !m_plan.Refused();
    }

    static void Start(ImportPlan::ProgramTable& table, const ProgramRecord* records, uint16_t count)
    {
        for (uint16_t i = 0; i < count; ++i)
            table.entries.push_back(records[i].entry);
    }

    ImportPlan::ProgramTable& TableOf(int tableId) { return tableId == TABLE_TV ? m_plan.tv : m_plan.radio; }

    void PlanRow(const ChannelRow& row, const RowMatch& match, const std::vector<ChannelRow>& image, const CsvProgramRows& rows)
    {
        const auto note = [&](ImportProblemKind kind, std::vector<std::string> texts, std::vector<uint64_t> numbers) {
            texts.insert(texts.begin(), Text(row, COLUMN_NAME));
            m_plan.notes.push_back({ kind, row.source, std::move(texts), std::move(numbers) });
        };
        const bool byOffset = m_plan.match == MatchMode::Offset;
        if (match.outcome != MatchOutcome::Matched)
            ++m_plan.summary.notPlaced;
        switch (match.outcome) {
        case MatchOutcome::Unmatched:
            if (byOffset)
                note(ImportProblemKind::NoProgramAtOffset, { Text(row, COLUMN_OFFSET) }, { uint64_t(row.table) });
            else
                note(ImportProblemKind::NoSuchProgram, {}, {});
            return;
        case MatchOutcome::Ambiguous:
            note(ImportProblemKind::SeveralPrograms, {}, {});
            return;
        case MatchOutcome::Repeated:
            if (byOffset)
                Error(ImportProblemKind::OffsetTwice, row, { Text(row, COLUMN_OFFSET) },
                    { rows.programs[match.earlier].source });
            else
                note(ImportProblemKind::SameProgram, {}, { rows.programs[match.earlier].source });
            return;
        case MatchOutcome::Matched:
            break;
        }

        const ChannelRow& found = image[match.target];
        if (byOffset && rows.columns.test(COLUMN_SERVICE_ID)
            && row.Field(COLUMN_SERVICE_ID) != found.Field(COLUMN_SERVICE_ID)) {
            Error(ImportProblemKind::ServiceIdDiffers, row,
                { Text(row, COLUMN_OFFSET), Text(found, COLUMN_SERVICE_ID), Text(row, COLUMN_SERVICE_ID) });
            return;
        }
        ImportPlan::ProgramTable& table = TableOf(found.table);
        const uint16_t position = static_cast<uint16_t>(found.source);
        table.listed.push_back(position);

        ProgramRecord prog = (found.table == TABLE_TV ? m_db.m_TvTable : m_db.m_RadioTable)[position];
        // Numbered by the place the program takes, as a diff of the result numbers it.
        const std::string where = std::string(TableName(found.table)) + " " + std::to_string(table.listed.size())
            + " " + QuotedText(found.Field(COLUMN_NAME)) + ": ";
        const size_t changesBefore = m_plan.changes.size();
        auto describe = [&](int column, const std::string& now) {
            m_plan.changes.push_back(
                where + ColumnInfoOf(column).name + " " + QuotedText(found.Field(column)) + " -> " + QuotedText(now));
        };
        if (rows.columns.test(COLUMN_NAME) && row.Field(COLUMN_NAME) != found.Field(COLUMN_NAME)
            && NewName(row, prog)) {
            describe(COLUMN_NAME, m_names.ToUtf8(prog.name, NAME_BYTES));
            ++m_plan.summary.renamed;
        }
        if (rows.columns.test(COLUMN_CHILD_LOCK) && row.Field(COLUMN_CHILD_LOCK) != found.Field(COLUMN_CHILD_LOCK)
            && NewLock(row, prog)) {
            describe(COLUMN_CHILD_LOCK, prog.lockBit == 0 ? "1" : "0");
            ++m_plan.summary.locksChanged;
        }
        if (rows.columns.test(COLUMN_FAVORITES) && NewFavorites(row, prog)) {
            describe(COLUMN_FAVORITES, FavoritesText(prog.favoriteBits));
            ++m_plan.summary.favouritesChanged;
        }
        if (m_plan.changes.size() > changesBefore)
            table.writes.push_back(prog);
    }

    bool NewName(const ChannelRow& row, ProgramRecord& prog)
    {
        const std::string name = Text(row, COLUMN_NAME);
        std::string bytes;
        const NameCheck check = CheckNameText(name, m_names, bytes);
        const auto codePage = static_cast<uint64_t>(m_names.CodePage());
        if (check.controlCharacter) {
            Error(ImportProblemKind::NameControlCharacter, row, { name, name.substr(FindControlCharacter(name), 1) });
            return false;
        }
        if (check.outsideCodePage) {
            Error(ImportProblemKind::NameOutsideCodePage, row, { name }, { codePage });
            return false;
        }
        if (check.tooLong) {
            Error(ImportProblemKind::NameTooLong, row, { name }, { bytes.size(), codePage, NAME_BYTES });
            return false;
        }
        // As the editor stores a name: its bytes and an ending zero, the
        // rest of the field as it was.
        std::memcpy(prog.name, bytes.data(), bytes.size());
        prog.name[bytes.size()] = 0;
        return true;
    }

    bool NewLock(const ChannelRow& row, ProgramRecord& prog)
    {
        const std::string_view lock = row.Field(COLUMN_CHILD_LOCK);
        if (lock != "0" && lock != "1") {
            Error(ImportProblemKind::BadChildLock, row, { std::string(lock) });
            return false;
        }
        prog.lockBit = lock == "1" ? 0 : 1;
        return true;
    }

    bool NewFavorites(const ChannelRow& row, ProgramRecord& prog)
    {
        const auto bits = ParseFavorites(row.Field(COLUMN_FAVORITES));
        if (!bits) {
            Error(ImportProblemKind::BadFavorites, row, { Text(row, COLUMN_FAVORITES) });
            return false;
        }
        if (*bits == prog.favoriteBits)
            return false;
        prog.favoriteBits = *bits;
        return true;
    }

    // Edits in the columns an import does not apply would otherwise vanish
    // without a word; one remark per column.
    void RemarkIgnoredEdits(const CsvProgramRows& rows, const std::vector<RowMatch>& matches,
        const std::vector<ChannelRow>& image)
    {
        for (int column = 0; column < COLUMN_COUNT; ++column) {
            if (!rows.columns.test(column) || IsApplied(column))
                continue;
            size_t differing = 0;
            for (size_t i = 0; i < matches.size(); ++i) {
                const std::string_view field = rows.programs[i].Field(column);
                if (matches[i].outcome == MatchOutcome::Matched && !field.empty()
                    && field != image[matches[i].target].Field(column))
                    ++differing;
            }
            if (differing > 0)
                m_plan.remarks.push_back(
                    { ImportProblemKind::IgnoredEdits, 0, { ColumnInfoOf(column).name }, { differing } });
        }
    }

    static bool IsApplied(int column)
    {
        return column == COLUMN_TABLE || column == COLUMN_POSITION || column == COLUMN_OFFSET
            || column == COLUMN_NAME || column == COLUMN_CHILD_LOCK || column == COLUMN_FAVORITES;
    }

    const ChannelDatabase& m_db;
    const ImportOptions& m_options;
    const CodePageText& m_names;
    ImportPlan m_plan;
};

bool Unchanged(const ChannelDatabase& db, const ImportPlan& plan)
{
    auto same = [](const std::vector<DirectoryEntry>& entries, const ProgramRecord* records, uint16_t count) {
        if (entries.size() != count)
            return false;
        for (uint16_t i = 0; i < count; ++i)
            if (entries[i] != records[i].entry)
                return false;
        return true;
    };
    return same(plan.tv.entries, db.m_TvTable, db.m_nTvCount)
        && same(plan.radio.entries, db.m_RadioTable, db.m_nRadioCount);
}

// The row of a program in the program list of its tab, which DeletePrograms
// takes: the TV tab lists the TV table's programs with a video PID, the
// radio tab the others and then the radio table.
struct TabRows {
    std::vector<uint16_t> tv;
    std::vector<uint16_t> radio;
};

TabRows RowsToDelete(const ChannelDatabase& db, const std::vector<bool>& deleteTv,
    const std::vector<bool>& deleteRadio)
{
    TabRows rows;
    uint16_t tvRow = 0;
    uint16_t radioRow = 0;
    for (uint16_t i = 0; i < db.m_nTvCount; ++i) {
        const bool tvKind = db.m_TvTable[i].videoPid != 0;
        if (deleteTv[i])
            (tvKind ? rows.tv : rows.radio).push_back(tvKind ? tvRow : radioRow);
        ++(tvKind ? tvRow : radioRow);
    }
    for (uint16_t i = 0; i < db.m_nRadioCount; ++i, ++radioRow)
        if (deleteRadio[i])
            rows.radio.push_back(radioRow);
    return rows;
}

std::vector<bool> Unlisted(const ImportPlan::ProgramTable& table)
{
    std::vector<bool> unlisted(table.entries.size(), table.deleteUnlisted);
    for (const uint16_t position : table.listed)
        unlisted[position] = false;
    return unlisted;
}

// The listed programs first, in the CSV's order, then the others in their
// old order; positions counted after the deletes.
std::vector<uint16_t> NewOrder(const ImportPlan::ProgramTable& table, const std::vector<bool>& deleted)
{
    std::vector<uint16_t> afterDeletes(table.entries.size());
    uint16_t kept = 0;
    for (size_t i = 0; i < deleted.size(); ++i)
        afterDeletes[i] = deleted[i] ? 0xFFFF : kept++;
    std::vector<uint16_t> order;
    std::vector<bool> listed(table.entries.size(), false);
    for (const uint16_t position : table.listed) {
        order.push_back(afterDeletes[position]);
        listed[position] = true;
    }
    for (size_t i = 0; i < listed.size(); ++i)
        if (!listed[i] && !deleted[i])
            order.push_back(afterDeletes[i]);
    for (uint16_t k = 0; k < order.size(); ++k)
        if (order[k] != k)
            return order;
    return {};
}

bool ApplySteps(ChannelDatabase& db, const ImportPlan& plan)
{
    for (const ProgramRecord& prog : plan.tv.writes)
        db.WriteProgram(prog, 0);
    for (const ProgramRecord& prog : plan.radio.writes)
        db.WriteProgram(prog, 1);
    if (!db.DecodeDatabase())
        return false;

    const std::vector<bool> deleteTv = Unlisted(plan.tv);
    const std::vector<bool> deleteRadio = Unlisted(plan.radio);
    const TabRows rows = RowsToDelete(db, deleteTv, deleteRadio);
    // Deleting from the TV tab leaves the radio tab's rows where they were.
    if (!rows.tv.empty()) {
        db.DeletePrograms(rows.tv, LIST_PROGRAMS, 0);
        if (!db.DecodeDatabase())
            return false;
    }
    if (!rows.radio.empty()) {
        db.DeletePrograms(rows.radio, LIST_PROGRAMS, 1);
        if (!db.DecodeDatabase())
            return false;
    }

    const std::pair<int, std::vector<uint16_t>> orders[] = {
        { REORDER_TV, NewOrder(plan.tv, deleteTv) },
        { REORDER_RADIO, NewOrder(plan.radio, deleteRadio) },
    };
    for (const auto& [kind, order] : orders) {
        if (order.empty())
            continue;
        if (!db.ReorderRecords(kind, order) || !db.DecodeDatabase())
            return false;
    }
    return true;
}

} // namespace

std::string ImportSummary::Text() const
{
    return std::to_string(rowsRead) + (rowsRead == 1 ? " row" : " rows") + " read, " + std::to_string(moved)
        + " moved, " + std::to_string(renamed) + " renamed, " + std::to_string(locksChanged) + " locks and "
        + std::to_string(favouritesChanged) + " favourites changed, " + std::to_string(deleted) + " deleted, "
        + std::to_string(notPlaced) + " not placed";
}

void DescribeImportOrder(const ChannelDatabase& db, ImportPlan& plan, const std::string& source,
    const CodePageText& names)
{
    for (const int tableId : { TABLE_TV, TABLE_RADIO }) {
        ImportPlan::ProgramTable& table = tableId == TABLE_TV ? plan.tv : plan.radio;
        std::vector<bool> listed(table.entries.size(), false);
        size_t moved = 0;
        for (size_t k = 0; k < table.listed.size(); ++k) {
            listed[table.listed[k]] = true;
            if (table.listed[k] != k)
                ++moved;
        }
        const std::vector<ChannelRow> rows = table.deleteUnlisted ? TableRows(db, tableId, names)
                                                                  : std::vector<ChannelRow>();
        size_t next = table.listed.size();
        for (uint16_t position = 0; position < listed.size(); ++position) {
            if (listed[position])
                continue;
            if (table.deleteUnlisted) {
                plan.changes.push_back(std::string(TableName(tableId)) + " " + Text(rows[position], COLUMN_POSITION)
                    + " " + QuotedText(rows[position].Field(COLUMN_NAME)) + ": deleted, the " + source
                    + " does not list it");
                ++plan.summary.deleted;
            } else if (position != next) {
                ++moved;
            }
            ++next;
        }
        plan.summary.moved += moved;
        if (moved > 0)
            plan.changes.push_back(std::string(TableName(tableId)) + ": " + std::to_string(moved) + " of "
                + std::to_string(table.entries.size()) + " programs take a new place");
    }
    plan.summary.placed = plan.tv.listed.size() + plan.radio.listed.size();
}

CsvProgramRows ReadCsvProgramRows(std::string_view csv, const CodePageText& names, bool offsetsRequired)
{
    return CsvRowReader(names, offsetsRequired).Read(csv);
}

ImportPlan PlanImport(const ChannelDatabase& db, std::string_view csv, const ImportOptions& options,
    const CodePageText& names)
{
    return Planner(db, options, names).Plan(csv);
}

bool ApplyImport(ChannelDatabase& db, const ImportPlan& plan)
{
    if (plan.Refused() || !Unchanged(db, plan))
        return false;
    // What a refused step puts back. One buffer per thread, kept: under
    // AddressSanitizer a fresh megabyte for every import cost the import
    // fuzzers a third of their time.
    thread_local std::vector<uint8_t> before(IMAGE_SIZE);
    std::memcpy(before.data(), db.m_Image, IMAGE_SIZE);
    if (ApplySteps(db, plan))
        return true;
    std::memcpy(db.m_Image, before.data(), IMAGE_SIZE);
    db.DecodeDatabase();
    return false;
}
