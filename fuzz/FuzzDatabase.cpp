// Feeds arbitrary bytes as a flash image to the loader and the queries, and
// then runs a sequence of record writes, deletes and moves that the end of
// the input chooses, checking after each that the image decodes again and
// that the edit changed only what it may.
//
// Every buffer lives across inputs: the target runs a thousand inputs a
// second only when it neither allocates nor copies a megabyte per step.

#include "BigEndian.h"
#include "ChannelDatabase.h"
#include "FuzzFrame.h"
#include "ViewLists.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<DirectoryEntry>;

using FuzzFrame::Check;
using FuzzFrame::Find;
using FuzzFrame::FirstSignature;
using FuzzFrame::Magic;

// How many satellites and transponders the queries are run for: each query
// walks whole tables.
constexpr uint16_t QUERIED = 4;

template <typename Record>
void EntriesOf(const Record* records, uint16_t count, Entries& entries)
{
    entries.clear();
    for (uint16_t i = 0; i < count; ++i)
        entries.push_back(records[i].entry);
}

// The image and the decoded tables as they stood after the last checked
// step. A step compares the image with it, then copies over only the bytes
// it was allowed to change.
struct Checked {
    std::vector<uint8_t> image = std::vector<uint8_t>(IMAGE_SIZE);
    Entries tables[TABLE_COUNT];

    void TakeTables(const ChannelDatabase& db)
    {
        EntriesOf(db.m_SatTable, db.m_nSatCount, tables[TABLE_SATELLITES]);
        EntriesOf(db.m_TpTable, db.m_nTpCount, tables[TABLE_TRANSPONDERS]);
        EntriesOf(db.m_TvTable, db.m_nTvCount, tables[TABLE_TV]);
        EntriesOf(db.m_RadioTable, db.m_nRadioCount, tables[TABLE_RADIO]);
    }

    void Take(const ChannelDatabase& db, size_t from, size_t to)
    {
        std::memcpy(image.data() + from, db.m_Image + from, to - from);
    }

    bool Unchanged(const ChannelDatabase& db, size_t from, size_t to) const
    {
        return from >= to || std::memcmp(db.m_Image + from, image.data() + from, to - from) == 0;
    }

    // The first byte of [from, to) that differs from the image, or to.
    size_t FirstChange(const ChannelDatabase& db, size_t from, size_t to) const
    {
        if (Unchanged(db, from, to))
            return to;
        // A difference lies in [from, from + span).
        size_t span = to - from;
        while (span > 1) {
            const size_t half = span / 2;
            if (Unchanged(db, from, from + half)) {
                from += half;
                span -= half;
            } else {
                span = half;
            }
        }
        return from;
    }
};

Checked& Before()
{
    static Checked checked;
    return checked;
}

// A delete or move rewrites the block up to its marker and nothing else.
void CheckOnlyBlockChanged(const ChannelDatabase& db, const Checked& before)
{
    const size_t block = db.m_nDirBlockOffset;
    Check(before.Unchanged(db, 0, block) && before.Unchanged(db, block + BLOCK_MARKER_OFFSET, IMAGE_SIZE),
        "a directory rewrite changed bytes outside the block");
}

// Only the first signature identifies the image; the rewrite must not erase it.
bool RewriteAllowed(const ChannelDatabase& db)
{
    const long first = FirstSignature(db.m_Image);
    const long block = db.m_nDirBlockOffset;
    return first < 0 || first + long(IMAGE_SIGNATURE_SIZE) <= block || first >= block + long(BLOCK_MARKER_OFFSET);
}

// The deletion marks as the operations define them: the first entry equal
// to the record's is dropped.
class MarkModel {
public:
    void Reset(const Checked& before)
    {
        for (int id = 0; id < TABLE_COUNT; ++id) {
            m_tables[id] = before.tables[id];
            m_marks[id].assign(m_tables[id].size(), false);
            m_firsts[id].clear();
            for (size_t i = 0; i < m_tables[id].size(); ++i)
                m_firsts[id].emplace_back(m_tables[id][i], i);
            std::sort(m_firsts[id].begin(), m_firsts[id].end());
        }
    }

