#include "ChannelDatabase.h"

#include "BigEndian.h"
#include "RecordCodec.h"

#include <algorithm>

namespace {

// A record is written only when it lies wholly inside the image and outside
// the directory block, which holds the tables and nothing else.
bool MayWriteRecord(const ChannelDatabase& db, DirectoryEntry entry, size_t size)
{
    const uint32_t offset = EntryOffset(entry);
    if (offset + size > IMAGE_SIZE)
        return false;
    if (db.m_nDirSearchLength == 0)
        return true;
    const uint32_t block = db.m_nDirBlockOffset;
    return offset + size <= block || offset >= block + DIRECTORY_BLOCK_SIZE;
}

// The entries of one table as they lie in the image, cut off where they
// would leave the directory block.
struct ImageTable {
    uint32_t entries = 0;
    uint32_t count = 0;
};

ImageTable LocateTable(const ChannelDatabase& db, int tableId)
{
    DirectoryTable header;
    const uint32_t q = db.FindDirectoryTable(tableId, &header);
    if (q == 0)
        return {};
    const uint32_t entries = q + DIRECTORY_HEADER_SIZE;
    const uint32_t blockEnd = std::min<uint32_t>(db.m_nDirBlockOffset + DIRECTORY_BLOCK_SIZE, IMAGE_SIZE);
    const uint32_t room = entries < blockEnd ? (blockEnd - entries) / 4 : 0;
    return { entries, std::min(header.entryCount, room) };
}

// True when the word at `at` is part of a table header, which a damaged
// directory may list among another table's entries.
bool InHeader(const ChannelDatabase& db, uint32_t at)
{
    for (int id = 0; id < TABLE_COUNT; ++id) {
        const uint32_t q = db.FindDirectoryTable(id, nullptr);
        if (q != 0 && at >= q && at < q + DIRECTORY_HEADER_SIZE)
            return true;
    }
    return false;
}

// Replaces the attribute byte of the first entry equal to `entry`. A word
// that is a table header's, or would then read as the directory magic, is
// left alone: the image would decode otherwise.
bool WriteAttribute(ChannelDatabase& db, int tableId, DirectoryEntry entry, uint8_t attribute)
{
    const ImageTable table = LocateTable(db, tableId);
    for (uint32_t i = 0; i < table.count; ++i) {
        const uint32_t at = table.entries + 4 * i;
        if (ReadBE32(db.m_Image + at) == entry) {
            const DirectoryEntry written = (DirectoryEntry(attribute) << 24) | (entry & 0xFFFFFF);
            if (written != DIRECTORY_MAGIC && !InHeader(db, at))
                db.m_Image[at] = attribute;
            return true;
        }
    }
    return false;
}

uint16_t FindPosition(const ChannelDatabase& db, int tableId, uint16_t id)
{
    const ImageTable table = LocateTable(db, tableId);
    for (uint32_t i = 0; i < table.count && i < 0xFFFF; ++i) {
        const uint32_t offset = EntryOffset(ReadBE32(db.m_Image + table.entries + 4 * i));
        if (offset + 2 <= IMAGE_SIZE && ReadBE16(db.m_Image + offset) == id)
            return static_cast<uint16_t>(i);
    }
    return 0xFFFF;
}

} // namespace

void ChannelDatabase::WriteSatellite(const SatelliteRecord& sat)
{
    if (MayWriteRecord(*this, sat.entry, SATELLITE_RECORD_SIZE))
        RecordCodec::EncodeSatellite(sat, m_Image + EntryOffset(sat.entry));
}

void ChannelDatabase::WriteTransponder(const TransponderRecord& tp)
{
    if (MayWriteRecord(*this, tp.entry, TRANSPONDER_RECORD_SIZE))
        RecordCodec::EncodeTransponder(tp, m_Image + EntryOffset(tp.entry));
}

void ChannelDatabase::WriteProgram(const ProgramRecord& prog, int serviceTab)
{
    if (!MayWriteRecord(*this, prog.entry, PROGRAM_RECORD_SIZE))
        return;
    RecordCodec::EncodeProgram(prog, m_Image + EntryOffset(prog.entry));
    WriteProgramAttribute(prog, serviceTab);
}

void ChannelDatabase::WriteProgramAttribute(const ProgramRecord& prog, int serviceTab)
{
    // A program listed under the other tab (a TV-table record without video
    // PID shows under Radio) has its entry in the other table; its lock and
    // favourites must not be lost there.
    const uint8_t attribute = RecordCodec::EncodeProgramAttribute(prog, EntryAttribute(prog.entry));
    const int tabTable = serviceTab == 0 ? TABLE_TV : TABLE_RADIO;
    const int otherTable = serviceTab == 0 ? TABLE_RADIO : TABLE_TV;
    if (!WriteAttribute(*this, tabTable, prog.entry, attribute))
        WriteAttribute(*this, otherTable, prog.entry, attribute);
}

uint16_t ChannelDatabase::FindSatellitePosition(uint16_t satId) const
{
    return FindPosition(*this, TABLE_SATELLITES, satId);
}

uint16_t ChannelDatabase::FindTransponderPosition(uint16_t tpId) const
{
    return FindPosition(*this, TABLE_TRANSPONDERS, tpId);
}
