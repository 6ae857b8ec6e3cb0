#include "ChannelDatabase.h"

#include "BigEndian.h"
#include "RecordCodec.h"

#include <algorithm>
#include <cstring>

namespace {

// First offset at or after `from` where `pattern` stands, or -1. memchr
// skips to the places of the pattern's byte at `pivot`, much faster than a
// byte-wise compare over 1 MiB; a pivot rare in channel data keeps the
// candidates few.
long FindBytes(const uint8_t* image, size_t from, const void* pattern, size_t length, size_t pivot = 0)
{
    const auto* bytes = static_cast<const uint8_t*>(pattern);
    size_t at = from;
    while (at + length <= IMAGE_SIZE) {
        const void* hit = std::memchr(image + at + pivot, bytes[pivot], IMAGE_SIZE - length + 1 - at);
        if (!hit)
            return -1;
        at = static_cast<size_t>(static_cast<const uint8_t*>(hit) - image) - pivot;
        if (std::memcmp(image + at, bytes, length) == 0)
            return static_cast<long>(at);
        ++at;
    }
    return -1;
}

// Every mark that may stand anywhere holds one 'L': the signature's fifth
// byte, the key-area markers' second. Memchr skips to those.
constexpr size_t SIGNATURE_PIVOT = 4;
constexpr size_t KEY_AREA_PIVOT = 1;
static_assert(IMAGE_SIGNATURE[SIGNATURE_PIVOT] == 'L' && KEY_AREA_START[KEY_AREA_PIVOT] == 'L'
    && KEY_AREA_END[KEY_AREA_PIVOT] == 'L');

struct Marks {
    long signature = -1; // the first one
    bool keyAreaStart = false;
    bool keyAreaEnd = false;
};

bool StandsAt(const uint8_t* image, size_t hit, size_t pivot, const char* pattern, size_t length)
{
    if (hit < pivot || hit - pivot + length > IMAGE_SIZE)
        return false;
    const uint8_t* start = image + hit - pivot;
    return start[0] == uint8_t(pattern[0]) && std::memcmp(start, pattern, length) == 0;
}

// One pass over the whole image for the signature and both key-area markers.
Marks FindMarks(const uint8_t* image)
{
    Marks marks;
    for (size_t at = 0; at < IMAGE_SIZE; ++at) {
        const void* hit = std::memchr(image + at, 'L', IMAGE_SIZE - at);
        if (!hit)
            break;
        at = static_cast<size_t>(static_cast<const uint8_t*>(hit) - image);
        if (marks.signature < 0 && StandsAt(image, at, SIGNATURE_PIVOT, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE))
            marks.signature = static_cast<long>(at - SIGNATURE_PIVOT);
        if (StandsAt(image, at, KEY_AREA_PIVOT, KEY_AREA_START, KEY_AREA_MARKER_SIZE))
            marks.keyAreaStart = true;
        if (StandsAt(image, at, KEY_AREA_PIVOT, KEY_AREA_END, KEY_AREA_MARKER_SIZE))
            marks.keyAreaEnd = true;
        if (marks.signature >= 0 && marks.keyAreaStart && marks.keyAreaEnd)
            break;
    }
    return marks;
}

// The flash type that the first signature and the first directory magic at
// or after it give; 0, with the reason, when the image is not recognised.
int FlashTypeOf(const uint8_t* image, long signature, DecodeProblem& problem)
{
    if (signature < 0 || signature == 4) {
        problem = signature < 0 ? DecodeProblem::NoSignature : DecodeProblem::SignatureAtFour;
        return 0;
    }
    uint8_t magicBytes[4];
    WriteBE32(magicBytes, DIRECTORY_MAGIC);
    const long magic = FindBytes(image, static_cast<size_t>(signature), magicBytes, sizeof magicBytes);
    if (magic < 0) {
        problem = DecodeProblem::NoDirectoryMagic;
        return 0;
    }
    return magic <= FLASH_TYPE_1_LIMIT ? 1 : 2;
}

bool ErasedHeader(const uint8_t* image)
{
    return ReadBE32(image + ERASED_HEADER_OFFSET) == 0xFFFFFFFF;
}

} // namespace

