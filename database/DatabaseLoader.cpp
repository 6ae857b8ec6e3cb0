#include "ChannelDatabase.h"

#include "BigEndian.h"
#include "RecordCodec.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// First offset at or after `from` where `pattern` stands, or -1. memchr
// skips to candidates much faster than a byte-wise compare over 1 MiB.
long FindBytes(const uint8_t* image, size_t from, const void* pattern, size_t length)
{
    const auto* first = static_cast<const uint8_t*>(pattern);
    size_t at = from;
    while (at + length <= IMAGE_SIZE) {
        const void* hit = std::memchr(image + at, first[0], IMAGE_SIZE - length + 1 - at);
        if (!hit)
            return -1;
        at = static_cast<size_t>(static_cast<const uint8_t*>(hit) - image);
        if (std::memcmp(image + at, first, length) == 0)
            return static_cast<long>(at);
        ++at;
    }
    return -1;
}

bool ErasedHeader(const uint8_t* image)
{
    return ReadBE32(image + ERASED_HEADER_OFFSET) == 0xFFFFFFFF;
}

} // namespace

int ChannelDatabase::DecodeDatabase()
{
    ClearTables();

    const int flashType = DetectFlashType();
    if (flashType == 0)
        return 0;
    m_nFlashType = flashType;
    if (!SelectFlashLayout(flashType))
        return 0;
    DetectKeyArea();

    if (!DecodeTables()) {
        // A table that does not fit its capacity, its block or the image is
        // refused as a whole rather than shown truncated.
        ClearTables();
        return 0;
    }
    DeriveCounts();
    return 1;
}

long ChannelDatabase::FindSignature() const
{
    return FindBytes(m_Image, 0, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE);
}

int ChannelDatabase::DetectFlashType()
{
    const long signature = FindSignature();
    if (signature < 0 || signature == 4)
        return 0;
    uint8_t magicBytes[4];
    WriteBE32(magicBytes, DIRECTORY_MAGIC);
    const long magic = FindBytes(m_Image, static_cast<size_t>(signature), magicBytes, sizeof magicBytes);
    if (magic < 0)
        return 0;
    return magic <= FLASH_TYPE_1_LIMIT ? 1 : 2;
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
    const bool start = FindBytes(m_Image, 0, KEY_AREA_START, KEY_AREA_MARKER_SIZE) >= 0;
    const bool end = FindBytes(m_Image, 0, KEY_AREA_END, KEY_AREA_MARKER_SIZE) >= 0;
    m_bKeyArea = (start && end) ? 1 : 0;
    return m_bKeyArea;
}

