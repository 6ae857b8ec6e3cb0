// Feeds arbitrary bytes as a flash image to the loader and the queries, and
// then runs a sequence of record writes, deletes and moves that the end of
// the input chooses, checking after each that the image decodes again and
// that the edit changed only what it may. The input is laid over a
// valid-looking frame often enough to reach the table decoding.

#include "BigEndian.h"
#include "ChannelDatabase.h"
#include "ViewLists.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

ChannelDatabase& Database()
{
    static auto* db = new ChannelDatabase;
    return *db;
}

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

constexpr uint8_t SIGNATURE[] = { '6', 'C', 'G', 'H', 'L', 'S', 'W', 'Z' };
constexpr uint8_t MAGIC[] = { 0x77, 0x02, 0xAB, 0xCD };

long Find(const uint8_t* image, size_t from, size_t to, const uint8_t* pattern, size_t length)
{
    const uint8_t* hit = std::search(image + from, image + to, pattern, pattern + length);
    return hit == image + to ? -1 : static_cast<long>(hit - image);
}

void LoadFrame(ChannelDatabase& db, const uint8_t* data, size_t size)
{
    std::memset(db.m_Image, 0, IMAGE_SIZE);
    if (size == 0 || !(data[0] & 1)) {
        std::memcpy(db.m_Image, data, std::min(size, IMAGE_SIZE));
        return;
    }
    // Frame mode: the rest of the input becomes the directory block, so the
    // fuzzer spends its time on the tables. Records are read from wherever
    // the entries point; give them bytes.
    std::memcpy(db.m_Image + 0x100, SIGNATURE, 8);
    for (size_t at = 0; at < 0x40000 && size > 1; at += size - 1)
        std::memcpy(db.m_Image + 0x20000 + at, data + 1, std::min(size - 1, 0x40000 - at));
    const size_t length = std::min<size_t>(size - 1, DIRECTORY_BLOCK_SIZE - 4);
    if (data[0] & 2) {
        // Type 2: no directory magic may stand in the data area below it.
        for (long at = 0x20000; (at = Find(db.m_Image, at, 0x60004, MAGIC, 4)) >= 0; ++at)
            db.m_Image[at] = 0x76;
        std::memcpy(db.m_Image + 0xD0000, data + 1, length);
        WriteBE32(db.m_Image + 0xD0000 + 0xFFFC, BLOCK_MARKER);
    } else {
        std::memcpy(db.m_Image + 0x70000, data + 1, std::min<size_t>(length, 0x8000));
    }
}

using Entries = std::vector<DirectoryEntry>;

struct Snapshot {
    std::vector<uint8_t> image;
    Entries tables[TABLE_COUNT];
};

template <typename Record>
Entries EntriesOf(const Record* records, uint16_t count)
{
    Entries entries;
    for (uint16_t i = 0; i < count; ++i)
        entries.push_back(records[i].entry);
    return entries;
}

// Snapshots reuse their buffers: a fresh megabyte per operation would cost
// more than the operation.
const Snapshot& Take(const ChannelDatabase& db, Snapshot& s)
{
    s.image.assign(db.m_Image, db.m_Image + IMAGE_SIZE);
    s.tables[TABLE_SATELLITES] = EntriesOf(db.m_SatTable, db.m_nSatCount);
    s.tables[TABLE_TRANSPONDERS] = EntriesOf(db.m_TpTable, db.m_nTpCount);
    s.tables[TABLE_TV] = EntriesOf(db.m_TvTable, db.m_nTvCount);
    s.tables[TABLE_RADIO] = EntriesOf(db.m_RadioTable, db.m_nRadioCount);
    return s;
}

bool Unchanged(const ChannelDatabase& db, const Snapshot& before, size_t from, size_t to)
{
    return std::memcmp(db.m_Image + from, before.image.data() + from, to - from) == 0;
}

// A delete or move rewrites the block up to its marker and nothing else.
void CheckOnlyBlockChanged(const ChannelDatabase& db, const Snapshot& before)
{
    const size_t block = db.m_nDirBlockOffset;
    Check(Unchanged(db, before, 0, block) && Unchanged(db, before, block + DIRECTORY_BLOCK_SIZE - 4, IMAGE_SIZE),
        "a directory rewrite changed bytes outside the block");
}

