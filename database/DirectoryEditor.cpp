// Deletes and moves: they change only which entries the directory tables
// list and in which order; the records stay where they are.

#include "ChannelDatabase.h"
#include "DirectoryStaging.h"
#include "RecordDeletes.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace {

void CompactAndRebuild(ChannelDatabase& db, DirectoryStaging& staging)
{
    staging.CompactTable(TABLE_TV);
    staging.CompactTable(TABLE_RADIO);
    staging.CompactTable(TABLE_TRANSPONDERS);
    staging.CompactTable(TABLE_SATELLITES);
    staging.RebuildDirectoryBlock(db);
}

// The rows of a program list stand for the records it shows; a record may
// be listed under the tab other than its table, so its entry is looked for
// in the tab's table first and then in the other one.
void MarkProgram(DirectoryStaging& staging, const ProgramRecord& prog, int radioFlag)
{
    const int tabTable = radioFlag == 0 ? TABLE_TV : TABLE_RADIO;
    const int otherTable = radioFlag == 0 ? TABLE_RADIO : TABLE_TV;
    if (!staging.Mark(tabTable, prog.entry))
        staging.Mark(otherTable, prog.entry);
}

template <typename Select>
void MarkPrograms(const ChannelDatabase& db, DirectoryStaging& staging, Select select)
{
    for (uint16_t p = 0; p < db.m_nTvCount; ++p)
        if (select(db.m_TvTable[p]))
            staging.Mark(TABLE_TV, db.m_TvTable[p].entry);
    for (uint16_t p = 0; p < db.m_nRadioCount; ++p)
        if (select(db.m_RadioTable[p]))
            staging.Mark(TABLE_RADIO, db.m_RadioTable[p].entry);
}

// A satellite takes the transponders and programs of its id with it.
void MarkSatellite(const ChannelDatabase& db, DirectoryStaging& staging, const SatelliteRecord& sat)
{
    const uint16_t satId = sat.satId;
    MarkPrograms(db, staging, [satId](const ProgramRecord& prog) { return prog.satId == satId; });
    for (uint16_t t = 0; t < db.m_nTpCount; ++t)
        if (db.m_TpTable[t].satId == satId)
            staging.Mark(TABLE_TRANSPONDERS, db.m_TpTable[t].entry);
    staging.Mark(TABLE_SATELLITES, sat.entry);
}

// A transponder takes the programs of its id with it.
void MarkTransponder(const ChannelDatabase& db, DirectoryStaging& staging, const TransponderRecord& tp)
{
    const uint16_t tpId = tp.tpId;
    MarkPrograms(db, staging, [tpId](const ProgramRecord& prog) { return prog.tpId == tpId; });
    staging.Mark(TABLE_TRANSPONDERS, tp.entry);
}

// Where each record offset is first listed, by table.
class OffsetIndex {
public:
    explicit OffsetIndex(const ChannelDatabase& db)
    {
        Add(TABLE_SATELLITES, db.m_SatTable, db.m_nSatCount);
        Add(TABLE_TRANSPONDERS, db.m_TpTable, db.m_nTpCount);
        Add(TABLE_TV, db.m_TvTable, db.m_nTvCount);
        Add(TABLE_RADIO, db.m_RadioTable, db.m_nRadioCount);
    }

    std::optional<uint16_t> Find(const RecordKey& key) const
    {
        if (key.table < 0 || key.table >= TABLE_COUNT)
            return std::nullopt;
        const auto& positions = m_positions[key.table];
        const auto hit = positions.find(key.offset);
        return hit == positions.end() ? std::nullopt : std::optional(hit->second);
    }

private:
    template <typename Record>
    void Add(int table, const Record* records, uint16_t count)
    {
        for (uint16_t i = 0; i < count; ++i)
            m_positions[table].emplace(EntryOffset(records[i].entry), i);
    }

    std::unordered_map<uint32_t, uint16_t> m_positions[TABLE_COUNT];
};