uint32_t ChannelDatabase::FindDirectoryTable(int tableId, DirectoryTable* header) const
{
    for (uint32_t k = 0; 4 * k < m_nDirSearchLength; ++k) {
        const uint32_t q = m_nDirBlockOffset + 4 * k;
        if (q + DIRECTORY_HEADER_SIZE > IMAGE_SIZE)
            break;
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

void ChannelDatabase::ClearTables()
{
    std::memset(m_SatTable, 0, sizeof m_SatTable);
    std::memset(m_TpTable, 0, sizeof m_TpTable);
    std::memset(m_SatTpList, 0, sizeof m_SatTpList);
    std::memset(m_ProgTable, 0, sizeof m_ProgTable);
    std::memset(m_TvTable, 0, sizeof m_TvTable);
    std::memset(m_RadioTable, 0, sizeof m_RadioTable);
    m_nSatCount = 0;
    m_nTpCount = 0;
    m_nSatTpCount = 0;
    m_nProgCount = 0;
    m_nTvCount = 0;
    m_nRadioCount = 0;
}

namespace {

// Locates one table's entries; a missing table is an empty one. Fails when
// the table is larger than its capacity, its entries leave the directory
// block, or one of its records would leave the image.
struct TableSpan {
    uint32_t entries = 0;
    uint32_t count = 0;
};

bool LocateTable(const ChannelDatabase& db, int tableId, uint32_t capacity, size_t recordSize, TableSpan& span)
{
    DirectoryTable header;
    const uint32_t q = db.FindDirectoryTable(tableId, &header);
    span = TableSpan {};
    if (q == 0)
        return true;
    if (header.entryCount > capacity)
        return false;
    const uint64_t entriesEnd = uint64_t(q) + DIRECTORY_HEADER_SIZE + 4ull * header.entryCount;
    if (entriesEnd > uint64_t(db.m_nDirBlockOffset) + DIRECTORY_BLOCK_SIZE)
        return false;
    span.entries = q + DIRECTORY_HEADER_SIZE;
    span.count = header.entryCount;
    for (uint32_t i = 0; i < span.count; ++i) {
        const uint32_t offset = EntryOffset(ReadBE32(db.m_Image + span.entries + 4 * i));
        if (offset + recordSize > IMAGE_SIZE)
            return false;
    }
    return true;
}

} // namespace

bool ChannelDatabase::DecodeTables()
{
    TableSpan sats, tps, tv, radio;
    if (!LocateTable(*this, TABLE_SATELLITES, MAX_SATELLITES, SATELLITE_RECORD_SIZE, sats)
        || !LocateTable(*this, TABLE_TRANSPONDERS, MAX_TRANSPONDERS, TRANSPONDER_RECORD_SIZE, tps)
        || !LocateTable(*this, TABLE_TV, MAX_TV, PROGRAM_RECORD_SIZE, tv)
        || !LocateTable(*this, TABLE_RADIO, MAX_RADIO, PROGRAM_RECORD_SIZE, radio)
        || tv.count + radio.count > MAX_PROGRAMS)
        return false;

    for (uint32_t i = 0; i < sats.count; ++i) {
        const uint32_t entry = ReadBE32(m_Image + sats.entries + 4 * i);
        SatelliteRecord& sat = m_SatTable[m_nSatCount++];
        RecordCodec::DecodeSatellite(m_Image + EntryOffset(entry), sat);
        sat.entry = entry;
        sat.tpCount = sat.tvCount = sat.radioCount = 0;
    }
    for (uint32_t i = 0; i < tps.count; ++i) {
        const uint32_t entry = ReadBE32(m_Image + tps.entries + 4 * i);
        TransponderRecord& tp = m_TpTable[m_nTpCount++];
        RecordCodec::DecodeTransponder(m_Image + EntryOffset(entry), tp);
        tp.entry = entry;
        tp.tvCount = tp.radioCount = 0;
    }
    auto decodePrograms = [this](const TableSpan& table, ProgramRecord* dest, bool radioTable) {
        for (uint32_t i = 0; i < table.count; ++i) {
            const uint32_t entry = ReadBE32(m_Image + table.entries + 4 * i);
            ProgramRecord& prog = dest[i];
            RecordCodec::DecodeProgram(m_Image + EntryOffset(entry), prog);
            if (radioTable)
                prog.videoPid = 0;
            prog.entry = entry;
            prog.tableIndex = static_cast<uint16_t>(i);
            RecordCodec::DecodeProgramAttribute(EntryAttribute(entry), prog);
        }
    };
    decodePrograms(tv, m_TvTable, false);
    m_nTvCount = static_cast<uint16_t>(tv.count);
    m_nProgCount = m_nTvCount;
    decodePrograms(radio, m_RadioTable, true);
    m_nRadioCount = static_cast<uint16_t>(radio.count);
    m_nProgCount = static_cast<uint16_t>(m_nProgCount + m_nRadioCount);

    std::copy_n(m_TvTable, m_nTvCount, m_ProgTable);
    std::copy_n(m_RadioTable, m_nRadioCount, m_ProgTable + m_nTvCount);
    return true;
}

void ChannelDatabase::DeriveCounts()
{
    // Per-id tallies instead of programs x (transponders + satellites)
    // comparisons; 16-bit counters wrap exactly as the nested loops would.
    std::vector<uint16_t> tally(5 * 0x10000, 0);
    uint16_t* tpsOfSat = tally.data();
    uint16_t* tvOfTp = tpsOfSat + 0x10000;
    uint16_t* radioOfTp = tvOfTp + 0x10000;
    uint16_t* tvOfSat = radioOfTp + 0x10000;
    uint16_t* radioOfSat = tvOfSat + 0x10000;

    for (uint16_t t = 0; t < m_nTpCount; ++t)
        ++tpsOfSat[m_TpTable[t].satId];
    for (uint16_t p = 0; p < m_nProgCount; ++p) {
        const ProgramRecord& prog = m_ProgTable[p];
        if (prog.videoPid != 0) {
            ++tvOfTp[prog.tpId];
            ++tvOfSat[prog.satId];
        } else {
            ++radioOfTp[prog.tpId];
            ++radioOfSat[prog.satId];
        }
    }
    for (uint16_t s = 0; s < m_nSatCount; ++s) {
        SatelliteRecord& sat = m_SatTable[s];
        // A transponder's satellite id has 14 bits; larger satellite ids match none.
        sat.tpCount = sat.satId < 0x4000 ? tpsOfSat[sat.satId] : 0;
        sat.tvCount = tvOfSat[sat.satId];
        sat.radioCount = radioOfSat[sat.satId];
    }
    for (uint16_t t = 0; t < m_nTpCount; ++t) {
        TransponderRecord& tp = m_TpTable[t];
        tp.tvCount = tvOfTp[tp.tpId];
        tp.radioCount = radioOfTp[tp.tpId];
    }
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
