#include "ChannelRows.h"

#include "CodePageText.h"
#include "PrintableText.h"
#include "ValueNames.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <unordered_map>

namespace {

constexpr unsigned SATS = TableBit(TABLE_SATELLITES);
constexpr unsigned TPS = TableBit(TABLE_TRANSPONDERS);
constexpr unsigned PROGS = PROGRAM_TABLES;

constexpr ColumnInfo COLUMNS[COLUMN_COUNT] = {
    { "table", ALL_TABLES, 0, false },
    { "position", ALL_TABLES, 0, true },
    { "offset", ALL_TABLES, 0, false },
    { "name", SATS | PROGS, 0, false },
    { "sat_id", SATS | TPS | PROGS, 0, true },
    { "tp_id", TPS | PROGS, 0, true },
    { "satellite_position", 0, TPS | PROGS, true },
    { "satellite_name", 0, TPS | PROGS, false },
    { "transponder_position", 0, PROGS, true },
    { "frequency", TPS, PROGS, true },
    { "polarization", TPS, PROGS, true },
    { "symbol_rate", TPS, 0, true },
    { "longitude", SATS, 0, true },
    { "lnb_low", SATS, 0, true },
    { "lnb_high", SATS, 0, true },
    { "lnb_type", SATS, 0, true },
    { "lnb_power", SATS, 0, true },
    { "tone_22k", SATS, 0, true },
    { "power_0_12v", SATS, 0, true },
    { "diseqc_10", SATS, 0, true },
    { "diseqc_12", SATS, 0, true },
    { "motor_position", SATS, 0, true },
    { "service_id", PROGS, 0, true },
    { "video_pid", PROGS, 0, true },
    { "audio_pid", PROGS, 0, true },
    { "pcr_pid", PROGS, 0, true },
    { "scramble", PROGS, 0, true },
    { "track", PROGS, 0, true },
    { "child_lock", PROGS, 0, true },
    { "favorites", PROGS, 0, false },
    { "biss_key", PROGS, 0, false },
};

constexpr const char* TABLE_NAMES[TABLE_COUNT] = { "satellites", "transponders", "tv", "radio" };

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Number(uint32_t value)
{
    return std::to_string(value);
}

std::string KeyText(const uint8_t (&key)[8])
{
    char text[17];
    for (int i = 0; i < 8; ++i)
        std::snprintf(text + 2 * i, 3, "%02x", key[i]);
    return std::string(text, 16);
}

// The first record of each id, as the loader's look-ups find them.
template <typename Record, typename IdOf>
std::unordered_map<uint16_t, uint16_t> FirstPositions(const Record* records, uint16_t count, IdOf idOf)
{
    std::unordered_map<uint16_t, uint16_t> positions;
    for (uint16_t i = 0; i < count; ++i)
        positions.try_emplace(idOf(records[i]), i);
    return positions;
}

class RowMaker {
public:
    RowMaker(const ChannelDatabase& db, const CodePageText& names)
        : m_db(db)
        , m_names(names)
        , m_satOfId(FirstPositions(db.m_SatTable, db.m_nSatCount, [](const SatelliteRecord& s) { return s.satId; }))
        , m_tpOfId(FirstPositions(db.m_TpTable, db.m_nTpCount, [](const TransponderRecord& t) { return t.tpId; }))
    {
    }

    const ChannelRow& Satellite(uint16_t position, ChannelRow& row) const
    {
        const SatelliteRecord& sat = m_db.m_SatTable[position];
        Start(row, TABLE_SATELLITES, position, sat.entry);
        row.Set(COLUMN_NAME, m_names.ToUtf8(sat.name, NAME_BYTES));
        row.Set(COLUMN_SAT_ID, Number(sat.satId));
        row.Set(COLUMN_LONGITUDE, Number(sat.longitude));
        row.Set(COLUMN_LNB_LOW, Number(sat.lnbFreLow));
        row.Set(COLUMN_LNB_HIGH, Number(sat.lnbFreHigh));
        row.Set(COLUMN_LNB_TYPE, Number(sat.lnbType));
        row.Set(COLUMN_LNB_POWER, Number(sat.lnbPower));
        row.Set(COLUMN_TONE_22K, Number(sat.tone22k));
        row.Set(COLUMN_POWER_0_12V, Number(sat.power012v));
        row.Set(COLUMN_DISEQC_10, Number(sat.diseqc10));
        row.Set(COLUMN_DISEQC_12, Number(sat.diseqc12En));
        row.Set(COLUMN_MOTOR_POSITION, Number(sat.position));
        return row;
    }

