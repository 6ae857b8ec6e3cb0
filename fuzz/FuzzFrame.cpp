#include "FuzzFrame.h"

#include "BigEndian.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace FuzzFrame {

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant violated: %s\n", what);
        std::abort();
    }
}

const uint8_t* Magic()
{
    static uint8_t bytes[4];
    WriteBE32(bytes, DIRECTORY_MAGIC);
    return bytes;
}

// Memchr, unlike memmem, has AddressSanitizer check only the bytes up to
// the place found. The input repeated over the data area puts the first
// byte in thousands of places; a memcmp at each, intercepted twice, cost a
// tenth of the list-check target's time.
long Find(const uint8_t* image, size_t from, size_t to, const void* pattern, size_t length)
{
    const auto* bytes = static_cast<const uint8_t*>(pattern);
    for (size_t at = from; at + length <= to; ++at) {
        const void* hit = std::memchr(image + at, bytes[0], to - length + 1 - at);
        if (!hit)
            return -1;
        at = static_cast<size_t>(static_cast<const uint8_t*>(hit) - image);
        size_t same = 1;
        while (same < length && image[at + same] == bytes[same])
            ++same;
        if (same == length)
            return static_cast<long>(at);
    }
    return -1;
}

namespace {

// Type 2: no directory magic may stand in the data area below its block.
// The area repeats the input, so the input is cleared as a ring, a magic
// across the end of one copy and the start of the next included: once,
// not in each of the copies. The byte written is none of the magic's.
void ClearMagic(uint8_t* input, size_t length)
{
    const uint8_t* magic = Magic();
    for (size_t at = 0; at < length; ++at) {
        const void* hit = std::memchr(input + at, magic[0], length - at);
        if (!hit)
            return;
        at = static_cast<size_t>(static_cast<const uint8_t*>(hit) - input);
        size_t same = 1;
        while (same < 4 && input[(at + same) % length] == magic[same])
            ++same;
        if (same == 4)
            input[at] = 0x76;
    }
}

} // namespace

long FirstSignature(const uint8_t* image)
{
    return Find(image, 0, IMAGE_SIZE, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE);
}

void Load(ChannelDatabase& db, const uint8_t* data, size_t size)
{
    std::memset(db.m_Image, 0, IMAGE_SIZE);
    if (size == 0 || !(data[0] & 1)) {
        std::memcpy(db.m_Image, data, std::min(size, IMAGE_SIZE));
        return;
    }
    // Records are read from wherever the entries point; give them bytes.
    std::memcpy(db.m_Image + 0x100, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE);
    uint8_t* area = db.m_Image + 0x20000;
    const size_t areaSize = 0x40000;
    size_t filled = std::min(size - 1, areaSize);
    std::memcpy(area, data + 1, filled);
    if (data[0] & 2)
        ClearMagic(area, filled);
    // The input over and over; each copy doubles what stands.
    for (; filled > 0 && filled < areaSize; filled *= 2)
        std::memcpy(area + filled, area, std::min(filled, areaSize - filled));
    const size_t length = std::min<size_t>(size - 1, BLOCK_MARKER_OFFSET);
    if (data[0] & 2) {
        std::memcpy(db.m_Image + FLASH_TYPE_2_BLOCK, data + 1, length);
        WriteBE32(db.m_Image + FLASH_TYPE_2_BLOCK + BLOCK_MARKER_OFFSET, BLOCK_MARKER);
    } else {
        std::memcpy(db.m_Image + FLASH_TYPE_1_BLOCK, data + 1, std::min<size_t>(length, FLASH_TYPE_1_SEARCH_LENGTH));
    }
}

} // namespace FuzzFrame