// Only the first signature identifies the image; the rewrite must not erase it.
bool RewriteAllowed(const ChannelDatabase& db)
{
    const long first = Find(db.m_Image, 0, IMAGE_SIZE, SIGNATURE, 8);
    const long block = db.m_nDirBlockOffset;
    return first < 0 || first + 8 <= block || first >= block + long(BLOCK_MARKER_OFFSET);
}

// The deletion marks as the operations define them: the first entry equal
// to the record's is dropped.
struct MarkModel {
    Entries tables[TABLE_COUNT];
    std::vector<bool> marks[TABLE_COUNT];

    explicit MarkModel(const Snapshot& s)
    {
        for (int id = 0; id < TABLE_COUNT; ++id) {
            tables[id] = s.tables[id];
            marks[id].assign(tables[id].size(), false);
        }
    }

    bool Mark(int id, DirectoryEntry entry)
    {
        for (size_t i = 0; i < tables[id].size(); ++i)
            if (tables[id][i] == entry) {
                marks[id][i] = true;
                return true;
            }
        return false;
    }

    Entries Kept(int id) const
    {
        Entries kept;
        for (size_t i = 0; i < tables[id].size(); ++i)
            if (!marks[id][i])
                kept.push_back(tables[id][i]);
        return kept;
    }
};

// The view lists as the record list leaves them showing the transponders of
// a satellite, or the programs of the tab on one of them.
void ShowTransponders(ChannelDatabase& db, FuzzedDataProvider& in)
{
    db.m_nSatTpCount = 0;
    if (db.m_nSatCount > 0)
        ViewLists::FillViewLists(db, LIST_TRANSPONDERS, in.ConsumeIntegralInRange<uint16_t>(0, db.m_nSatCount - 1), 0, 0);
}

void ShowPrograms(ChannelDatabase& db, FuzzedDataProvider& in, int tab)
{
    db.m_nTpTvCount = db.m_nTpRadioCount = 0;
    if (db.m_nSatCount == 0)
        return;
    const uint16_t sat = in.ConsumeIntegralInRange<uint16_t>(0, db.m_nSatCount - 1);
    const uint16_t tpRow = in.ConsumeIntegralInRange<uint16_t>(0, db.m_SatTable[sat].tpCount);
    ViewLists::FillViewLists(db, LIST_TP_PROGRAMS, sat, tpRow, tab);
}

void DecodeAgain(ChannelDatabase& db)
{
    Check(db.DecodeDatabase() == 1, "the edited image no longer decodes");
}

void CheckDelete(ChannelDatabase& db, const Snapshot& before, const MarkModel& model, bool allowed)
{
    if (!allowed) {
        Check(Unchanged(db, before, 0, IMAGE_SIZE), "a refused delete wrote");
        return;
    }
    CheckOnlyBlockChanged(db, before);
    DecodeAgain(db);
    static Snapshot after;
    Take(db, after);
    for (int id = 0; id < TABLE_COUNT; ++id)
        Check(after.tables[id] == model.Kept(id), "a delete dropped other entries than its cascade");
}

std::vector<uint16_t> Rows(FuzzedDataProvider& in, size_t listSize)
{
    std::vector<uint16_t> rows(in.ConsumeIntegralInRange<size_t>(0, 8));
    for (auto& row : rows)
        row = in.ConsumeIntegralInRange<uint16_t>(0, static_cast<uint16_t>(std::min<size_t>(listSize + 1, 0xFFFF)));
    return rows;
}

