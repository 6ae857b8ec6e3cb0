#pragma once

#include "ChannelDatabase.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CodePageText;

// The columns of an exported channel list, in the order they are written.
// A column is a record's own field in some tables and context (what the
// record belongs to) in others; it stays empty in the rest.
enum ChannelColumn : int {
    COLUMN_TABLE,
    COLUMN_POSITION,
    COLUMN_OFFSET,
    COLUMN_NAME,
    COLUMN_SAT_ID,
    COLUMN_TP_ID,
    COLUMN_SATELLITE_POSITION,
    COLUMN_SATELLITE_NAME,
    COLUMN_TRANSPONDER_POSITION,
    COLUMN_FREQUENCY,
    COLUMN_POLARIZATION,
    COLUMN_SYMBOL_RATE,
    COLUMN_LONGITUDE,
    COLUMN_LNB_LOW,
    COLUMN_LNB_HIGH,
    COLUMN_LNB_TYPE,
    COLUMN_LNB_POWER,
    COLUMN_TONE_22K,
    COLUMN_POWER_0_12V,
    COLUMN_DISEQC_10,
    COLUMN_DISEQC_12,
    COLUMN_MOTOR_POSITION,
    COLUMN_SERVICE_ID,
    COLUMN_VIDEO_PID,
    COLUMN_AUDIO_PID,
    COLUMN_PCR_PID,
    COLUMN_SCRAMBLE,
    COLUMN_TRACK,
    COLUMN_CHILD_LOCK,
    COLUMN_FAVORITES,
    COLUMN_BISS_KEY,
    COLUMN_COUNT
};

// Sets of tables, one bit per table id.
constexpr unsigned TableBit(int tableId) { return 1u << tableId; }
constexpr unsigned PROGRAM_TABLES = TableBit(TABLE_TV) | TableBit(TABLE_RADIO);
constexpr unsigned ALL_TABLES = 0xF;

struct ColumnInfo {
    const char* name;
    unsigned ownTables;     // the record's own field
    unsigned contextTables; // the satellite or transponder the record belongs to
    bool number;            // a JSON number rather than a string
};

const ColumnInfo& ColumnInfoOf(int column);
// The column of a heading, or -1.
int FindColumn(std::string_view name);
inline bool ColumnApplies(int column, int tableId)
{
    const ColumnInfo& info = ColumnInfoOf(column);
    return ((info.ownTables | info.contextTables) & TableBit(tableId)) != 0;
}

// "satellites", "transponders", "tv", "radio".
const char* TableName(int tableId);
// The table of a name, or -1.
int FindTable(std::string_view name);
// A comma-separated list of table names, or "all"; nullopt when a name is unknown.
std::optional<unsigned> ParseTableList(std::string_view text);

// One record of a table as texts, column by column, all in one string: a
// list holds thousands of them.
struct ChannelRow {
    int table = TABLE_TV;
    // The record's position in its table, or the row's number in a file.
    uint32_t source = 0;

    std::string_view Field(int column) const
    {
        return std::string_view(m_text).substr(m_spans[column].start, m_spans[column].length);
    }
    void Set(int column, std::string_view value)
    {
        m_spans[column] = { static_cast<uint32_t>(m_text.size()), static_cast<uint32_t>(value.size()) };
        m_text += value;
    }
    void Clear()
    {
        m_text.clear();
        m_spans.fill({});
    }

private:
    struct Span {
        uint32_t start = 0;
        uint32_t length = 0;
    };
    std::string m_text;
    std::array<Span, COLUMN_COUNT> m_spans {};
};

// Every record of one table, in table order, with names in UTF-8.
std::vector<ChannelRow> TableRows(const ChannelDatabase& db, int tableId, const CodePageText& names);
// Every TV record, then every radio record.
std::vector<ChannelRow> ProgramRows(const ChannelDatabase& db, const CodePageText& names);
// The same rows one after another, each in `row` while `visit` runs.
void VisitTableRows(const ChannelDatabase& db, int tableId, const CodePageText& names, ChannelRow& row,
    const std::function<void(const ChannelRow&)>& visit);

std::string OffsetText(uint32_t offset);
// A field's text in double quotes, as messages show it, control characters escaped.
std::string QuotedText(std::string_view text);
std::optional<uint32_t> ParseNumber(std::string_view text);
// The favourite groups a program is in, as "Movies/News"; empty for none.
std::string FavoritesText(uint8_t favoriteBits);
// Group names separated by '/', in any case and order; nullopt for an unknown name.
std::optional<uint8_t> ParseFavorites(std::string_view text);