const char* DecodeProblemText(DecodeProblem problem)
{
    switch (problem) {
    case DecodeProblem::None:
        break;
    case DecodeProblem::NoSignature:
        return "the image signature 6CGHLSWZ is missing";
    case DecodeProblem::SignatureAtFour:
        return "the image signature stands at offset 4";
    case DecodeProblem::NoDirectoryMagic:
        return "no directory magic 77 02 AB CD follows the signature";
    case DecodeProblem::NoBlockMarker:
        return "no directory block ends in the block marker 19 85 10 19";
    case DecodeProblem::TableTooLarge:
        return "the table lists more records than it holds";
    case DecodeProblem::TableOutsideBlock:
        return "the table runs past the end of the directory block";
    case DecodeProblem::RecordOutsideImage:
        return "the table lists a record that leaves the image";
    case DecodeProblem::TooManyPrograms:
        static_assert(MAX_PROGRAMS == 5000, "the text names the most programs");
        return "TV and radio tables together list more than 5000 programs";
    }
    return "no problem";
}

int ChannelDatabase::DecodeDatabase()
{
    // The tables are cleared as the first step of the decode; only the part
    // that the new tables do not overwrite needs zeros.
    ClearCounts();
    m_DecodeProblem = DecodeProblem::None;
    m_nProblemTable = -1;

    const Marks marks = FindMarks(m_Image);
    const int flashType = FlashTypeOf(m_Image, marks.signature, m_DecodeProblem);
    if (flashType == 0) {
        ClearTables();
        return 0;
    }
    m_nFlashType = flashType;
    if (!SelectFlashLayout(flashType)) {
        ClearTables();
        return 0;
    }
    m_bKeyArea = (marks.keyAreaStart && marks.keyAreaEnd) ? 1 : 0;

    if (!DecodeTables()) {
        ClearTallies();
        ClearTables();
        return 0;
    }
    ClearBeyondCounts();
    DeriveCounts();
    return 1;
}

long ChannelDatabase::FindSignature() const
{
    return FindBytes(m_Image, 0, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE, SIGNATURE_PIVOT);
}

int ChannelDatabase::DetectFlashType()
{
    return FlashTypeOf(m_Image, FindSignature(), m_DecodeProblem);
}

int ChannelDatabase::SelectFlashLayout(int flashType)
{
    const bool erased = ErasedHeader(m_Image);
    if (flashType == 2) {
        m_nDirSearchLength = FLASH_TYPE_2_SEARCH_LENGTH;
        const uint32_t candidate = erased ? FLASH_TYPE_2_BLOCK_ERASED : FLASH_TYPE_2_BLOCK;
        m_nDirBlockOffset = candidate;
        if (ReadBE32(m_Image + candidate + BLOCK_MARKER_OFFSET) == BLOCK_MARKER) {
            m_nFlashSize = FLASH_TYPE_2_SIZE;
            return 1;
        }
        if (ReadBE32(m_Image + candidate + DIRECTORY_BLOCK_SIZE + BLOCK_MARKER_OFFSET) == BLOCK_MARKER) {
            m_nDirBlockOffset = candidate + DIRECTORY_BLOCK_SIZE;
            m_nFlashSize = FLASH_TYPE_2_SIZE;
            return 1;
        }
        m_DecodeProblem = DecodeProblem::NoBlockMarker;
        return 0;
    }
    if (flashType == 1) {
        m_nDirSearchLength = FLASH_TYPE_1_SEARCH_LENGTH;
        m_nDirBlockOffset = erased ? FLASH_TYPE_1_BLOCK_ERASED : FLASH_TYPE_1_BLOCK;
        m_nFlashSize = FLASH_TYPE_1_SIZE;
        return 1;
    }
    return 0;
}

int ChannelDatabase::DetectKeyArea()
{
    const Marks marks = FindMarks(m_Image);
    m_bKeyArea = (marks.keyAreaStart && marks.keyAreaEnd) ? 1 : 0;
    return m_bKeyArea;
}

