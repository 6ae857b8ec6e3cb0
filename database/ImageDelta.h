#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// What one change did to an image: the byte ranges that differ, kept as the
// XOR of their old and new contents. Flipping it over the image as the
// change left it gives the image before the change, and back again; the
// same bytes serve undo and redo.
class ImageDelta {
public:
    ImageDelta() = default;

    // The ranges where the two images (of equal size) differ. Changed bytes
    // close to each other share a range, so a rewritten table costs one.
    static ImageDelta Between(std::span<const uint8_t> before, std::span<const uint8_t> after);

    bool IsEmpty() const { return m_ranges.empty(); }

    // Whether the image holds the contents this delta leads from (before
    // the change) or to (after it), judged by the changed ranges alone.
    bool IsBefore(std::span<const uint8_t> image) const;
    bool IsAfter(std::span<const uint8_t> image) const;

    // Turns the image before the change into the image after it and the
    // other way round.
    void Flip(std::span<uint8_t> image) const;

    size_t ChangedBytes() const { return m_xor.size(); }
    // Heap and object bytes this delta holds.
    size_t MemoryBytes() const;

private:
    struct Range {
        uint32_t offset;
        uint32_t length;
    };

    uint64_t HashOfRanges(std::span<const uint8_t> image) const;
    bool FitsIn(std::span<const uint8_t> image) const;

    std::vector<Range> m_ranges;
    std::vector<uint8_t> m_xor;
    uint64_t m_beforeHash = 0;
    uint64_t m_afterHash = 0;
};
