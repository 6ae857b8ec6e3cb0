// Deltas between images: flipping one turns either image into the other,
// whatever was changed, and tells an image it does not belong to.

#include "ImageDelta.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes RandomBytes(std::mt19937& r, size_t size)
{
    Bytes bytes(size);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(r());
    return bytes;
}

// Scattered single bytes, short runs and now and then a long rewritten
// stretch, as record edits and directory rewrites leave them.
Bytes Changed(std::mt19937& r, Bytes bytes)
{
    const int changes = static_cast<int>(r() % 20);
    for (int c = 0; c < changes; ++c) {
        const size_t at = r() % bytes.size();
        const size_t length = r() % 8 == 0 ? r() % 5000 : 1 + r() % 12;
        for (size_t k = at; k < std::min(bytes.size(), at + length); ++k)
            bytes[k] = static_cast<uint8_t>(r());
    }
    return bytes;
}

} // namespace

TEST(ImageDelta, FlippingTurnsEitherImageIntoTheOther)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 r(seed);
        const Bytes before = RandomBytes(r, 0x10000 + r() % 100);
        const Bytes after = Changed(r, before);
        const ImageDelta delta = ImageDelta::Between(before, after);
        EXPECT_EQ(delta.IsEmpty(), before == after) << seed;
        EXPECT_TRUE(delta.IsBefore(before)) << seed;
        EXPECT_TRUE(delta.IsAfter(after)) << seed;

        Bytes image = after;
        delta.Flip(image);
        ASSERT_EQ(image, before) << seed;
        delta.Flip(image);
        ASSERT_EQ(image, after) << seed;
    }
}

TEST(ImageDelta, AnImageOnNeitherSideIsRecognised)
{
    std::mt19937 r(7);
    const Bytes before = RandomBytes(r, 4096);
    Bytes after = before;
    after[100] ^= 0x5A;
    after[3000] ^= 0x01;
    const ImageDelta delta = ImageDelta::Between(before, after);
    Bytes other = after;
    other[3000] ^= 0x02;
    EXPECT_FALSE(delta.IsBefore(other));
    EXPECT_FALSE(delta.IsAfter(other));
    EXPECT_FALSE(delta.IsAfter(Bytes(50)));
}

TEST(ImageDelta, KeepsOnlyTheChangedStretches)
{
    const Bytes before(0x100000, 0xFF);
    Bytes after = before;
    // Every fourth byte of 2000 changes: one stretch, not 500 ranges.
    for (size_t k = 0x40000; k < 0x40000 + 2000; k += 4)
        after[k] = 0;
    after[0x90000] = 1;
    const ImageDelta delta = ImageDelta::Between(before, after);
    EXPECT_EQ(delta.ChangedBytes(), 1997u + 1u);
    EXPECT_LT(delta.MemoryBytes(), 1997u + 200u);
}