uint32_t ChannelDatabase::FindDirectoryTable(int tableId, DirectoryTable* header) const
{
    const uint8_t magicFirstByte = DIRECTORY_MAGIC >> 24;
    const uint32_t block = m_nDirBlockOffset;
    const uint32_t searchEnd = static_cast<uint32_t>(std::min<uint64_t>(uint64_t(block) + m_nDirSearchLength,
        IMAGE_SIZE - DIRECTORY_HEADER_SIZE + 1));
    for (uint32_t q = block; q < searchEnd; q += 4) {
        // Headers stand 4-aligned from the block start; memchr skips the
        // entries between them.
        const void* hit = std::memchr(m_Image + q, magicFirstByte, searchEnd - q);
        if (!hit)
            break;
        q = static_cast<uint32_t>(static_cast<const uint8_t*>(hit) - m_Image);
        const uint32_t misalignment = (q - block) % 4;
        if (misalignment != 0) {
            q -= misalignment;
            continue;
        }
        const uint8_t* p = m_Image + q;
        if (ReadBE32(p) == DIRECTORY_MAGIC && ReadBE32(p + 4) == static_cast<uint32_t>(tableId)
            && ReadBE32(p + 16) == DIRECTORY_HEADER_END) {
            if (header) {
                header->magic = ReadBE32(p);
                header->tableId = ReadBE32(p + 4);
                header->entryCount = ReadBE32(p + 8);
                header->reserved = ReadBE32(p + 12);
                header->headerEnd = ReadBE32(p + 16);
            }
            return q;
        }
    }
    if (header)
        *header = DirectoryTable {};
    return 0;
}

namespace {

template <typename Record>
void ZeroRecords(Record* table, uint16_t from, uint16_t to)
{
    if (from < to)
        std::memset(static_cast<void*>(table + from), 0, (to - from) * sizeof(Record));
}

} // namespace

void ChannelDatabase::ClearCounts()
{
    std::memset(m_SatTpList, 0, sizeof m_SatTpList);
    m_nSatCount = 0;
    m_nTpCount = 0;
    m_nSatTpCount = 0;
    m_nProgCount = 0;
    m_nTvCount = 0;
    m_nRadioCount = 0;
}

void ChannelDatabase::ClearTables()
{
    m_Decoded = { std::max(m_Decoded.sats, m_nSatCount), std::max(m_Decoded.tps, m_nTpCount),
        std::max(m_Decoded.tv, m_nTvCount), std::max(m_Decoded.radio, m_nRadioCount),
        std::max(m_Decoded.progs, m_nProgCount) };
    ClearCounts();
    ClearBeyondCounts();
}

void ChannelDatabase::ClearBeyondCounts()
{
    ZeroRecords(m_SatTable, m_nSatCount, m_Decoded.sats);
    ZeroRecords(m_TpTable, m_nTpCount, m_Decoded.tps);
    ZeroRecords(m_TvTable, m_nTvCount, m_Decoded.tv);
    ZeroRecords(m_RadioTable, m_nRadioCount, m_Decoded.radio);
    ZeroRecords(m_ProgTable, m_nProgCount, m_Decoded.progs);
    m_Decoded = { m_nSatCount, m_nTpCount, m_nTvCount, m_nRadioCount, m_nProgCount };
}

namespace {

// Where one table's entries stand in the directory block; a missing table
// is an empty one.
struct TableSpan {
    uint32_t entries = 0;
    uint32_t count = 0;
};

// Fails when the table is larger than its capacity or its entries leave the
// directory block.
DecodeProblem LocateTable(const ChannelDatabase& db, int tableId, TableSpan& span)
{
    DirectoryTable header;
    const uint32_t q = db.FindDirectoryTable(tableId, &header);
    span = TableSpan {};
    if (q == 0)
        return DecodeProblem::None;
    if (header.entryCount > TABLE_CAPACITY[tableId])
        return DecodeProblem::TableTooLarge;
    const uint64_t entriesEnd = uint64_t(q) + DIRECTORY_HEADER_SIZE + 4ull * header.entryCount;
    if (entriesEnd > uint64_t(db.m_nDirBlockOffset) + DIRECTORY_BLOCK_SIZE)
        return DecodeProblem::TableOutsideBlock;
    span.entries = q + DIRECTORY_HEADER_SIZE;
    span.count = header.entryCount;
    return DecodeProblem::None;
}

// Hands each entry of the table, in order, with its record's bytes to
// `decode`, up to the first entry whose record would leave the image; the
// number of entries decoded.
template <typename Decode>
uint16_t DecodeEntries(const uint8_t* image, const TableSpan& span, size_t recordSize, Decode decode)
{
    uint32_t i = 0;
    for (; i < span.count; ++i) {
        const uint32_t entry = ReadBE32(image + span.entries + 4 * i);
        const uint32_t offset = EntryOffset(entry);
        if (offset + recordSize > IMAGE_SIZE)
            break;
        decode(i, entry, image + offset);
    }
    return static_cast<uint16_t>(i);
}

// Counts ids into a tally. Records of one satellite mostly stand together;
// adding up a run of equal ids before storing it spares the loop from
// waiting on its own last store.
class RunTally {
public:
    RunTally(IdTally& tally, IdTally::Count count)
        : m_tally(tally)
        , m_count(count)
    {
    }

