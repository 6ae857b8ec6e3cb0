// What a verify of a receiver's flash reports.

#include "ExchangeImages.h"
#include "FlashVerify.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

} // namespace

TEST(FlashVerify, FindsEachRunOfDifferingBytes)
{
    struct Case {
        const char* name;
        Bytes flash;
        std::vector<ByteRange> ranges;
    };
    const Bytes image = { 1, 2, 3, 4, 5, 6, 7, 8 };
    const Case cases[] = {
        { "the same", { 1, 2, 3, 4, 5, 6, 7, 8, 0xFF }, {} },
        { "first and last byte", { 0, 2, 3, 4, 5, 6, 7, 0 }, { { 0, 1 }, { 7, 1 } } },
        { "one run", { 1, 2, 0, 0, 0, 6, 7, 8 }, { { 2, 3 } } },
        { "a flash too short", { 1, 2, 3, 4, 5, 0 }, { { 5, 3 } } },
    };
    for (const Case& c : cases) {
        const FlashVerification verification = VerifyFlash(image, c.flash, Western());
        EXPECT_EQ(verification.ranges, c.ranges) << c.name;
        EXPECT_EQ(verification.Same(), c.ranges.empty()) << c.name;
        EXPECT_EQ(verification.compared, 8u) << c.name;
        EXPECT_FALSE(verification.recordsCompared) << c.name;
    }
}

TEST(FlashVerify, ListsAsManyRangesAsAskedAndCountsTheRest)
{
    const Bytes image(100, 0);
    Bytes flash(100, 0);
    for (size_t at = 10; at < 100; at += 10)
        flash[at] = flash[at + 1] = 1;
    flash[5] = 1;
    const FlashVerification verification = VerifyFlash(image, flash, Western());
    EXPECT_EQ(verification.differingBytes, 19u);
    EXPECT_EQ(VerificationText(verification, 2, 5),
        "19 bytes differ, in 10 ranges:\n"
        "  0x00005 (1 byte)\n"
        "  0x0000A-0x0000B (2 bytes)\n"
        "  and 8 more ranges\n"
        "Records not compared: the image or the flash does not decode.\n");
}