    bool Mark(int id, DirectoryEntry entry)
    {
        const auto& firsts = m_firsts[id];
        const auto hit = std::lower_bound(firsts.begin(), firsts.end(), std::make_pair(entry, size_t(0)));
        if (hit == firsts.end() || hit->first != entry)
            return false;
        m_marks[id][hit->second] = true;
        return true;
    }

    // Whether `now` holds exactly the unmarked entries, in their old order.
    bool KeptAre(int id, const Entries& now) const
    {
        size_t next = 0;
        for (size_t i = 0; i < m_tables[id].size(); ++i) {
            if (m_marks[id][i])
                continue;
            if (next == now.size() || now[next] != m_tables[id][i])
                return false;
            ++next;
        }
        return next == now.size();
    }

private:
    Entries m_tables[TABLE_COUNT];
    std::vector<bool> m_marks[TABLE_COUNT];
    std::vector<std::pair<DirectoryEntry, size_t>> m_firsts[TABLE_COUNT];
};

// After a directory rewrite: the image must decode, and becomes the new reference.
void DecodeAgainAfterRewrite(ChannelDatabase& db, Checked& before)
{
    Check(db.DecodeDatabase() == 1, "the edited image no longer decodes");
    const size_t block = db.m_nDirBlockOffset;
    before.Take(db, block, block + BLOCK_MARKER_OFFSET);
    before.TakeTables(db);
}

const std::vector<uint16_t>& Rows(FuzzedDataProvider& in, size_t listSize)
{
    static std::vector<uint16_t> rows;
    rows.resize(in.ConsumeIntegralInRange<size_t>(0, 8));
    for (auto& row : rows)
        row = in.ConsumeIntegralInRange<uint16_t>(0, static_cast<uint16_t>(std::min<size_t>(listSize + 1, 0xFFFF)));
    return rows;
}

