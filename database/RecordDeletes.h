#pragma once

#include "ChannelDatabase.h"

#include <cstdint>
#include <span>

// A record as a directory table lists it: the table and the record's
// offset in the image.
struct RecordKey {
    int table;
    uint32_t offset;

    bool operator==(const RecordKey&) const = default;
};

// Deletes the records the keys name, with their cascades: a satellite takes
// the transponders and programs of its id, a transponder the programs of
// its id. Only the directory is rewritten; a key that no table lists is
// passed over.
void DeleteRecords(ChannelDatabase& db, std::span<const RecordKey> records);
