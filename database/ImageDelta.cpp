#include "ImageDelta.h"

#include <algorithm>
#include <cstring>

namespace {

// Equal bytes between two changes that are cheaper to keep than a second
// range (offset and length take 8 bytes).
constexpr size_t MAX_GAP = 8;
// Unchanged stretches are skipped a block at a time.
constexpr size_t BLOCK = 64;

constexpr uint64_t FNV_OFFSET = 0xcbf29ce484222325ull;
constexpr uint64_t FNV_PRIME = 0x100000001b3ull;

} // namespace

ImageDelta ImageDelta::Between(std::span<const uint8_t> before, std::span<const uint8_t> after)
{
    ImageDelta delta;
    const size_t size = std::min(before.size(), after.size());
    size_t start = 0;
    size_t lastChange = 0;
    bool open = false;
    auto close = [&] {
        delta.m_ranges.push_back({ static_cast<uint32_t>(start), static_cast<uint32_t>(lastChange + 1 - start) });
        open = false;
    };
    for (size_t i = 0; i < size;) {
        if (i % BLOCK == 0 && i + BLOCK <= size && std::memcmp(&before[i], &after[i], BLOCK) == 0) {
            if (open && i - lastChange > MAX_GAP)
                close();
            i += BLOCK;
            continue;
        }
        if (before[i] != after[i]) {
            if (open && i - lastChange > MAX_GAP)
                close();
            if (!open) {
                start = i;
                open = true;
            }
            lastChange = i;
        }
        ++i;
    }
    if (open)
        close();

    size_t total = 0;
    for (const Range& range : delta.m_ranges)
        total += range.length;
    delta.m_xor.reserve(total);
    for (const Range& range : delta.m_ranges) {
        for (uint32_t k = 0; k < range.length; ++k)
            delta.m_xor.push_back(before[range.offset + k] ^ after[range.offset + k]);
    }
    delta.m_ranges.shrink_to_fit();
    delta.m_beforeHash = delta.HashOfRanges(before);
    delta.m_afterHash = delta.HashOfRanges(after);
    return delta;
}

bool ImageDelta::FitsIn(std::span<const uint8_t> image) const
{
    return m_ranges.empty() || m_ranges.back().offset + m_ranges.back().length <= image.size();
}

uint64_t ImageDelta::HashOfRanges(std::span<const uint8_t> image) const
{
    uint64_t hash = FNV_OFFSET;
    for (const Range& range : m_ranges) {
        for (uint32_t k = 0; k < range.length; ++k)
            hash = (hash ^ image[range.offset + k]) * FNV_PRIME;
    }
    return hash;
}

bool ImageDelta::IsBefore(std::span<const uint8_t> image) const
{
    return FitsIn(image) && HashOfRanges(image) == m_beforeHash;
}

bool ImageDelta::IsAfter(std::span<const uint8_t> image) const
{
    return FitsIn(image) && HashOfRanges(image) == m_afterHash;
}

void ImageDelta::Flip(std::span<uint8_t> image) const
{
    if (!FitsIn(image))
        return;
    size_t next = 0;
    for (const Range& range : m_ranges) {
        for (uint32_t k = 0; k < range.length; ++k)
            image[range.offset + k] ^= m_xor[next++];
    }
}

size_t ImageDelta::MemoryBytes() const
{
    return sizeof(*this) + m_ranges.capacity() * sizeof(Range) + m_xor.capacity();
}
