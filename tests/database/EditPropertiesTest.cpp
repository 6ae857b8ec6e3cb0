// Properties of the record writers, deletes and moves over random images and
// random operation sequences (fixed seeds).

#include "BigEndian.h"
#include "ChannelDatabase.h"
#include "ImageBuilder.h"
#include "ViewLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <vector>

namespace {

using Entries = std::vector<DirectoryEntry>;
using Rows = std::vector<uint16_t>;

// Few satellites and transponders with many programs each, now and then a
// duplicate id, an orphan program or a TV-table record without video PID.
ImageBuilder RandomDatabase(std::mt19937& r)
{
    ImageBuilder b(r() % 4 == 0 ? 1 : 2);
    std::vector<uint16_t> satIds;
    const int sats = 1 + static_cast<int>(r() % 10);
    for (int s = 0; s < sats; ++s) {
        satIds.push_back(s > 0 && r() % 10 == 0 ? satIds[r() % s] : static_cast<uint16_t>(s + 1));
        b.AddSatellite(MakeSatellite(satIds.back(), "SAT"), static_cast<uint8_t>(r()));
    }
    std::vector<TransponderRecord> tps;
    const int tpCount = static_cast<int>(r() % 40);
    for (int t = 0; t < tpCount; ++t) {
        const uint16_t tpId = t > 0 && r() % 10 == 0 ? tps[r() % t].tpId : static_cast<uint16_t>(100 + t);
        const uint16_t satId = r() % 12 == 0 ? 60 : satIds[r() % satIds.size()];
        tps.push_back(MakeTransponder(tpId, satId, static_cast<uint16_t>(10700 + t)));
        b.AddTransponder(tps.back(), static_cast<uint8_t>(r()));
    }
    auto randomProgram = [&](bool radio, int i) {
        uint16_t satId = 70, tpId = 700;
        if (!tps.empty() && r() % 12 != 0) {
            satId = tps[r() % tps.size()].satId;
            tpId = tps[r() % tps.size()].tpId;
            if (r() % 4 != 0) { // mostly on a transponder of its own satellite
                const TransponderRecord& tp = tps[r() % tps.size()];
                satId = tp.satId;
                tpId = tp.tpId;
            }
        }
        const uint16_t video = radio || r() % 10 == 0 ? 0 : static_cast<uint16_t>(0x100 + i);
        ProgramRecord prog = MakeProgram(satId, tpId, static_cast<uint16_t>(i), "PROG", video);
        prog.opaque13 = r() & 0x1FFF;
        if (radio && r() % 2)
            prog.videoPid = r() & 0x1FFF; // stray bits that the radio decode drops
        return prog;
    };
    const int tv = static_cast<int>(r() % 160), radio = static_cast<int>(r() % 60);
    for (int i = 0; i < tv; ++i)
        b.AddTv(randomProgram(false, i), static_cast<uint8_t>(r()));
    for (int i = 0; i < radio; ++i)
        b.AddRadio(randomProgram(true, i), static_cast<uint8_t>(r()));
    return b;
}

using Tables = std::array<Entries, TABLE_COUNT>;

template <typename Record>
Entries EntriesOf(const Record* records, uint16_t count)
{
    Entries entries;
    for (uint16_t i = 0; i < count; ++i)
        entries.push_back(records[i].entry);
    return entries;
}

Tables Decoded(const ChannelDatabase& db)
{
    return { EntriesOf(db.m_SatTable, db.m_nSatCount), EntriesOf(db.m_TpTable, db.m_nTpCount),
        EntriesOf(db.m_TvTable, db.m_nTvCount), EntriesOf(db.m_RadioTable, db.m_nRadioCount) };
}

Entries Sorted(Entries entries)
{
    std::sort(entries.begin(), entries.end());
    return entries;
}

Entries Without(const Entries& entries, const std::set<DirectoryEntry>& dropped)
{
    Entries kept;
    for (DirectoryEntry entry : entries)
        if (!dropped.count(entry))
            kept.push_back(entry);
    return kept;
}

Rows RandomRows(std::mt19937& r, size_t listSize)
{
    Rows rows(r() % 6);
    for (auto& row : rows)
        row = static_cast<uint16_t>(r() % (listSize + 2));
    return rows;
}

Rows RandomOrder(std::mt19937& r, size_t n)
{
    Rows order(n);
    for (size_t k = 0; k < n; ++k)
        order[k] = static_cast<uint16_t>(k);
    std::shuffle(order.begin(), order.end(), r);
    if (n > 1 && r() % 10 == 0)
        order[0] = order[1]; // not a permutation
    if (r() % 10 == 0)
        order.push_back(static_cast<uint16_t>(order.size())); // the wrong number of rows
    return order;
}

bool IsPermutation(Rows order)
{
    std::sort(order.begin(), order.end());
    for (size_t k = 0; k < order.size(); ++k)
        if (order[k] != k)
            return false;
    return true;
}

class EditProperties : public ::testing::Test {
protected:
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    std::mt19937 r { 77021019 };
    std::vector<uint8_t> before; // the image before the edit under test