    const ChannelRow& Transponder(uint16_t position, ChannelRow& row) const
    {
        const TransponderRecord& tp = m_db.m_TpTable[position];
        Start(row, TABLE_TRANSPONDERS, position, tp.entry);
        row.Set(COLUMN_SAT_ID, Number(tp.satId));
        row.Set(COLUMN_TP_ID, Number(tp.tpId));
        SetSatellite(row, tp.satId);
        row.Set(COLUMN_FREQUENCY, Number(tp.frequency));
        row.Set(COLUMN_POLARIZATION, Number(tp.polarization));
        row.Set(COLUMN_SYMBOL_RATE, Number(tp.symbolRate));
        return row;
    }

    const ChannelRow& Program(int tableId, uint16_t position, ChannelRow& row) const
    {
        const ProgramRecord& prog = (tableId == TABLE_TV ? m_db.m_TvTable : m_db.m_RadioTable)[position];
        Start(row, tableId, position, prog.entry);
        row.Set(COLUMN_NAME, m_names.ToUtf8(prog.name, NAME_BYTES));
        row.Set(COLUMN_SAT_ID, Number(prog.satId));
        row.Set(COLUMN_TP_ID, Number(prog.tpId));
        SetSatellite(row, prog.satId);
        if (const auto tp = m_tpOfId.find(prog.tpId); tp != m_tpOfId.end()) {
            const TransponderRecord& record = m_db.m_TpTable[tp->second];
            row.Set(COLUMN_TRANSPONDER_POSITION, Number(tp->second + 1u));
            row.Set(COLUMN_FREQUENCY, Number(record.frequency));
            row.Set(COLUMN_POLARIZATION, Number(record.polarization));
        }
        row.Set(COLUMN_SERVICE_ID, Number(prog.serviceId));
        row.Set(COLUMN_VIDEO_PID, Number(prog.videoPid));
        row.Set(COLUMN_AUDIO_PID, Number(prog.audioPid));
        row.Set(COLUMN_PCR_PID, Number(prog.pcrPid));
        row.Set(COLUMN_SCRAMBLE, Number(prog.scramble));
        row.Set(COLUMN_TRACK, Number(prog.track));
        row.Set(COLUMN_CHILD_LOCK, prog.lockBit == 0 ? "1" : "0");
        row.Set(COLUMN_FAVORITES, FavoritesText(prog.favoriteBits));
        row.Set(COLUMN_BISS_KEY, KeyText(prog.bissKey));
        return row;
    }

private:
    static void Start(ChannelRow& row, int tableId, uint16_t position, DirectoryEntry entry)
    {
        row.Clear();
        row.table = tableId;
        row.source = position;
        row.Set(COLUMN_TABLE, TABLE_NAMES[tableId]);
        row.Set(COLUMN_POSITION, Number(position + 1u));
        row.Set(COLUMN_OFFSET, OffsetText(EntryOffset(entry)));
    }

    void SetSatellite(ChannelRow& row, uint16_t satId) const
    {
        const auto sat = m_satOfId.find(satId);
        if (sat == m_satOfId.end())
            return;
        row.Set(COLUMN_SATELLITE_POSITION, Number(sat->second + 1u));
        row.Set(COLUMN_SATELLITE_NAME, m_names.ToUtf8(m_db.m_SatTable[sat->second].name, NAME_BYTES));
    }

    const ChannelDatabase& m_db;
    const CodePageText& m_names;
    std::unordered_map<uint16_t, uint16_t> m_satOfId;
    std::unordered_map<uint16_t, uint16_t> m_tpOfId;
};

} // namespace

const ColumnInfo& ColumnInfoOf(int column)
{
    return COLUMNS[column];
}

int FindColumn(std::string_view name)
{
    for (int column = 0; column < COLUMN_COUNT; ++column)
        if (name == COLUMNS[column].name)
            return column;
    return -1;
}

