#include "ChannelDiff.h"

#include "ChannelExport.h"
#include "JsonText.h"

#include <algorithm>

namespace {

constexpr DiffKind KINDS[] = { DiffKind::Removed, DiffKind::Added, DiffKind::Moved, DiffKind::Changed };

bool Compared(int column, int tableId, MatchMode mode)
{
    if (column == COLUMN_TABLE || column == COLUMN_POSITION || column == COLUMN_OFFSET)
        return false;
    if (mode == MatchMode::Reference && (column == COLUMN_SAT_ID || column == COLUMN_TP_ID))
        return false;
    return (ColumnInfoOf(column).ownTables & TableBit(tableId)) != 0;
}

// Which of these values stand in a longest strictly increasing run through
// them, in order: the records that kept their order.
std::vector<bool> InLongestIncreasing(const std::vector<uint32_t>& values)
{
    std::vector<size_t> tails;            // index of the smallest tail of each run length
    std::vector<size_t> previous(values.size(), SIZE_MAX);
    for (size_t i = 0; i < values.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), values[i],
            [&values](size_t k, uint32_t value) { return values[k] < value; });
        if (at != tails.begin())
            previous[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> kept(values.size(), false);
    for (size_t i = tails.empty() ? SIZE_MAX : tails.back(); i != SIZE_MAX; i = previous[i])
        kept[i] = true;
    return kept;
}

void DiffTable(ChannelDiff& diff, int tableId, const std::vector<ChannelRow>& before,
    const std::vector<ChannelRow>& after)
{
    const std::vector<RowMatch> matches = MatchRows(before, after, diff.match, ColumnSet().set());
    std::vector<bool> matchedAfter(after.size(), false);
    std::vector<uint32_t> afterPositions;
    std::vector<size_t> pairs;
    for (size_t i = 0; i < matches.size(); ++i) {
        if (matches[i].outcome != MatchOutcome::Matched)
            continue;
        matchedAfter[matches[i].target] = true;
        afterPositions.push_back(after[matches[i].target].source);
        pairs.push_back(i);
    }

    std::vector<DiffEntry> entries;
    for (size_t i = 0; i < matches.size(); ++i)
        if (matches[i].outcome != MatchOutcome::Matched)
            entries.push_back({ DiffKind::Removed, tableId, before[i], {}, {} });
    for (size_t k = 0; k < after.size(); ++k)
        if (!matchedAfter[k])
            entries.push_back({ DiffKind::Added, tableId, {}, after[k], {} });
    const std::vector<bool> kept = InLongestIncreasing(afterPositions);
    for (size_t p = 0; p < pairs.size(); ++p) {
        const ChannelRow& was = before[pairs[p]];
        const ChannelRow& now = after[matches[pairs[p]].target];
        if (!kept[p])
            entries.push_back({ DiffKind::Moved, tableId, was, now, {} });
        std::vector<int> changed;
        for (int column = 0; column < COLUMN_COUNT; ++column)
            if (Compared(column, tableId, diff.match) && was.Field(column) != now.Field(column))
                changed.push_back(column);
        if (!changed.empty())
            entries.push_back({ DiffKind::Changed, tableId, was, now, std::move(changed) });
    }
    // Removed records by their old place, the others by their new one.
    std::stable_sort(entries.begin(), entries.end(), [](const DiffEntry& x, const DiffEntry& y) {
        const auto place = [](const DiffEntry& e) { return e.kind == DiffKind::Removed ? e.before.source : e.after.source; };
        return x.kind != y.kind ? x.kind < y.kind : place(x) < place(y);
    });
    std::move(entries.begin(), entries.end(), std::back_inserter(diff.entries));
}

} // namespace

std::string DiffValueText(int column, std::string_view value)
{
    if (!ColumnInfoOf(column).number)
        return QuotedText(value);
    return value.empty() ? "none" : std::string(value);
}

ChannelDiff DiffImages(const ChannelDatabase& a, const ChannelDatabase& b, unsigned tables, MatchMode mode,
    const CodePageText& names)
{
    ChannelDiff diff;
    diff.match = mode;
    diff.tables = tables;
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId)
        if ((tables & TableBit(tableId)) != 0)
            DiffTable(diff, tableId, TableRows(a, tableId, names), TableRows(b, tableId, names));
    return diff;
}

