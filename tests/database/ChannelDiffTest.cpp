// What the diff of two images reports.

#include "ChannelDiff.h"
#include "CodePageText.h"
#include "ExchangeImages.h"
#include "SampleImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

namespace {

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

} // namespace

TEST(ChannelDiff, AnImageDiffersInNothingFromItself)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const auto db = Decoded(RandomImage(seed));
        for (const MatchMode mode : { MatchMode::Offset, MatchMode::Reference })
            EXPECT_EQ(DiffText(DiffImages(*db, *db, ALL_TABLES, mode, Western())), "") << "seed " << seed;
    }
}

TEST(ChannelDiff, ShowsARenameADeleteAndAMoveAndNothingElse)
{
    const auto before = Decoded(MakeSampleImage());
    auto after = Decoded(MakeSampleImage());
    ProgramRecord renamed = after->m_TvTable[4];
    std::strcpy(renamed.name, "Renamed");
    after->WriteProgram(renamed, 0);
    after->DecodeDatabase();
    const uint16_t row = 10;
    after->DeletePrograms(std::span(&row, 1), LIST_PROGRAMS, 0);
    after->DecodeDatabase();
    // The program at 20 goes to 2.
    std::vector<uint16_t> order(after->m_nTvCount);
    std::iota(order.begin(), order.end(), uint16_t(0));
    order.erase(order.begin() + 19);
    order.insert(order.begin() + 1, 19);
    ASSERT_EQ(after->ReorderRecords(REORDER_TV, order), 1);
    after->DecodeDatabase();

    const std::string name5 = Western().ToUtf8(before->m_TvTable[4].name, 12);
    const std::string name11 = Western().ToUtf8(before->m_TvTable[10].name, 12);
    const std::string name21 = Western().ToUtf8(before->m_TvTable[20].name, 12);
    EXPECT_EQ(LinesOf(DiffText(DiffImages(*before, *after, ALL_TABLES, MatchMode::Offset, Western()))),
        (std::vector<std::string> {
            "tv: removed 11 \"" + name11 + "\"",
            "tv: moved 21 -> 2 \"" + name21 + "\"",
            "tv: changed 6 \"Renamed\": name: \"" + name5 + "\" -> \"Renamed\"",
        }));
    EXPECT_EQ(DiffText(DiffImages(*before, *after, TableBit(TABLE_RADIO), MatchMode::Offset, Western())), "");
}

TEST(ChannelDiff, ByReferenceIdsAndOffsetsDoNotCount)
{
    ImageBuilder a;
    a.AddSatellite(MakeSatellite(1, "ASTRA"));
    a.AddTransponder(MakeTransponder(10, 1, 11700));
    a.AddTv(MakeProgram(1, 10, 101, "One", 0x101));
    a.AddTv(MakeProgram(1, 10, 102, "Two", 0x102));
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(3, "ASTRA"));
    b.AddTransponder(MakeTransponder(30, 3, 11700));
    b.AddTv(MakeProgram(1, 10, 103, "Three", 0x103));
    b.AddTv(MakeProgram(3, 30, 102, "Two", 0x102));
    b.AddTv(MakeProgram(3, 30, 101, "One", 0x111));
    const auto before = Decoded(a.Build());
    const auto after = Decoded(b.Build());

    EXPECT_EQ(ChooseDiffMatch(*before, *after, Western()), MatchMode::Reference);
    EXPECT_EQ(ChooseDiffMatch(*before, *before, Western()), MatchMode::Offset);
    const ChannelDiff diff = DiffImages(*before, *after, ALL_TABLES, MatchMode::Reference, Western());
    EXPECT_EQ(LinesOf(DiffText(diff)), (std::vector<std::string> {
        "tv: added 1 \"Three\"",
        "tv: moved 1 -> 3 \"One\"",
        "tv: changed 3 \"One\": video_pid: 257 -> 273, pcr_pid: 257 -> 273",
    }));
    const std::string json = DiffJson(diff);
    EXPECT_NE(json.find("\"match\": \"reference\""), std::string::npos);
    EXPECT_NE(json.find("\"fields\": [\"video_pid\", \"pcr_pid\"]"), std::string::npos);
}