void MarkRecord(const ChannelDatabase& db, DirectoryStaging& staging, const OffsetIndex& index, const RecordKey& key)
{
    const std::optional<uint16_t> position = index.Find(key);
    if (!position)
        return;
    switch (key.table) {
    case TABLE_SATELLITES:
        MarkSatellite(db, staging, db.m_SatTable[*position]);
        break;
    case TABLE_TRANSPONDERS:
        MarkTransponder(db, staging, db.m_TpTable[*position]);
        break;
    case TABLE_TV:
        staging.Mark(TABLE_TV, db.m_TvTable[*position].entry);
        break;
    default:
        staging.Mark(TABLE_RADIO, db.m_RadioTable[*position].entry);
        break;
    }
}

bool IsPermutation(std::span<const uint16_t> order)
{
    std::vector<bool> seen(order.size(), false);
    for (uint16_t row : order) {
        if (row >= order.size() || seen[row])
            return false;
        seen[row] = true;
    }
    return true;
}

// The decoded tables must still describe the image, entry for entry:
// otherwise the new order would be built from records that are gone.
bool TablesMatchStaging(const ChannelDatabase& db, const DirectoryStaging& staging)
{
    auto matches = [&staging](int tableId, auto* records, uint16_t count) {
        if (staging.Count(tableId) != count)
            return false;
        for (uint16_t i = 0; i < count; ++i)
            if (staging.Entry(tableId, i) != records[i].entry)
                return false;
        return true;
    };
    return matches(TABLE_SATELLITES, db.m_SatTable, db.m_nSatCount)
        && matches(TABLE_TRANSPONDERS, db.m_TpTable, db.m_nTpCount) && matches(TABLE_TV, db.m_TvTable, db.m_nTvCount)
        && matches(TABLE_RADIO, db.m_RadioTable, db.m_nRadioCount);
}

// Rewrites the entries at `positions` so that they stand grouped by rank,
// lowest first; within a rank, and among the unranked that follow all
// others, they keep their old relative order.
template <typename RankOf>
void RegroupPositions(DirectoryStaging& staging, int tableId, const std::vector<uint16_t>& positions,
    const ProgramRecord* records, RankOf rankOf)
{
    std::vector<std::pair<uint32_t, DirectoryEntry>> ranked;
    ranked.reserve(positions.size());
    for (uint16_t position : positions)
        ranked.emplace_back(rankOf(records[position]), records[position].entry);
    std::stable_sort(ranked.begin(), ranked.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t k = 0; k < positions.size(); ++k)
        staging.SetEntry(tableId, positions[k], ranked[k].second);
}

std::vector<uint16_t> AllPositions(uint16_t count)
{
    std::vector<uint16_t> positions(count);
    for (uint16_t i = 0; i < count; ++i)
        positions[i] = i;
    return positions;
}

template <typename Record, typename Select>
std::vector<uint16_t> PositionsWhere(const Record* records, uint16_t count, Select select)
{
    std::vector<uint16_t> positions;
    for (uint16_t i = 0; i < count; ++i)
        if (select(records[i]))
            positions.push_back(i);
    return positions;
}

// A list row set may only be reordered when its entries are exactly the
// entries standing at the positions it is redistributed over.
template <typename Record>
bool SameEntries(const DirectoryStaging& staging, int tableId, const std::vector<uint16_t>& positions,
    const Record* list, size_t n)
{
    if (positions.size() != n)
        return false;
    std::vector<DirectoryEntry> staged, listed;
    for (uint16_t position : positions)
        staged.push_back(staging.Entry(tableId, position));
    for (size_t k = 0; k < n; ++k)
        listed.push_back(list[k].entry);
    std::sort(staged.begin(), staged.end());
    std::sort(listed.begin(), listed.end());
    return staged == listed;
}

