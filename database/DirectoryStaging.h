#pragma once

#include "ChannelDatabase.h"

#include <utility>
#include <vector>

// The four directory tables of one image, copied out for a single delete or
// move, changed here, and written back packed from the start of the block.
// One object serves one call; nothing of it outlives the call.
class DirectoryStaging {
public:
    // Copies the four tables out of the directory block; a table missing
    // from the block is staged empty. Fails, and nothing may be written, when
    // no layout was chosen, a table exceeds its capacity or its block, an
    // entry points outside the image, or the first image signature lies
    // where the rewrite would erase it.
    bool Stage(const ChannelDatabase& db);

    uint16_t Count(int tableId) const;
    DirectoryEntry Entry(int tableId, uint16_t position) const;
    void SetEntry(int tableId, uint16_t position, DirectoryEntry entry);

    // Marks the first staged entry equal to `entry` (all 32 bits) for
    // deletion; false when no entry equals it.
    bool Mark(int tableId, DirectoryEntry entry);

    // Drops the marked entries; the kept ones close up in their old order.
    void CompactTable(int tableId);

    // Erases the block up to its marker and writes the four tables back to
    // back in id order, each with a fresh header (reserved 0) and trailer.
    void RebuildDirectoryBlock(ChannelDatabase& db) const;

private:
    struct Slot {
        std::vector<DirectoryEntry> entries;
        std::vector<uint8_t> marks;
        // Entry value -> position, sorted, so that the lowest position of
        // equal entries comes first; built on the first mark.
        std::vector<std::pair<DirectoryEntry, uint16_t>> index;
    };

    Slot m_slots[TABLE_COUNT];
};
