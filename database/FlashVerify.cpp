#include "FlashVerify.h"

#include "ImageFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<ChannelDatabase> Decoded(std::span<const uint8_t> bytes)
{
    auto db = std::make_unique<ChannelDatabase>();
    PlaceImage(bytes.first(std::min(bytes.size(), IMAGE_SIZE)), db->m_Image);
    if (!db->DecodeDatabase())
        return nullptr;
    return db;
}

std::string Counted(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

FlashVerification VerifyFlash(std::span<const uint8_t> image, std::span<const uint8_t> flash,
    const CodePageText& names)
{
    FlashVerification result;
    const uint32_t length = uint32_t(image.size());
    result.compared = length;
    // Bytes the flash does not have differ as well.
    const auto differs = [&](uint32_t at) { return at >= flash.size() || image[at] != flash[at]; };
    for (uint32_t at = 0; at < length; ++at) {
        if (!differs(at))
            continue;
        const uint32_t first = at;
        while (at < length && differs(at))
            ++at;
        result.ranges.push_back({ first, at - first });
        result.differingBytes += at - first;
    }
    if (result.Same())
        return result;

    const auto expected = Decoded(image);
    const auto held = expected ? Decoded(flash) : nullptr;
    if (expected && held) {
        result.recordsCompared = true;
        result.records = DiffImages(*expected, *held, ALL_TABLES, MatchMode::Offset, names);
    }
    return result;
}

std::string ByteRangeText(const ByteRange& range)
{
    char text[64];
    if (range.length == 1)
        std::snprintf(text, sizeof text, "0x%05X (1 byte)", range.first);
    else
        std::snprintf(text, sizeof text, "0x%05X-0x%05X (%u bytes)", range.first, range.first + range.length - 1,
            range.length);
    return text;
}

std::string VerificationText(const FlashVerification& verification, size_t maxRanges, size_t maxRecords)
{
    const size_t rangeCount = verification.ranges.size();
    std::string text = Counted(verification.differingBytes, "byte differs", "bytes differ") + ", in "
        + Counted(rangeCount, "range", "ranges") + ":\n";
    for (size_t i = 0; i < std::min(rangeCount, maxRanges); ++i)
        text += "  " + ByteRangeText(verification.ranges[i]) + "\n";
    if (rangeCount > maxRanges)
        text += "  and " + Counted(rangeCount - maxRanges, "more range", "more ranges") + "\n";

    if (!verification.recordsCompared) {
        text += "Records not compared: the image or the flash does not decode.\n";
        return text;
    }
    const std::vector<DiffEntry>& entries = verification.records.entries;
    if (entries.empty()) {
        text += "The records are the same; the bytes differ outside them.\n";
        return text;
    }
    text += Counted(entries.size(), "record differs", "records differ") + ":\n";
    for (size_t i = 0; i < std::min(entries.size(), maxRecords); ++i)
        text += "  " + DiffLine(entries[i]) + "\n";
    if (entries.size() > maxRecords)
        text += "  and " + Counted(entries.size() - maxRecords, "more record", "more records") + "\n";
    return text;
}