const char* TableName(int tableId)
{
    return TABLE_NAMES[tableId];
}

int FindTable(std::string_view name)
{
    for (int tableId = 0; tableId < TABLE_COUNT; ++tableId)
        if (name == TABLE_NAMES[tableId])
            return tableId;
    return -1;
}

std::optional<unsigned> ParseTableList(std::string_view text)
{
    if (text == "all")
        return ALL_TABLES;
    unsigned tables = 0;
    while (true) {
        const size_t comma = text.find(',');
        const int tableId = FindTable(text.substr(0, comma));
        if (tableId < 0)
            return std::nullopt;
        tables |= TableBit(tableId);
        if (comma == std::string_view::npos)
            return tables;
        text.remove_prefix(comma + 1);
    }
}

void VisitTableRows(const ChannelDatabase& db, int tableId, const CodePageText& names, ChannelRow& row,
    const std::function<void(const ChannelRow&)>& visit)
{
    const RowMaker maker(db, names);
    switch (tableId) {
    case TABLE_SATELLITES:
        for (uint16_t i = 0; i < db.m_nSatCount; ++i)
            visit(maker.Satellite(i, row));
        break;
    case TABLE_TRANSPONDERS:
        for (uint16_t i = 0; i < db.m_nTpCount; ++i)
            visit(maker.Transponder(i, row));
        break;
    case TABLE_TV:
        for (uint16_t i = 0; i < db.m_nTvCount; ++i)
            visit(maker.Program(TABLE_TV, i, row));
        break;
    case TABLE_RADIO:
        for (uint16_t i = 0; i < db.m_nRadioCount; ++i)
            visit(maker.Program(TABLE_RADIO, i, row));
        break;
    default:
        break;
    }
}

std::vector<ChannelRow> TableRows(const ChannelDatabase& db, int tableId, const CodePageText& names)
{
    std::vector<ChannelRow> rows;
    rows.reserve(tableId == TABLE_SATELLITES ? db.m_nSatCount
            : tableId == TABLE_TRANSPONDERS  ? db.m_nTpCount
            : tableId == TABLE_TV            ? db.m_nTvCount
                                             : db.m_nRadioCount);
    ChannelRow row;
    VisitTableRows(db, tableId, names, row, [&rows](const ChannelRow& made) { rows.push_back(made); });
    return rows;
}

std::vector<ChannelRow> ProgramRows(const ChannelDatabase& db, const CodePageText& names)
{
    std::vector<ChannelRow> rows;
    rows.reserve(size_t(db.m_nTvCount) + db.m_nRadioCount);
    ChannelRow row;
    for (const int tableId : { TABLE_TV, TABLE_RADIO })
        VisitTableRows(db, tableId, names, row, [&rows](const ChannelRow& made) { rows.push_back(made); });
    return rows;
}

std::string QuotedText(std::string_view text)
{
    // Built piece by piece: GCC 12 warns falsely about "\"" + std::string.
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += PrintableText(text);
    quoted += '"';
    return quoted;
}

std::string OffsetText(uint32_t offset)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", offset);
    return text;
}

std::optional<uint32_t> ParseNumber(std::string_view text)
{
    text = Trimmed(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string FavoritesText(uint8_t favoriteBits)
{
    std::string text;
    for (int bit = 1; bit <= 6; ++bit) {
        if ((favoriteBits & (1u << bit)) != 0)
            continue;
        if (!text.empty())
            text += '/';
        text += ValueNames[VALUE_FAVORITE + bit - 1];
    }
    return text;
}

std::optional<uint8_t> ParseFavorites(std::string_view text)
{
    uint8_t bits = 0x7E;
    while (!Trimmed(text).empty()) {
        const size_t slash = text.find('/');
        const std::string_view name = Trimmed(text.substr(0, slash));
        if (!name.empty()) {
            int bit = 1;
            while (bit <= 6 && !SameLetters(name, ValueNames[VALUE_FAVORITE + bit - 1]))
                ++bit;
            if (bit > 6)
                return std::nullopt;
            bits = static_cast<uint8_t>(bits & ~(1u << bit));
        }
        if (slash == std::string_view::npos)
            break;
        text.remove_prefix(slash + 1);
    }
    return bits;
}
