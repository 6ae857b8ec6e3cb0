#include "ChannelDatabase.h"
#include "ImageBuilder.h"
#include "ViewLists.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using ViewLists::FillViewLists;
using ViewLists::Outcome;

class ViewListsTest : public ::testing::Test {
protected:
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();

    void Load(const ImageBuilder& b)
    {
        b.Build(db->m_Image);
        ASSERT_EQ(db->DecodeDatabase(), 1);
    }

    // Satellite 1 with transponders 10 and 11; 10 carries TV t1, t2 and radio r1.
    static ImageBuilder Small()
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "A"));
        b.AddSatellite(MakeSatellite(2, "EMPTY"));
        b.AddTransponder(MakeTransponder(10, 1, 11778));
        b.AddTransponder(MakeTransponder(11, 1, 12000));
        b.AddTv(MakeProgram(1, 10, 1, "t1", 0x100));
        b.AddTv(MakeProgram(1, 11, 2, "u1", 0x101));
        b.AddTv(MakeProgram(1, 10, 3, "t2", 0x102));
        b.AddRadio(MakeProgram(1, 10, 4, "r1", 0));
        return b;
    }
};

} // namespace

TEST_F(ViewListsTest, SatelliteListsHoldItsTranspondersAndPrograms)
{
    Load(Small());
    const ViewLists::Fill fill = FillViewLists(*db, LIST_TRANSPONDERS, 0, 0, 0);
    EXPECT_EQ(fill.outcome, Outcome::Filled);
    EXPECT_EQ(fill.rows, 2);
    EXPECT_EQ(db->m_nSatTpCount, 2);
    EXPECT_EQ(db->m_SatTpList[1].tpId, 11);
    EXPECT_EQ(db->m_nSatTvCount, 3);
    EXPECT_EQ(db->m_nSatRadioCount, 1);

    // Any other list empties them.
    EXPECT_EQ(FillViewLists(*db, LIST_PROGRAMS, 0, 0, 0).rows, 0);
    EXPECT_EQ(db->m_nSatTpCount, 0);
    EXPECT_EQ(db->m_nSatTvCount, 0);
    EXPECT_EQ(db->m_SatTpList[1].tpId, 0);

    EXPECT_EQ(FillViewLists(*db, LIST_TRANSPONDERS, 1, 0, 0).outcome, Outcome::NoTransponders);
    EXPECT_EQ(FillViewLists(*db, LIST_TRANSPONDERS, 2, 0, 0).outcome, Outcome::NoTransponders);
}

TEST_F(ViewListsTest, ProgramsFoundUnlikeTheSatellitesCountsLeaveNoTransponders)
{
    for (const bool tv : { true, false }) {
        Load(Small());
        ++(tv ? db->m_SatTable[0].tvCount : db->m_SatTable[0].radioCount);
        const ViewLists::Fill fill = FillViewLists(*db, LIST_TRANSPONDERS, 0, 0, 0);
        EXPECT_EQ(fill.outcome, tv ? Outcome::TvCountWrong : Outcome::RadioCountWrong);
        EXPECT_EQ(fill.rows, 0);
        EXPECT_EQ(db->m_nSatTpCount, 0);
    }
}

TEST_F(ViewListsTest, TransponderListHoldsTheTabsProgramsOnly)
{
    Load(Small());
    ViewLists::Fill fill = FillViewLists(*db, LIST_TP_PROGRAMS, 0, 0, 0);
    EXPECT_EQ(fill.rows, 2);
    EXPECT_STREQ(db->m_TpTvList[1].name, "t2");
    EXPECT_EQ(db->m_nTpTvCount, 2);
    EXPECT_EQ(db->m_nTpRadioCount, 1);
    EXPECT_EQ(db->m_nSatTpCount, 0);

    fill = FillViewLists(*db, LIST_TP_PROGRAMS, 0, 0, 1);
    EXPECT_EQ(fill.rows, 1);
    EXPECT_STREQ(db->m_TpRadioList[0].name, "r1");
    EXPECT_STREQ(db->m_TpTvList[1].name, "t2");

    // A row past the satellite's transponders keeps the last lists.
    EXPECT_EQ(FillViewLists(*db, LIST_TP_PROGRAMS, 0, 2, 0).rows, 0);
    EXPECT_EQ(db->m_nTpTvCount, 2);
}

TEST_F(ViewListsTest, CrowdedTransponderCountsWhatItsListsCanShow)
{
    // 550 programs: only the first 500 are examined, TV first.
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "BUSY"));
    b.AddTransponder(MakeTransponder(1, 1, 11000));
    for (uint16_t p = 0; p < 450; ++p)
        b.AddTv(MakeProgram(1, 1, p, "TV", static_cast<uint16_t>(0x100 + p)));
    for (uint16_t p = 0; p < 100; ++p)
        b.AddRadio(MakeProgram(1, 1, p, "R", 0));
    Load(b);

    EXPECT_EQ(FillViewLists(*db, LIST_TP_PROGRAMS, 0, 0, 0).rows, MAX_TP_TV);
    EXPECT_EQ(db->m_nTpTvCount, MAX_TP_TV);
    EXPECT_EQ(db->m_nTpRadioCount, 50);
    EXPECT_EQ(FillViewLists(*db, LIST_TP_PROGRAMS, 0, 0, 1).rows, 50);
}