    // Every byte outside the rewritten part of the directory block.
    bool OutsideTheBlockUnchanged() const
    {
        const uint32_t block = db->m_nDirBlockOffset;
        const uint32_t end = block + DIRECTORY_BLOCK_SIZE - 4;
        return std::memcmp(before.data(), db->m_Image, block) == 0
            && std::memcmp(before.data() + end, db->m_Image + end, IMAGE_SIZE - end) == 0;
    }

    // The programs of the tab on a random transponder of a random satellite,
    // as the record list shows them.
    void ShowRandomTransponder(int tab)
    {
        db->m_nTpTvCount = db->m_nTpRadioCount = 0;
        const uint16_t sat = static_cast<uint16_t>(r() % db->m_nSatCount);
        const uint16_t tps = db->m_SatTable[sat].tpCount;
        const uint16_t tpRow = static_cast<uint16_t>(tps ? r() % tps : 0);
        ViewLists::FillViewLists(*db, LIST_TP_PROGRAMS, sat, tpRow, tab);
    }

    void ShowRandomSatellite()
    {
        ViewLists::FillViewLists(*db, LIST_TRANSPONDERS, static_cast<uint16_t>(r() % db->m_nSatCount), 0, 0);
    }

    void Delete(const Tables& old);
    void Reorder(const Tables& old);
};

void EditProperties::Delete(const Tables& old)
{
    std::set<DirectoryEntry> dropped;
    switch (r() % 4) {
    case 0: {
        const Rows rows = RandomRows(r, db->m_nSatCount);
        for (uint16_t row : rows) {
            if (row >= db->m_nSatCount)
                continue;
            const uint16_t satId = db->m_SatTable[row].satId;
            dropped.insert(db->m_SatTable[row].entry);
            for (int t = 0; t < db->m_nTpCount; ++t)
                if (db->m_TpTable[t].satId == satId)
                    dropped.insert(db->m_TpTable[t].entry);
            for (int p = 0; p < db->m_nProgCount; ++p)
                if (db->m_ProgTable[p].satId == satId)
                    dropped.insert(db->m_ProgTable[p].entry);
        }
        db->DeleteSatellites(rows);
        break;
    }
    case 1: {
        ShowRandomSatellite();
        const Rows rows = RandomRows(r, db->m_nSatTpCount);
        for (uint16_t row : rows) {
            if (row >= db->m_nSatTpCount)
                continue;
            dropped.insert(db->m_SatTpList[row].entry);
            for (int p = 0; p < db->m_nProgCount; ++p)
                if (db->m_ProgTable[p].tpId == db->m_SatTpList[row].tpId)
                    dropped.insert(db->m_ProgTable[p].entry);
        }
        db->DeleteTransponders(rows);
        break;
    }
    case 2: {
        const int tab = static_cast<int>(r() % 2);
        std::vector<ProgramRecord> shown;
        for (int p = 0; p < db->m_nProgCount; ++p)
            if ((db->m_ProgTable[p].videoPid == 0) == (tab == 1))
                shown.push_back(db->m_ProgTable[p]);
        const Rows rows = RandomRows(r, shown.size());
        for (uint16_t row : rows)
            if (row < shown.size())
                dropped.insert(shown[row].entry);
        db->DeletePrograms(rows, LIST_PROGRAMS, tab);
        break;
    }
    default: {
        const int tab = static_cast<int>(r() % 2);
        ShowRandomTransponder(tab);
        const ProgramRecord* list = tab == 0 ? db->m_TpTvList : db->m_TpRadioList;
        const uint16_t count = tab == 0 ? db->m_nTpTvCount : db->m_nTpRadioCount;
        const Rows rows = RandomRows(r, count);
        for (uint16_t row : rows)
            if (row < count)
                dropped.insert(list[row].entry);
        db->DeletePrograms(rows, LIST_TP_PROGRAMS, tab);
        break;
    }
    }
    ASSERT_EQ(db->DecodeDatabase(), 1);
    Tables now = Decoded(*db);
    for (int id = 0; id < TABLE_COUNT; ++id)
        EXPECT_EQ(now[id], Without(old[id], dropped)) << "table " << id;
}

void EditProperties::Reorder(const Tables& old)
{
    static constexpr int KINDS[] = { REORDER_SATELLITES, REORDER_TV, REORDER_RADIO, REORDER_SAT_TPS, REORDER_TP_TV,
        REORDER_TP_RADIO, 5 };
    const int kind = KINDS[r() % std::size(KINDS)];
    size_t natural = 0;
    uint16_t satId = 0, tpId = 0;
    switch (kind) {
    case REORDER_SATELLITES:
        natural = db->m_nSatCount;
        break;
    case REORDER_TV:
        natural = db->m_nTvCount;
        break;
    case REORDER_RADIO:
        natural = db->m_nRadioCount;
        break;
    case REORDER_SAT_TPS:
        ShowRandomSatellite();
        natural = db->m_nSatTpCount;
        satId = db->m_SatTpList[0].satId;
        break;
    case REORDER_TP_TV:
    case REORDER_TP_RADIO:
        ShowRandomTransponder(kind == REORDER_TP_TV ? 0 : 1);
        natural = kind == REORDER_TP_TV ? db->m_nTpTvCount : db->m_nTpRadioCount;
        tpId = kind == REORDER_TP_TV ? db->m_TpTvList[0].tpId : db->m_TpRadioList[0].tpId;
        break;
    }
    const Rows order = RandomOrder(r, natural);
    const bool valid = IsPermutation(order) && (kind == 5 || order.size() == natural);
    before.assign(db->m_Image, db->m_Image + IMAGE_SIZE);
    const int result = db->ReorderRecords(kind, order);

    // The only refusals of a valid order: a transponder list that does not
    // show every program of its table (TV-table records without video PID).
    if (valid && (kind == REORDER_TP_TV || kind == REORDER_TP_RADIO) && !order.empty()) {
        const ProgramRecord* table = kind == REORDER_TP_TV ? db->m_TvTable : db->m_RadioTable;
        const uint16_t count = kind == REORDER_TP_TV ? db->m_nTvCount : db->m_nRadioCount;
        EXPECT_EQ(result, std::count_if(table, table + count, [tpId](const auto& p) { return p.tpId == tpId; })
                == static_cast<long>(order.size()));
    } else {
        EXPECT_EQ(result, valid ? 1 : 0) << "kind " << kind;
    }
    if (result == 0) {
        EXPECT_EQ(0, std::memcmp(before.data(), db->m_Image, IMAGE_SIZE));
        return;
    }
    EXPECT_TRUE(OutsideTheBlockUnchanged());

    // The new order, checked from what the old tables and lists said.
    Tables expected = old;
    std::map<DirectoryEntry, size_t> rankOf; // programs regrouped by satellite or transponder
    switch (kind) {
    case REORDER_SATELLITES: {
        std::map<uint16_t, size_t> rankOfSatId;
        for (size_t k = 0; k < order.size(); ++k) {
            expected[TABLE_SATELLITES][k] = db->m_SatTable[order[k]].entry;
            rankOfSatId.emplace(db->m_SatTable[order[k]].satId, k);
        }
        for (int p = 0; p < db->m_nProgCount; ++p) {
            const auto hit = rankOfSatId.find(db->m_ProgTable[p].satId);
            rankOf[db->m_ProgTable[p].entry] = hit == rankOfSatId.end() ? order.size() : hit->second;
        }
        break;
    }
    case REORDER_TV:
    case REORDER_RADIO: {
        const ProgramRecord* table = kind == REORDER_TV ? db->m_TvTable : db->m_RadioTable;
        for (size_t k = 0; k < order.size(); ++k)
            expected[kind == REORDER_TV ? TABLE_TV : TABLE_RADIO][k] = table[order[k]].entry;
        break;
    }
    case REORDER_SAT_TPS: {
        std::map<uint16_t, size_t> rankOfTpId;
        size_t next = 0;
        for (int t = 0; t < db->m_nTpCount; ++t)
            if (db->m_TpTable[t].satId == satId)
                expected[TABLE_TRANSPONDERS][t] = db->m_SatTpList[order[next++]].entry;
        for (size_t k = 0; k < order.size(); ++k)
            rankOfTpId.emplace(db->m_SatTpList[order[k]].tpId, k);
        for (int p = 0; p < db->m_nProgCount; ++p) {
            const ProgramRecord& prog = db->m_ProgTable[p];
            const auto hit = rankOfTpId.find(prog.tpId);
            if (prog.satId == satId && !order.empty())
                rankOf[prog.entry] = hit == rankOfTpId.end() ? order.size() : hit->second;
        }
        break;
    }
    case REORDER_TP_TV:
    case REORDER_TP_RADIO: {
        const int tableId = kind == REORDER_TP_TV ? TABLE_TV : TABLE_RADIO;
        const ProgramRecord* table = tableId == TABLE_TV ? db->m_TvTable : db->m_RadioTable;
        const ProgramRecord* list = tableId == TABLE_TV ? db->m_TpTvList : db->m_TpRadioList;
        size_t next = 0;
        for (size_t p = 0; p < expected[tableId].size() && !order.empty(); ++p)
            if (table[p].tpId == tpId)
                expected[tableId][p] = list[order[next++]].entry;
        break;
    }
    }

    ASSERT_EQ(db->DecodeDatabase(), 1);
    const Tables now = Decoded(*db);
    for (int id = 0; id < TABLE_COUNT; ++id) {
        EXPECT_EQ(Sorted(now[id]), Sorted(old[id])) << "table " << id << " kind " << kind;
        if (id < TABLE_TV || rankOf.empty()) {
            EXPECT_EQ(now[id], expected[id]) << "table " << id << " kind " << kind;
            continue;
        }
        // Regrouped programs stand by rank; all others keep their positions.
        size_t last = 0;
        for (size_t p = 0; p < now[id].size(); ++p) {
            const auto hit = rankOf.find(now[id][p]);
            if (hit == rankOf.end()) {
                EXPECT_EQ(now[id][p], old[id][p]) << "table " << id << " position " << p;
                continue;
            }
            EXPECT_GE(hit->second, last) << "table " << id << " position " << p;
            last = hit->second;
        }
    }
}

} // namespace