// The view lists as the record list leaves them showing the transponders of
// a satellite, or the programs of the tab on one of them.
void ShowTransponders(ChannelDatabase& db, FuzzedDataProvider& in)
{
    db.m_nSatTpCount = 0;
    if (db.m_nSatCount > 0) {
        const uint16_t sat = in.ConsumeIntegralInRange<uint16_t>(0, db.m_nSatCount - 1);
        ViewLists::FillViewLists(db, LIST_TRANSPONDERS, sat, 0, 0);
    }
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

// A changed record must not reach a recognition mark: the fields written
// below (zeros and a lower-case name) cannot form one, but can erase one.
bool TouchesMarks(const uint8_t* image, uint32_t offset, size_t size)
{
    const long signature = FirstSignature(image);
    const long magic = signature < 0 ? -1 : Find(image, signature, IMAGE_SIZE, Magic(), 4);
    auto overlaps = [offset, size](long at, size_t length) {
        return at >= 0 && offset < at + length && static_cast<size_t>(at) < offset + size;
    };
    if (overlaps(signature, IMAGE_SIGNATURE_SIZE) || overlaps(magic, 4) || overlaps(ERASED_HEADER_OFFSET, 4))
        return true;
    for (uint32_t block : { FLASH_TYPE_1_BLOCK_ERASED, FLASH_TYPE_1_BLOCK, FLASH_TYPE_2_BLOCK_ERASED,
             FLASH_TYPE_2_BLOCK, FLASH_TYPE_2_BLOCK + DIRECTORY_BLOCK_SIZE })
        if (overlaps(block + BLOCK_MARKER_OFFSET, 4))
            return true;
    return false;
}

// Writes one decoded record back, unchanged or edited; false when the
// sequence cannot go on.
bool FuzzWrite(ChannelDatabase& db, FuzzedDataProvider& in)
{
    Checked& before = Before();
    const int which = in.ConsumeIntegralInRange(0, 2);
    const bool edit = in.ConsumeBool();
    uint32_t offset = 0;
    size_t size = 0;
    bool radioTable = false;
    bool marks = false;

    if (which == 0 && db.m_nSatCount > 0) {
        SatelliteRecord sat = db.m_SatTable[in.ConsumeIntegralInRange<uint16_t>(0, db.m_nSatCount - 1)];
        offset = EntryOffset(sat.entry);
        size = SATELLITE_RECORD_SIZE;
        marks = TouchesMarks(db.m_Image, offset, size);
        if (edit && !marks) {
            sat.longitude = 0;
            std::memcpy(sat.name, "edit\0\0\0\0\0\0\0\0", 12);
        }
        db.WriteSatellite(sat);
    } else if (which == 1 && db.m_nTpCount > 0) {
        TransponderRecord tp = db.m_TpTable[in.ConsumeIntegralInRange<uint16_t>(0, db.m_nTpCount - 1)];
        offset = EntryOffset(tp.entry);
        size = TRANSPONDER_RECORD_SIZE;
        marks = TouchesMarks(db.m_Image, offset, size);
        if (edit && !marks)
            tp.symbolRate = 0;
        db.WriteTransponder(tp);
    } else if (which == 2 && db.m_nProgCount > 0) {
        const uint16_t index = in.ConsumeIntegralInRange<uint16_t>(0, db.m_nProgCount - 1);
        ProgramRecord prog = db.m_ProgTable[index];
        radioTable = index >= db.m_nTvCount;
        offset = EntryOffset(prog.entry);
        size = PROGRAM_RECORD_SIZE;
        marks = TouchesMarks(db.m_Image, offset, size);
        const uint8_t attribute = in.ConsumeIntegral<uint8_t>();
        if (edit && !marks) {
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

    const size_t block = db.m_nDirBlockOffset;
    const size_t blockEnd = block + DIRECTORY_BLOCK_SIZE;
    const size_t end = offset + size;
    if (end > IMAGE_SIZE || (end > block && offset < blockEnd)) {
        Check(before.Unchanged(db, 0, IMAGE_SIZE), "a record outside the buffer or inside the directory was written");
        return true;
    }
    if (!edit) {
        // Byte for byte, except the video PID bits that a radio decode drops.
        const size_t video = offset + 8;
        const bool same = radioTable
            ? before.Unchanged(db, 0, video) && before.Unchanged(db, video + 4, IMAGE_SIZE)
                && ReadBE32(db.m_Image + video) == (ReadBE32(before.image.data() + video) & ~0x1FFFu)
            : before.Unchanged(db, 0, IMAGE_SIZE);
        Check(same, "an unchanged record did not write back");
    } else {
        const size_t low = std::min<size_t>(offset, block), high = std::max<size_t>(offset, block);
        const size_t lowEnd = low == offset ? end : blockEnd, highEnd = high == offset ? end : blockEnd;
        Check(before.Unchanged(db, 0, low) && before.Unchanged(db, lowEnd, high)
                && before.Unchanged(db, highEnd, IMAGE_SIZE),
            "a write changed bytes outside its record");
        const size_t first = before.FirstChange(db, block, blockEnd);
        Check(first == blockEnd || before.Unchanged(db, first + 1, blockEnd),
            "a write changed more than one attribute byte");
    }
    if (db.DecodeDatabase() != 1) {
        // A radio record lying on a recognition mark loses its video PID
        // bits there, and the image may rightly stop decoding.
        Check(marks, "the edited image no longer decodes");
        return false;
    }
    before.Take(db, offset, end);
    before.Take(db, block, blockEnd);
    before.TakeTables(db);
    return true;
}

void FuzzDelete(ChannelDatabase& db, FuzzedDataProvider& in)
{
    Checked& before = Before();
    static MarkModel model;
    model.Reset(before);
    const bool allowed = RewriteAllowed(db);
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: {
        const auto& rows = Rows(in, db.m_nSatCount);
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
        const auto& rows = Rows(in, listCount);
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
        static std::vector<const ProgramRecord*> shown;
        shown.clear();
        if (tpList) {
            ShowPrograms(db, in, tab);
            const ProgramRecord* list = tab == 0 ? db.m_TpTvList : db.m_TpRadioList;
            for (uint16_t i = 0; i < (tab == 0 ? db.m_nTpTvCount : db.m_nTpRadioCount); ++i)
                shown.push_back(list + i);
        } else {
            for (uint16_t p = 0; p < db.m_nProgCount; ++p)
                if ((db.m_ProgTable[p].videoPid == 0) == (tab == 1))
                    shown.push_back(db.m_ProgTable + p);
        }
        const auto& rows = Rows(in, shown.size());
        for (uint16_t row : rows)
            if (row < shown.size() && !model.Mark(tab == 0 ? TABLE_TV : TABLE_RADIO, shown[row]->entry))
                model.Mark(tab == 0 ? TABLE_RADIO : TABLE_TV, shown[row]->entry);
        db.DeletePrograms(rows, tpList ? LIST_TP_PROGRAMS : LIST_PROGRAMS, tab);
        break;
    }
    }

    if (!allowed) {
        Check(before.Unchanged(db, 0, IMAGE_SIZE), "a refused delete wrote");
        return;
    }
    CheckOnlyBlockChanged(db, before);
    DecodeAgainAfterRewrite(db, before);
    for (int id = 0; id < TABLE_COUNT; ++id)
        Check(model.KeptAre(id, before.tables[id]), "a delete dropped other entries than its cascade");
}

void FuzzReorder(ChannelDatabase& db, FuzzedDataProvider& in)
{
    static constexpr int KINDS[] = { REORDER_SATELLITES, REORDER_TV, REORDER_RADIO, REORDER_SAT_TPS, REORDER_TP_TV,
        REORDER_TP_RADIO, 1 };
    Checked& before = Before();
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
    static std::vector<uint16_t> order;
    order.resize(n);
    for (size_t k = 0; k < n; ++k)
        order[k] = static_cast<uint16_t>(k);
    for (size_t k = n; k > 1; --k)
        std::swap(order[k - 1], order[in.ConsumeIntegralInRange<size_t>(0, k - 1)]);
    if (n > 1 && in.ConsumeIntegralInRange(0, 15) == 0)
        order[0] = order[1];

    const bool allowed = RewriteAllowed(db);
    const int result = db.ReorderRecords(kind, order);
    if (result == 0) {
        Check(before.Unchanged(db, 0, IMAGE_SIZE), "a refused reorder wrote");
        return;
    }
    Check(allowed, "a reorder rewrote a block holding the signature");
    CheckOnlyBlockChanged(db, before);
    static Entries exact;
    exact.clear();
    const ProgramRecord* moved = kind == REORDER_TV ? db.m_TvTable : db.m_RadioTable;
    for (size_t k = 0; k < order.size() && (kind == REORDER_TV || kind == REORDER_RADIO); ++k)
        exact.push_back(moved[order[k]].entry);

    // The old tables, sorted, against the new ones, sorted.
    static Entries was[TABLE_COUNT];
    for (int id = 0; id < TABLE_COUNT; ++id) {
        was[id] = before.tables[id];
        std::sort(was[id].begin(), was[id].end());
    }
    DecodeAgainAfterRewrite(db, before);
    static Entries now;
    for (int id = 0; id < TABLE_COUNT; ++id) {
        now = before.tables[id];
        std::sort(now.begin(), now.end());
        Check(was[id] == now, "a reorder lost or duplicated an entry");
    }
    if (kind == REORDER_TV || kind == REORDER_RADIO)
        Check(before.tables[kind == REORDER_TV ? TABLE_TV : TABLE_RADIO] == exact, "a reorder misplaced a program");
}

// The queries over a few satellites and transponders; each walks whole tables.
void RunQueries(ChannelDatabase& db)
{
    static TransponderRecord tps[MAX_SAT_TPS];
    static ProgramRecord progs[ViewLists::MAX_TP_WORK_LIST];
    for (uint16_t s = 0; s < std::min(db.m_nSatCount, QUERIED); ++s) {
        db.CopySatelliteTransponders(tps, db.m_SatTable[s].satId);
        db.CopySatellitePrograms(db.m_SatTvList, db.m_SatTable[s].satId, 0);
        db.CopySatellitePrograms(db.m_SatRadioList, db.m_SatTable[s].satId, 1);
    }
    for (uint16_t t = 0; t < std::min(db.m_nTpCount, QUERIED); ++t)
        db.CopyTransponderPrograms(progs, db.m_TpTable[t].tpId);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A few MiB: on the heap once, for every input.
    static ChannelDatabase& db = *new ChannelDatabase;
    FuzzFrame::Load(db, data, size);
    if (db.DecodeDatabase() == 0)
        return 0;
    RunQueries(db);

    Checked& before = Before();
    before.Take(db, 0, IMAGE_SIZE);
    before.TakeTables(db);

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