// A changed record must not reach a recognition mark: the fields written
// below (zeros and a lower-case name) cannot form one, but can erase one.
bool TouchesMarks(const uint8_t* image, uint32_t offset, size_t size)
{
    const long signature = Find(image, 0, IMAGE_SIZE, SIGNATURE, 8);
    const long magic = signature < 0 ? -1 : Find(image, signature, IMAGE_SIZE, MAGIC, 4);
    auto overlaps = [offset, size](long at, size_t length) {
        return at >= 0 && offset < at + length && static_cast<size_t>(at) < offset + size;
    };
    return overlaps(signature, 8) || overlaps(magic, 4) || overlaps(0x17C, 4) || overlaps(0xCFFFC, 4)
        || overlaps(0xDFFFC, 4) || overlaps(0xEFFFC, 4) || overlaps(0x6FFFC, 4) || overlaps(0x7FFFC, 4);
}

// Writes one decoded record back, unchanged or edited; false when the
// sequence cannot go on.
bool FuzzWrite(ChannelDatabase& db, FuzzedDataProvider& in)
{
    static Snapshot before;
    Take(db, before);
    const int which = in.ConsumeIntegralInRange(0, 2);
    const bool edit = in.ConsumeBool();
    uint32_t offset = 0;
    size_t size = 0;
    static std::vector<uint8_t> expected;
    expected = before.image;
    bool radioTable = false;

    if (which == 0 && db.m_nSatCount > 0) {
        SatelliteRecord sat = db.m_SatTable[in.ConsumeIntegralInRange<uint16_t>(0, db.m_nSatCount - 1)];
        offset = EntryOffset(sat.entry);
        size = SATELLITE_RECORD_SIZE;
        if (edit && !TouchesMarks(db.m_Image, offset, size)) {
            sat.longitude = 0;
            std::memcpy(sat.name, "edit\0\0\0\0\0\0\0\0", 12);
        }
        db.WriteSatellite(sat);
    } else if (which == 1 && db.m_nTpCount > 0) {
        TransponderRecord tp = db.m_TpTable[in.ConsumeIntegralInRange<uint16_t>(0, db.m_nTpCount - 1)];
        offset = EntryOffset(tp.entry);
        size = TRANSPONDER_RECORD_SIZE;
        if (edit && !TouchesMarks(db.m_Image, offset, size))
            tp.symbolRate = 0;
        db.WriteTransponder(tp);
    } else if (which == 2 && db.m_nProgCount > 0) {
        const uint16_t index = in.ConsumeIntegralInRange<uint16_t>(0, db.m_nProgCount - 1);
        ProgramRecord prog = db.m_ProgTable[index];
        radioTable = index >= db.m_nTvCount;
        offset = EntryOffset(prog.entry);
        size = PROGRAM_RECORD_SIZE;
        const uint8_t attribute = in.ConsumeIntegral<uint8_t>();
        if (edit && !TouchesMarks(db.m_Image, offset, size)) {
            prog.serviceId = 0;
            std::memcpy(prog.name, "edit\0\0\0\0\0\0\0\0", 12);
        }
        if (edit) {
            prog.lockBit = attribute & 1;
            prog.favoriteBits = attribute & 0x7E;
        }
        db.WriteProgram(prog, in.ConsumeBool() ? 1 : 0);
    } else {
        return true;
    }

    const uint32_t block = db.m_nDirBlockOffset;
    if (offset + size > IMAGE_SIZE || (offset + size > block && offset < block + DIRECTORY_BLOCK_SIZE)) {
        Check(Unchanged(db, before, 0, IMAGE_SIZE), "a record outside the buffer or inside the directory was written");
        return true;
    }
    if (!edit) {
        if (radioTable)
            WriteBE32(expected.data() + offset + 8, ReadBE32(expected.data() + offset + 8) & ~0x1FFFu);
        Check(std::memcmp(expected.data(), db.m_Image, IMAGE_SIZE) == 0, "an unchanged record did not write back");
    } else {
        static std::vector<uint8_t> outside;
        outside.assign(db.m_Image, db.m_Image + IMAGE_SIZE);
        std::memcpy(outside.data() + offset, before.image.data() + offset, size);
        std::memcpy(outside.data() + block, before.image.data() + block, DIRECTORY_BLOCK_SIZE);
        Check(outside == before.image, "a write changed bytes outside its record");
        size_t changed = 0;
        for (size_t i = block; i < block + DIRECTORY_BLOCK_SIZE; ++i)
            changed += db.m_Image[i] != before.image[i];
        Check(changed <= 1, "a write changed more than one attribute byte");
    }
    // A radio record lying on a recognition mark loses its video PID bits
    // there, and the image may rightly stop decoding.
    if (TouchesMarks(before.image.data(), offset, size))
        return db.DecodeDatabase() == 1;
    DecodeAgain(db);
    return true;
}