MatchMode ChooseDiffMatch(const ChannelDatabase& a, const ChannelDatabase& b, const CodePageText& names)
{
    std::vector<ChannelRow> before;
    std::vector<ChannelRow> after;
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId) {
        std::vector<ChannelRow> rows = TableRows(a, tableId, names);
        before.insert(before.end(), rows.begin(), rows.end());
        rows = TableRows(b, tableId, names);
        after.insert(after.end(), rows.begin(), rows.end());
    }
    return SameImage(before, after, ColumnSet().set()) ? MatchMode::Offset : MatchMode::Reference;
}

const char* DiffKindText(DiffKind kind)
{
    switch (kind) {
    case DiffKind::Removed:
        return "removed";
    case DiffKind::Added:
        return "added";
    case DiffKind::Moved:
        return "moved";
    case DiffKind::Changed:
        break;
    }
    return "changed";
}

std::string DiffPosition(const DiffEntry& entry)
{
    const std::string before(entry.before.Field(COLUMN_POSITION));
    const std::string after(entry.after.Field(COLUMN_POSITION));
    switch (entry.kind) {
    case DiffKind::Removed:
        return before;
    case DiffKind::Moved:
        return before + " -> " + after;
    default:
        return after;
    }
}

std::string DiffLabel(const DiffEntry& entry)
{
    const ChannelRow& row = entry.kind == DiffKind::Removed ? entry.before : entry.after;
    if (entry.table != TABLE_TRANSPONDERS)
        return DiffValueText(COLUMN_NAME, row.Field(COLUMN_NAME));
    return std::string(row.Field(COLUMN_FREQUENCY)) + " polarization " + std::string(row.Field(COLUMN_POLARIZATION))
        + " on " + DiffValueText(COLUMN_SATELLITE_NAME, row.Field(COLUMN_SATELLITE_NAME));
}

std::string DiffDetails(const DiffEntry& entry)
{
    std::string details;
    for (const int column : entry.changedColumns) {
        if (!details.empty())
            details += ", ";
        details += std::string(ColumnInfoOf(column).name) + ": " + DiffValueText(column, entry.before.Field(column))
            + " -> " + DiffValueText(column, entry.after.Field(column));
    }
    return details;
}

std::string DiffLine(const DiffEntry& entry)
{
    std::string line = std::string(TableName(entry.table)) + ": " + DiffKindText(entry.kind) + " "
        + DiffPosition(entry) + " " + DiffLabel(entry);
    if (entry.kind == DiffKind::Changed)
        line += ": " + DiffDetails(entry);
    return line;
}

std::string DiffText(const ChannelDiff& diff)
{
    std::string text;
    for (const DiffEntry& entry : diff.entries)
        text += DiffLine(entry) + '\n';
    return text;
}

std::string DiffJson(const ChannelDiff& diff)
{
    std::string json = "{\n  \"match\": ";
    AppendJsonString(json, diff.match == MatchMode::Offset ? "offset" : "reference");
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId) {
        if ((diff.tables & TableBit(tableId)) == 0)
            continue;
        json += ",\n  ";
        AppendJsonString(json, TableName(tableId));
        json += ": {";
        const char* kindSeparator = "\n    ";
        for (const DiffKind kind : KINDS) {
            json += kindSeparator;
            kindSeparator = ",\n    ";
            AppendJsonString(json, DiffKindText(kind));
            json += ": [";
            const char* separator = "\n      ";
            for (const DiffEntry& entry : diff.entries) {
                if (entry.table != tableId || entry.kind != kind)
                    continue;
                json += separator;
                separator = ",\n      ";
                if (kind == DiffKind::Removed || kind == DiffKind::Added) {
                    AppendJsonRow(json, kind == DiffKind::Removed ? entry.before : entry.after);
                    continue;
                }
                json += "{\"before\": ";
                AppendJsonRow(json, entry.before);
                json += ", \"after\": ";
                AppendJsonRow(json, entry.after);
                if (kind == DiffKind::Changed) {
                    json += ", \"fields\": [";
                    for (size_t i = 0; i < entry.changedColumns.size(); ++i) {
                        const int column = entry.changedColumns[i];
                        json += i == 0 ? "" : ", ";
                        AppendJsonString(json, ColumnInfoOf(column).name);
                    }
                    json += "]";
                }
                json += "}";
            }
            json += separator[0] == ',' ? "\n    ]" : "]";
        }
        json += "\n  }";
    }
    json += "\n}\n";
    return json;
}
