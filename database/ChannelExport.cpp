#include "ChannelExport.h"

#include "ChannelRows.h"
#include "CsvText.h"
#include "JsonText.h"

#include <vector>

namespace {

// Bytes a row takes at most in either form, about; reserved so that the
// text of a full image is not copied over and over while it grows.
constexpr size_t ROW_BYTES = 800;

size_t RowCount(const ChannelDatabase& db, unsigned tables)
{
    const uint16_t counts[TABLE_COUNT] = { db.m_nSatCount, db.m_nTpCount, db.m_nTvCount, db.m_nRadioCount };
    size_t rows = 0;
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId)
        if ((tables & TableBit(tableId)) != 0)
            rows += counts[tableId];
    return rows;
}

std::vector<int> ColumnsOf(unsigned tables)
{
    std::vector<int> columns;
    for (int column = 0; column < COLUMN_COUNT; ++column) {
        const ColumnInfo& info = ColumnInfoOf(column);
        if (((info.ownTables | info.contextTables) & tables) != 0)
            columns.push_back(column);
    }
    return columns;
}

} // namespace

std::string ExportCsv(const ChannelDatabase& db, unsigned tables, const CodePageText& names)
{
    const std::vector<int> columns = ColumnsOf(tables);
    std::vector<std::string> fields;
    for (const int column : columns)
        fields.emplace_back(ColumnInfoOf(column).name);
    std::string csv;
    csv.reserve(RowCount(db, tables) * ROW_BYTES / 3);
    AppendCsvRecord(csv, fields);
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId) {
        if ((tables & TableBit(tableId)) == 0)
            continue;
        ChannelRow made;
        VisitTableRows(db, tableId, names, made, [&](const ChannelRow& row) {
            for (size_t i = 0; i < columns.size(); ++i)
                fields[i] = row.Field(columns[i]);
            AppendCsvRecord(csv, fields);
        });
    }
    return csv;
}

void AppendJsonValue(std::string& json, int column, std::string_view value)
{
    if (value.empty() && ColumnInfoOf(column).number)
        json += "null";
    else if (ColumnInfoOf(column).number)
        json += value;
    else
        AppendJsonString(json, value);
}

void AppendJsonRow(std::string& json, const ChannelRow& row)
{
    const char* separator = "{";
    for (int column = COLUMN_POSITION; column < COLUMN_COUNT; ++column) {
        if (!ColumnApplies(column, row.table))
            continue;
        json += separator;
        separator = ", ";
        AppendJsonString(json, ColumnInfoOf(column).name);
        json += ": ";
        AppendJsonValue(json, column, row.Field(column));
    }
    json += "}";
}

std::string ExportJson(const ChannelDatabase& db, unsigned tables, const CodePageText& names)
{
    std::string json = "{";
    json.reserve(RowCount(db, tables) * ROW_BYTES);
    const char* tableSeparator = "\n";
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId) {
        if ((tables & TableBit(tableId)) == 0)
            continue;
        json += tableSeparator;
        tableSeparator = ",\n";
        json += "  ";
        AppendJsonString(json, TableName(tableId));
        json += ": [";
        const char* rowSeparator = "\n    ";
        ChannelRow made;
        VisitTableRows(db, tableId, names, made, [&](const ChannelRow& row) {
            json += rowSeparator;
            rowSeparator = ",\n    ";
            AppendJsonRow(json, row);
        });
        json += "\n  ]";
    }
    json += "\n}\n";
    return json;
}