void FuzzDelete(ChannelDatabase& db, FuzzedDataProvider& in)
{
    static Snapshot before;
    Take(db, before);
    MarkModel model(before);
    const bool allowed = RewriteAllowed(db);
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        const auto rows = Rows(in, db.m_nSatCount);
        for (uint16_t row : rows) {
            if (row >= db.m_nSatCount)
                continue;
            const SatelliteRecord& sat = db.m_SatTable[row];
            for (uint16_t p = 0; p < db.m_nTvCount; ++p)
                if (db.m_TvTable[p].satId == sat.satId)
                    model.Mark(TABLE_TV, db.m_TvTable[p].entry);
            for (uint16_t p = 0; p < db.m_nRadioCount; ++p)
                if (db.m_RadioTable[p].satId == sat.satId)
                    model.Mark(TABLE_RADIO, db.m_RadioTable[p].entry);
            for (uint16_t t = 0; t < db.m_nTpCount; ++t)
                if (db.m_TpTable[t].satId == sat.satId)
                    model.Mark(TABLE_TRANSPONDERS, db.m_TpTable[t].entry);
            model.Mark(TABLE_SATELLITES, sat.entry);
        }
        db.DeleteSatellites(rows);
        break;
    }
    case 1: {
        if (db.m_nSatCount == 0)
            return;
        ShowTransponders(db, in);
        const uint16_t listCount = std::min(db.m_nSatTpCount, MAX_SAT_TPS);
        const auto rows = Rows(in, listCount);
        for (uint16_t row : rows) {
            if (row >= listCount)
                continue;
            const TransponderRecord& tp = db.m_SatTpList[row];
            for (uint16_t p = 0; p < db.m_nTvCount; ++p)
                if (db.m_TvTable[p].tpId == tp.tpId)
                    model.Mark(TABLE_TV, db.m_TvTable[p].entry);
            for (uint16_t p = 0; p < db.m_nRadioCount; ++p)
                if (db.m_RadioTable[p].tpId == tp.tpId)
                    model.Mark(TABLE_RADIO, db.m_RadioTable[p].entry);
            model.Mark(TABLE_TRANSPONDERS, tp.entry);
        }
        db.DeleteTransponders(rows);
        break;
    }
    default: {
        const int tab = in.ConsumeBool() ? 1 : 0;
        const bool tpList = in.ConsumeBool();
        std::vector<ProgramRecord> shown;
        if (tpList) {
            ShowPrograms(db, in, tab);
            const ProgramRecord* list = tab == 0 ? db.m_TpTvList : db.m_TpRadioList;
            shown.assign(list, list + (tab == 0 ? db.m_nTpTvCount : db.m_nTpRadioCount));
        } else {
            for (uint16_t p = 0; p < db.m_nProgCount; ++p)
                if ((db.m_ProgTable[p].videoPid == 0) == (tab == 1))
                    shown.push_back(db.m_ProgTable[p]);
        }
        const auto rows = Rows(in, shown.size());
        for (uint16_t row : rows)
            if (row < shown.size() && !model.Mark(tab == 0 ? TABLE_TV : TABLE_RADIO, shown[row].entry))
                model.Mark(tab == 0 ? TABLE_RADIO : TABLE_TV, shown[row].entry);
        db.DeletePrograms(rows, tpList ? LIST_TP_PROGRAMS : LIST_PROGRAMS, tab);
        break;
    }
    }
    CheckDelete(db, before, model, allowed);
}