    void Add(uint16_t id)
    {
        if (id != m_id) {
            Flush();
            m_id = id;
        }
        ++m_run;
    }

    void Flush()
    {
        if (m_run > 0)
            m_tally.Add(m_id, m_count, m_run);
        m_run = 0;
    }

private:
    IdTally& m_tally;
    IdTally::Count m_count;
    uint16_t m_id = 0;
    uint16_t m_run = 0;
};

} // namespace

// A table is refused as a whole when it does not fit its capacity, its block
// or the image. Each count is that of the records written, so that the
// caller's clearing of a refused decode reaches every one of them.
bool ChannelDatabase::DecodeTables()
{
    auto refuse = [this](int tableId, DecodeProblem problem) {
        m_DecodeProblem = problem;
        m_nProblemTable = tableId;
        return false;
    };
    TableSpan span;
    auto locate = [&](int tableId) {
        const DecodeProblem problem = LocateTable(*this, tableId, span);
        if (problem != DecodeProblem::None)
            return refuse(tableId, problem);
        return true;
    };

    if (!locate(TABLE_SATELLITES))
        return false;
    m_nSatCount = DecodeEntries(m_Image, span, SATELLITE_RECORD_SIZE, [this](uint32_t i, uint32_t entry, const uint8_t* bytes) {
        RecordCodec::DecodeSatellite(bytes, m_SatTable[i]);
        m_SatTable[i].entry = entry;
        m_SatTally.Know(m_SatTable[i].satId);
    });
    if (m_nSatCount != span.count)
        return refuse(TABLE_SATELLITES, DecodeProblem::RecordOutsideImage);

    // Per-id tallies of the derived counts instead of programs x
    // (transponders + satellites) comparisons. Programs count by
    // transponder one at a time: in a full table the next program's is
    // mostly another.
    RunTally tpsOfSat(m_SatTally, IdTally::TRANSPONDERS);
    RunTally tvOfSat(m_SatTally, IdTally::TV), radioOfSat(m_SatTally, IdTally::RADIO);
    if (!locate(TABLE_TRANSPONDERS))
        return false;
    m_nTpCount = DecodeEntries(m_Image, span, TRANSPONDER_RECORD_SIZE, [&](uint32_t i, uint32_t entry, const uint8_t* bytes) {
        RecordCodec::DecodeTransponder(bytes, m_TpTable[i]);
        m_TpTable[i].entry = entry;
        m_TpTally.Know(m_TpTable[i].tpId);
        tpsOfSat.Add(m_TpTable[i].satId);
    });
    if (m_nTpCount != span.count)
        return refuse(TABLE_TRANSPONDERS, DecodeProblem::RecordOutsideImage);

    auto decodeProgram = [&](uint32_t i, uint32_t entry, const uint8_t* bytes, ProgramRecord& prog) {
        RecordCodec::DecodeProgram(bytes, prog);
        prog.entry = entry;
        prog.tableIndex = static_cast<uint16_t>(i);
        RecordCodec::DecodeProgramAttribute(EntryAttribute(entry), prog);
    };
    auto tallyProgram = [&](const ProgramRecord& prog) {
        if (prog.videoPid != 0) {
            m_TpTally.Add(prog.tpId, IdTally::TV, 1);
            tvOfSat.Add(prog.satId);
        } else {
            m_TpTally.Add(prog.tpId, IdTally::RADIO, 1);
            radioOfSat.Add(prog.satId);
        }
    };
    if (!locate(TABLE_TV))
        return false;
    m_nTvCount = DecodeEntries(m_Image, span, PROGRAM_RECORD_SIZE, [&](uint32_t i, uint32_t entry, const uint8_t* bytes) {
        decodeProgram(i, entry, bytes, m_TvTable[i]);
        tallyProgram(m_TvTable[i]);
    });
    if (m_nTvCount != span.count)
        return refuse(TABLE_TV, DecodeProblem::RecordOutsideImage);
    m_nProgCount = m_nTvCount;
    std::copy_n(m_TvTable, m_nTvCount, m_ProgTable);

    if (!locate(TABLE_RADIO))
        return false;
    m_nRadioCount = DecodeEntries(m_Image, span, PROGRAM_RECORD_SIZE, [&](uint32_t i, uint32_t entry, const uint8_t* bytes) {
        decodeProgram(i, entry, bytes, m_RadioTable[i]);
        m_RadioTable[i].videoPid = 0;
        tallyProgram(m_RadioTable[i]);
    });
    if (m_nRadioCount != span.count)
        return refuse(TABLE_RADIO, DecodeProblem::RecordOutsideImage);
    if (m_nTvCount + m_nRadioCount > MAX_PROGRAMS) {
        m_DecodeProblem = DecodeProblem::TooManyPrograms; // of both program tables
        return false;
    }
    m_nProgCount = static_cast<uint16_t>(m_nTvCount + m_nRadioCount);
    std::copy_n(m_RadioTable, m_nRadioCount, m_ProgTable + m_nTvCount);
    for (RunTally* run : { &tpsOfSat, &tvOfSat, &radioOfSat })
        run->Flush();
    return true;
}

