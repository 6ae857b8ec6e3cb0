#include "DirectoryStaging.h"

#include "BigEndian.h"

#include <algorithm>
#include <cstring>

namespace {

// The rewrite covers the block up to its marker. Erasing the first image
// signature would leave an image that is no longer recognised; later copies
// identify nothing and go like any other byte. The rewritten tables cannot
// form a signature: each of their words holds a byte it lacks (0xFF, or one
// below 0x10, as in every entry that points inside the image).
bool RewriteErasesSignature(const ChannelDatabase& db)
{
    const long signature = db.FindSignature();
    if (signature < 0)
        return false;
    const uint64_t first = static_cast<uint64_t>(signature);
    const uint64_t block = db.m_nDirBlockOffset;
    return first < block + BLOCK_MARKER_OFFSET && first + IMAGE_SIGNATURE_SIZE > block;
}

} // namespace

bool DirectoryStaging::Stage(const ChannelDatabase& db)
{
    if (db.m_nDirSearchLength == 0 || db.m_nDirBlockOffset + DIRECTORY_BLOCK_SIZE > IMAGE_SIZE)
        return false;
    if (RewriteErasesSignature(db))
        return false;

    const uint64_t blockEnd = uint64_t(db.m_nDirBlockOffset) + DIRECTORY_BLOCK_SIZE;
    for (int id = 0; id < TABLE_COUNT; ++id) {
        Slot& slot = m_slots[id];
        slot = Slot {};
        DirectoryTable header;
        const uint32_t q = db.FindDirectoryTable(id, &header);
        if (q == 0)
            continue;
        // Within capacity, the four tables always fit the block packed, and
        // within the part of it that a type-1 decode searches.
        if (header.entryCount > TABLE_CAPACITY[id]
            || q + DIRECTORY_HEADER_SIZE + 4ull * header.entryCount > blockEnd)
            return false;
        slot.entries.resize(header.entryCount);
        for (uint32_t i = 0; i < header.entryCount; ++i) {
            slot.entries[i] = ReadBE32(db.m_Image + q + DIRECTORY_HEADER_SIZE + 4 * i);
            if (EntryOffset(slot.entries[i]) >= IMAGE_SIZE)
                return false;
        }
        slot.marks.assign(header.entryCount, 0);
    }
    return true;
}

uint16_t DirectoryStaging::Count(int tableId) const
{
    return static_cast<uint16_t>(m_slots[tableId].entries.size());
}

DirectoryEntry DirectoryStaging::Entry(int tableId, uint16_t position) const
{
    return m_slots[tableId].entries[position];
}

void DirectoryStaging::SetEntry(int tableId, uint16_t position, DirectoryEntry entry)
{
    Slot& slot = m_slots[tableId];
    slot.entries[position] = entry;
    slot.index.clear();
}

bool DirectoryStaging::Mark(int tableId, DirectoryEntry entry)
{
    Slot& slot = m_slots[tableId];
    if (slot.entries.empty())
        return false;
    if (slot.index.empty()) {
        slot.index.reserve(slot.entries.size());
        for (size_t i = 0; i < slot.entries.size(); ++i)
            slot.index.emplace_back(slot.entries[i], static_cast<uint16_t>(i));
        std::sort(slot.index.begin(), slot.index.end());
    }
    const auto hit = std::lower_bound(slot.index.begin(), slot.index.end(), std::make_pair(entry, uint16_t(0)));
    if (hit == slot.index.end() || hit->first != entry)
        return false;
    slot.marks[hit->second] = 0xFF;
    return true;
}

void DirectoryStaging::CompactTable(int tableId)
{
    Slot& slot = m_slots[tableId];
    size_t kept = 0;
    for (size_t i = 0; i < slot.entries.size(); ++i)
        if (slot.marks[i] != 0xFF)
            slot.entries[kept++] = slot.entries[i];
    slot.entries.resize(kept);
    slot.marks.assign(kept, 0);
    slot.index.clear();
}

void DirectoryStaging::RebuildDirectoryBlock(ChannelDatabase& db) const
{
    uint8_t* block = db.m_Image + db.m_nDirBlockOffset;
    std::memset(block, 0xFF, BLOCK_MARKER_OFFSET);
    uint8_t* p = block;
    for (int id = 0; id < TABLE_COUNT; ++id) {
        const std::vector<DirectoryEntry>& entries = m_slots[id].entries;
        WriteBE32(p, DIRECTORY_MAGIC);
        WriteBE32(p + 4, static_cast<uint32_t>(id));
        WriteBE32(p + 8, static_cast<uint32_t>(entries.size()));
        WriteBE32(p + 12, 0);
        WriteBE32(p + 16, DIRECTORY_HEADER_END);
        p += DIRECTORY_HEADER_SIZE;
        for (DirectoryEntry entry : entries) {
            WriteBE32(p, entry);
            p += 4;
        }
        WriteBE32(p, DIRECTORY_TRAILER);
        p += 4;
    }
}
