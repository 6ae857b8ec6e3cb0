#pragma once

#include "ChannelDiff.h"
#include "ListedProblems.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CodePageText;

// A run of bytes that differ: [first, first + length).
struct ByteRange {
    uint32_t first = 0;
    uint32_t length = 0;
    bool operator==(const ByteRange&) const = default;
};

// What a receiver's flash holds, held against the image meant for it.
struct FlashVerification {
    uint32_t compared = 0;         // bytes compared: all of the image's
    std::vector<ByteRange> ranges; // the runs that differ, in order
    uint32_t differingBytes = 0;
    // Both decode, so their records were compared as well (by offset).
    bool recordsCompared = false;
    ChannelDiff records;

    bool Same() const { return ranges.empty(); }
};

// Compares the image's bytes (as many as it has: what an upgrade writes)
// with the start of the dumped flash, and, when they differ and both
// decode, their records.
FlashVerification VerifyFlash(std::span<const uint8_t> image, std::span<const uint8_t> flash,
    const CodePageText& names);

// "0x01234-0x01235 (2 bytes)", or "0x7FFFF (1 byte)".
std::string ByteRangeText(const ByteRange& range);

// The differences, one per line, at most maxRanges ranges and maxRecords
// records, each list ended by how many more there are.
std::string VerificationText(const FlashVerification& verification, size_t maxRanges, size_t maxRecords);