void FuzzReorder(ChannelDatabase& db, FuzzedDataProvider& in)
{
    static constexpr int KINDS[] = { REORDER_SATELLITES, REORDER_TV, REORDER_RADIO, REORDER_SAT_TPS, REORDER_TP_TV,
        REORDER_TP_RADIO, 1 };
    const int kind = KINDS[in.ConsumeIntegralInRange<size_t>(0, std::size(KINDS) - 1)];
    size_t n = 0;
    switch (kind) {
    case REORDER_SATELLITES:
        n = db.m_nSatCount;
        break;
    case REORDER_TV:
        n = db.m_nTvCount;
        break;
    case REORDER_RADIO:
        n = db.m_nRadioCount;
        break;
    case REORDER_SAT_TPS:
        ShowTransponders(db, in);
        n = db.m_nSatTpCount;
        break;
    default:
        ShowPrograms(db, in, kind == REORDER_TP_TV ? 0 : 1);
        n = kind == REORDER_TP_TV ? db.m_nTpTvCount : db.m_nTpRadioCount;
        break;
    }
    // Mostly a shuffle of the list's rows, now and then a wrong count or a repeated row.
    if (in.ConsumeIntegralInRange(0, 7) == 0)
        n = in.ConsumeBool() ? n + 1 : (n > 0 ? n - 1 : 0);
    std::vector<uint16_t> order(n);
    for (size_t k = 0; k < n; ++k)
        order[k] = static_cast<uint16_t>(k);
    for (size_t k = n; k > 1; --k)
        std::swap(order[k - 1], order[in.ConsumeIntegralInRange<size_t>(0, k - 1)]);
    if (n > 1 && in.ConsumeIntegralInRange(0, 15) == 0)
        order[0] = order[1];

    static Snapshot before;
    Take(db, before);
    const bool allowed = RewriteAllowed(db);
    const int result = db.ReorderRecords(kind, order);
    if (result == 0) {
        Check(Unchanged(db, before, 0, IMAGE_SIZE), "a refused reorder wrote");
        return;
    }
    Check(allowed, "a reorder rewrote a block holding the signature");
    CheckOnlyBlockChanged(db, before);
    const ProgramRecord* moved = kind == REORDER_TV ? db.m_TvTable : db.m_RadioTable;
    Entries exact;
    for (size_t k = 0; k < order.size() && (kind == REORDER_TV || kind == REORDER_RADIO); ++k)
        exact.push_back(moved[order[k]].entry);
    DecodeAgain(db);
    static Snapshot after;
    Take(db, after);
    for (int id = 0; id < TABLE_COUNT; ++id) {
        Entries was = before.tables[id], now = after.tables[id];
        std::sort(was.begin(), was.end());
        std::sort(now.begin(), now.end());
        Check(was == now, "a reorder lost or duplicated an entry");
    }
    if (kind == REORDER_TV || kind == REORDER_RADIO)
        Check(after.tables[kind == REORDER_TV ? TABLE_TV : TABLE_RADIO] == exact, "a reorder misplaced a program");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ChannelDatabase& db = Database();
    LoadFrame(db, data, size);
    if (!db.DecodeDatabase())
        return 0;

    static TransponderRecord tps[MAX_SAT_TPS];
    static ProgramRecord progs[500];
    for (int s = 0; s < db.m_nSatCount; ++s) {
        db.CopySatelliteTransponders(tps, db.m_SatTable[s].satId);
        db.CopySatellitePrograms(db.m_SatTvList, db.m_SatTable[s].satId, 0);
        db.CopySatellitePrograms(db.m_SatRadioList, db.m_SatTable[s].satId, 1);
    }
    for (int t = 0; t < db.m_nTpCount; ++t)
        db.CopyTransponderPrograms(progs, db.m_TpTable[t].tpId);

    // The operations are chosen by the end of the input.
    FuzzedDataProvider in(data, size);
    const int steps = 1 + in.ConsumeIntegralInRange(0, 3);
    for (int step = 0; step < steps; ++step) {
        switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
            if (!FuzzWrite(db, in))
                return 0;
            break;
        case 1:
            FuzzDelete(db, in);
            break;
        default:
            FuzzReorder(db, in);
            break;
        }
    }
    return 0;
}