void ChannelDatabase::DeriveCounts()
{
    for (uint16_t s = 0; s < m_nSatCount; ++s) {
        SatelliteRecord& sat = m_SatTable[s];
        sat.tpCount = m_SatTally.Of(sat.satId, IdTally::TRANSPONDERS);
        sat.tvCount = m_SatTally.Of(sat.satId, IdTally::TV);
        sat.radioCount = m_SatTally.Of(sat.satId, IdTally::RADIO);
    }
    for (uint16_t t = 0; t < m_nTpCount; ++t) {
        TransponderRecord& tp = m_TpTable[t];
        tp.tvCount = m_TpTally.Of(tp.tpId, IdTally::TV);
        tp.radioCount = m_TpTally.Of(tp.tpId, IdTally::RADIO);
    }
    ClearTallies();
}

// The tallies know only the ids of the satellites and transponders written.
void ChannelDatabase::ClearTallies()
{
    for (uint16_t s = 0; s < m_nSatCount; ++s)
        m_SatTally.Forget(m_SatTable[s].satId);
    for (uint16_t t = 0; t < m_nTpCount; ++t)
        m_TpTally.Forget(m_TpTable[t].tpId);
}

uint16_t ChannelDatabase::CopySatelliteTransponders(std::span<TransponderRecord> dest, uint16_t satId) const
{
    size_t n = 0;
    for (uint16_t t = 0; t < m_nTpCount && n < dest.size(); ++t)
        if (m_TpTable[t].satId == satId)
            dest[n++] = m_TpTable[t];
    return static_cast<uint16_t>(n);
}

uint16_t ChannelDatabase::CopyTransponderPrograms(std::span<ProgramRecord> dest, uint16_t tpId) const
{
    size_t n = 0;
    for (uint16_t p = 0; p < m_nProgCount && n < dest.size(); ++p)
        if (m_ProgTable[p].tpId == tpId)
            dest[n++] = m_ProgTable[p];
    return static_cast<uint16_t>(n);
}

uint16_t ChannelDatabase::CopySatellitePrograms(std::span<ProgramRecord> dest, uint16_t satId, int kind) const
{
    size_t n = 0;
    for (uint16_t p = 0; p < m_nProgCount && n < dest.size(); ++p) {
        const ProgramRecord& prog = m_ProgTable[p];
        const bool tv = prog.videoPid != 0;
        if (prog.satId == satId && tv == (kind == 0))
            dest[n++] = prog;
    }
    return static_cast<uint16_t>(n);
}