// For each id, the first position at which a record of that id stands in
// a new order; ids that the order does not hold rank after all others.
class IdRanks {
public:
    // idAt(k) is the id of the record at position k of the new order.
    template <typename IdAt>
    IdRanks(size_t n, IdAt idAt)
        : m_unranked(static_cast<uint32_t>(n))
    {
        m_ranks.reserve(n);
        for (size_t k = 0; k < n; ++k)
            m_ranks.emplace_back(idAt(k), static_cast<uint32_t>(k));
        std::stable_sort(m_ranks.begin(), m_ranks.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    uint32_t RankOf(uint16_t id) const
    {
        const auto hit = std::lower_bound(m_ranks.begin(), m_ranks.end(), id,
            [](const auto& rank, uint16_t wanted) { return rank.first < wanted; });
        return hit != m_ranks.end() && hit->first == id ? hit->second : m_unranked;
    }

private:
    std::vector<std::pair<uint16_t, uint32_t>> m_ranks;
    uint32_t m_unranked;
};

bool ReorderTable(DirectoryStaging& staging, int tableId, const ProgramRecord* table, std::span<const uint16_t> order)
{
    if (order.size() != staging.Count(tableId))
        return false;
    for (size_t k = 0; k < order.size(); ++k)
        staging.SetEntry(tableId, static_cast<uint16_t>(k), table[order[k]].entry);
    return true;
}

bool ReorderSatellites(const ChannelDatabase& db, DirectoryStaging& staging, std::span<const uint16_t> order)
{
    const size_t n = order.size();
    if (n != staging.Count(TABLE_SATELLITES))
        return false;
    for (size_t k = 0; k < n; ++k)
        staging.SetEntry(TABLE_SATELLITES, static_cast<uint16_t>(k), db.m_SatTable[order[k]].entry);
    // A program goes with the first satellite of its id in the new order;
    // programs of no listed satellite follow all others.
    const IdRanks ranks(n, [&](size_t k) { return db.m_SatTable[order[k]].satId; });
    auto rankOf = [&ranks](const ProgramRecord& prog) { return ranks.RankOf(prog.satId); };
    RegroupPositions(staging, TABLE_TV, AllPositions(db.m_nTvCount), db.m_TvTable, rankOf);
    RegroupPositions(staging, TABLE_RADIO, AllPositions(db.m_nRadioCount), db.m_RadioTable, rankOf);
    return true;
}

bool ReorderSatelliteTransponders(const ChannelDatabase& db, DirectoryStaging& staging,
    std::span<const uint16_t> order)
{
    const size_t n = order.size();
    if (n != db.m_nSatTpCount || n > MAX_SAT_TPS)
        return false;
    if (n == 0)
        return true;
    const uint16_t satId = db.m_SatTpList[0].satId;
    const std::vector<uint16_t> tpPositions = PositionsWhere(db.m_TpTable, db.m_nTpCount,
        [satId](const TransponderRecord& tp) { return tp.satId == satId; });
    if (!SameEntries(staging, TABLE_TRANSPONDERS, tpPositions, db.m_SatTpList, n))
        return false;

    for (size_t k = 0; k < n; ++k)
        staging.SetEntry(TABLE_TRANSPONDERS, tpPositions[k], db.m_SatTpList[order[k]].entry);
    // A program goes with the first transponder of its id in the new order;
    // programs on a transponder outside the list follow all others.
    const IdRanks ranks(n, [&](size_t k) { return db.m_SatTpList[order[k]].tpId; });
    auto rankOf = [&ranks](const ProgramRecord& prog) { return ranks.RankOf(prog.tpId); };
    auto ofSatellite = [satId](const ProgramRecord& prog) { return prog.satId == satId; };
    RegroupPositions(staging, TABLE_TV, PositionsWhere(db.m_TvTable, db.m_nTvCount, ofSatellite), db.m_TvTable,
        rankOf);
    RegroupPositions(staging, TABLE_RADIO, PositionsWhere(db.m_RadioTable, db.m_nRadioCount, ofSatellite),
        db.m_RadioTable, rankOf);
    return true;
}

bool ReorderTransponderPrograms(DirectoryStaging& staging, int tableId, const ProgramRecord* table,
    uint16_t tableCount, const ProgramRecord* list, uint16_t listCount, uint16_t listCapacity,
    std::span<const uint16_t> order)
{
    const size_t n = order.size();
    if (n > std::min(listCount, listCapacity))
        return false;
    if (n == 0)
        return true;
    const uint16_t tpId = list[0].tpId;
    const std::vector<uint16_t> positions
        = PositionsWhere(table, tableCount, [tpId](const ProgramRecord& prog) { return prog.tpId == tpId; });
    if (!SameEntries(staging, tableId, positions, list, n))
        return false;
    for (size_t k = 0; k < n; ++k)
        staging.SetEntry(tableId, positions[k], list[order[k]].entry);
    return true;
}

} // namespace

void DeleteRecords(ChannelDatabase& db, std::span<const RecordKey> records)
{
    DirectoryStaging staging;
    if (!staging.Stage(db))
        return;
    const OffsetIndex index(db);
    for (const RecordKey& key : records)
        MarkRecord(db, staging, index, key);
    CompactAndRebuild(db, staging);
}

// The rows name the very entries they show, so an entry listed twice for one
// record goes, not the first listing of its offset.
void ChannelDatabase::DeleteSatellites(std::span<const uint16_t> rows)
{
    DirectoryStaging staging;
    if (!staging.Stage(*this))
        return;
    for (uint16_t row : rows)
        if (row < m_nSatCount)
            MarkSatellite(*this, staging, m_SatTable[row]);
    CompactAndRebuild(*this, staging);
}

void ChannelDatabase::DeleteTransponders(std::span<const uint16_t> rows)
{
    DirectoryStaging staging;
    if (!staging.Stage(*this))
        return;
    const uint16_t listCount = std::min(m_nSatTpCount, MAX_SAT_TPS);
    for (uint16_t row : rows)
        if (row < listCount)
            MarkTransponder(*this, staging, m_SatTpList[row]);
    CompactAndRebuild(*this, staging);
}

void ChannelDatabase::DeletePrograms(std::span<const uint16_t> rows, int listType, int radioFlag)
{
    DirectoryStaging staging;
    if (!staging.Stage(*this))
        return;
    if (listType == LIST_PROGRAMS) {
        // The list shows the programs of the tab's kind in m_ProgTable order.
        const bool radio = radioFlag != 0;
        const std::vector<uint16_t> shown = PositionsWhere(m_ProgTable, m_nProgCount,
            [radio](const ProgramRecord& prog) { return (prog.videoPid == 0) == radio; });
        for (uint16_t row : rows)
            if (row < shown.size())
                MarkProgram(staging, m_ProgTable[shown[row]], radioFlag);
    } else if (listType == LIST_TP_PROGRAMS) {
        const ProgramRecord* list = radioFlag == 0 ? m_TpTvList : m_TpRadioList;
        const uint16_t listCount
            = radioFlag == 0 ? std::min(m_nTpTvCount, MAX_TP_TV) : std::min(m_nTpRadioCount, MAX_TP_RADIO);
        for (uint16_t row : rows)
            if (row < listCount)
                MarkProgram(staging, list[row], radioFlag);
    }
    CompactAndRebuild(*this, staging);
}

int ChannelDatabase::ReorderRecords(int kind, std::span<const uint16_t> order)
{
    DirectoryStaging staging;
    if (!staging.Stage(*this) || !TablesMatchStaging(*this, staging) || !IsPermutation(order))
        return 0;

    bool accepted = true;
    switch (kind) {
    case REORDER_SATELLITES:
        accepted = ReorderSatellites(*this, staging, order);
        break;
    case REORDER_TV:
        accepted = ReorderTable(staging, TABLE_TV, m_TvTable, order);
        break;
    case REORDER_RADIO:
        accepted = ReorderTable(staging, TABLE_RADIO, m_RadioTable, order);
        break;
    case REORDER_SAT_TPS:
        accepted = ReorderSatelliteTransponders(*this, staging, order);
        break;
    case REORDER_TP_TV:
        accepted = ReorderTransponderPrograms(staging, TABLE_TV, m_TvTable, m_nTvCount, m_TpTvList, m_nTpTvCount,
            MAX_TP_TV, order);
        break;
    case REORDER_TP_RADIO:
        accepted = ReorderTransponderPrograms(staging, TABLE_RADIO, m_RadioTable, m_nRadioCount, m_TpRadioList,
            m_nTpRadioCount, MAX_TP_RADIO, order);
        break;
    default:
        break;
    }
    if (!accepted)
        return 0;
    staging.RebuildDirectoryBlock(*this);
    return 1;
}