TEST_F(EditProperties, WritingDecodedRecordsBackChangesOnlyRadioVideoBits)
{
    for (int round = 0; round < 20; ++round) {
        RandomDatabase(r).Build(db->m_Image);
        ASSERT_EQ(db->DecodeDatabase(), 1);
        std::vector<uint8_t> expected(db->m_Image, db->m_Image + IMAGE_SIZE);
        for (int p = 0; p < db->m_nRadioCount; ++p) {
            uint8_t* bytes = expected.data() + EntryOffset(db->m_RadioTable[p].entry) + 8;
            WriteBE32(bytes, ReadBE32(bytes) & ~0x1FFFu);
        }
        for (int s = 0; s < db->m_nSatCount; ++s)
            db->WriteSatellite(db->m_SatTable[s]);
        for (int t = 0; t < db->m_nTpCount; ++t)
            db->WriteTransponder(db->m_TpTable[t]);
        // Each program from the tab that lists it.
        for (int p = 0; p < db->m_nProgCount; ++p)
            db->WriteProgram(db->m_ProgTable[p], db->m_ProgTable[p].videoPid == 0 ? 1 : 0);
        ASSERT_EQ(0, std::memcmp(expected.data(), db->m_Image, IMAGE_SIZE)) << "round " << round;
    }
}

TEST_F(EditProperties, DeletesDropExactlyTheCascadeAndMovesKeepEveryEntry)
{
    for (int round = 0; round < 24; ++round) {
        RandomDatabase(r).Build(db->m_Image);
        ASSERT_EQ(db->DecodeDatabase(), 1);
        for (int step = 0; step < 10 && db->m_nSatCount > 0; ++step) {
            SCOPED_TRACE(testing::Message() << "round " << round << " step " << step);
            const Tables old = Decoded(*db);
            before.assign(db->m_Image, db->m_Image + IMAGE_SIZE);
            if (r() % 3 == 0) {
                Delete(old);
                EXPECT_TRUE(OutsideTheBlockUnchanged());
            } else {
                Reorder(old);
            }
            if (HasFatalFailure() || HasNonfatalFailure())
                return;
        }
    }
}
