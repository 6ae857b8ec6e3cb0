#include "BigEndian.h"
#include "ChannelDatabase.h"
#include "ImageBuilder.h"
#include "ViewLists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using Rows = std::vector<uint16_t>;

class DirectoryEdit : public ::testing::Test {
protected:
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    std::vector<uint8_t> before;

    void Load(const ImageBuilder& b)
    {
        b.Build(db->m_Image);
        ASSERT_EQ(db->DecodeDatabase(), 1);
        before.assign(db->m_Image, db->m_Image + IMAGE_SIZE);
    }

    bool ImageUnchanged() const { return std::memcmp(before.data(), db->m_Image, IMAGE_SIZE) == 0; }

    bool OnlyTheBlockChanged() const
    {
        const uint32_t block = db->m_nDirBlockOffset;
        const uint32_t marker = block + DIRECTORY_BLOCK_SIZE - 4;
        return std::memcmp(before.data(), db->m_Image, block) == 0
            && std::memcmp(before.data() + marker, db->m_Image + marker, IMAGE_SIZE - marker) == 0;
    }

    void Redecode() { ASSERT_EQ(db->DecodeDatabase(), 1); }

    // The view lists as the record list leaves them showing the transponders
    // of a satellite, or the programs of the tab on one of them.
    void ShowTransponders(uint16_t sat) { ViewLists::FillViewLists(*db, LIST_TRANSPONDERS, sat, 0, 0); }
    void ShowPrograms(uint16_t sat, uint16_t tpRow, int tab)
    {
        ViewLists::FillViewLists(*db, LIST_TP_PROGRAMS, sat, tpRow, tab);
    }

    Names SatNames() const { return NamesOf(db->m_SatTable, db->m_nSatCount); }
    Names TvNames() const { return NamesOf(db->m_TvTable, db->m_nTvCount); }
    Names RadioNames() const { return NamesOf(db->m_RadioTable, db->m_nRadioCount); }
    std::vector<int> TpIds() const
    {
        std::vector<int> ids;
        for (int t = 0; t < db->m_nTpCount; ++t)
            ids.push_back(db->m_TpTable[t].tpId);
        return ids;
    }

    template <typename Record>
    static Names NamesOf(const Record* records, int count)
    {
        Names names;
        for (int i = 0; i < count; ++i)
            names.emplace_back(records[i].name);
        return names;
    }

    // Satellites A (1) and B (2); A's program x lies on B's transponder 20;
    // s is a TV-table record without video PID, listed under Radio.
    static ImageBuilder TwoSatellites()
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "A"));
        b.AddSatellite(MakeSatellite(2, "B"));
        b.AddTransponder(MakeTransponder(10, 1, 11778));
        b.AddTransponder(MakeTransponder(20, 2, 10719));
        b.AddTransponder(MakeTransponder(11, 1, 12000));
        b.AddTv(MakeProgram(1, 10, 1, "a1", 0x100));
        b.AddTv(MakeProgram(2, 20, 2, "b1", 0x101));
        b.AddTv(MakeProgram(1, 11, 3, "a2", 0x102));
        b.AddTv(MakeProgram(1, 20, 4, "x", 0x103));
        b.AddTv(MakeProgram(2, 20, 5, "s", 0));
        b.AddRadio(MakeProgram(1, 11, 6, "ra", 0));
        b.AddRadio(MakeProgram(2, 20, 7, "rb", 0));
        return b;
    }

    // Satellite S (1) with t1 and t2 at transponder positions 3 and 5; TV
    // programs x (t1), y (other satellite), z (t2), w (t1).
    static ImageBuilder SatelliteWithTwoTransponders()
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "S"));
        b.AddSatellite(MakeSatellite(2, "O"));
        for (uint16_t tpId : { 21, 22, 23 })
            b.AddTransponder(MakeTransponder(tpId, 2, 11000));
        b.AddTransponder(MakeTransponder(1, 1, 11778)); // t1
        b.AddTransponder(MakeTransponder(24, 2, 11000));
        b.AddTransponder(MakeTransponder(2, 1, 12000)); // t2
        b.AddTv(MakeProgram(1, 1, 1, "x", 0x100));
        b.AddTv(MakeProgram(2, 21, 2, "y", 0x101));
        b.AddTv(MakeProgram(1, 2, 3, "z", 0x102));
        b.AddTv(MakeProgram(1, 1, 4, "w", 0x103));
        return b;
    }
};

} // namespace

TEST_F(DirectoryEdit, RewritePacksAllFourTablesInIdOrderAndKeepsTheMarker)
{
    for (int flashType : { 1, 2 }) {
        ImageBuilder scattered(flashType);
        scattered.AddSatellite(MakeSatellite(1, "A"));
        scattered.AddTransponder(MakeTransponder(10, 1, 11778));
        scattered.AddTv(MakeProgram(1, 10, 1, "a1", 0x100));
        ImageBuilder packed = scattered;
        scattered.TableAt(TABLE_SATELLITES, 0x800).TableAt(TABLE_TRANSPONDERS, 0x40).TableAt(TABLE_TV, 0x1000);
        scattered.OmitTable(TABLE_RADIO);
        const std::vector<uint8_t> expected = packed.Build();

        Load(scattered);
        db->DeletePrograms({}, LIST_PROGRAMS, 0);
        EXPECT_EQ(0, std::memcmp(expected.data(), db->m_Image, IMAGE_SIZE)) << "flash type " << flashType;

        Load(scattered);
        EXPECT_EQ(db->ReorderRecords(7, Rows { 0 }), 1);
        EXPECT_EQ(0, std::memcmp(expected.data(), db->m_Image, IMAGE_SIZE)) << "flash type " << flashType;
    }
}

TEST_F(DirectoryEdit, DeletingASatelliteTakesItsTranspondersAndAllItsPrograms)
{
    Load(TwoSatellites());
    db->DeleteSatellites(Rows { 0, 0, 9 });
    EXPECT_TRUE(OnlyTheBlockChanged());
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "B" }));
    EXPECT_EQ(TpIds(), std::vector<int>({ 20 }));
    EXPECT_EQ(TvNames(), Names({ "b1", "s" }));
    EXPECT_EQ(RadioNames(), Names({ "rb" }));
}

TEST_F(DirectoryEdit, DeletingATransponderTakesItsProgramsOnAnySatellite)
{
    Load(TwoSatellites());
    ShowTransponders(1);
    ASSERT_EQ(db->m_nSatTpCount, 1);
    db->DeleteTransponders(Rows { 0, 1 });
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "A", "B" }));
    EXPECT_EQ(TpIds(), std::vector<int>({ 10, 11 }));
    EXPECT_EQ(TvNames(), Names({ "a1", "a2" }));
    EXPECT_EQ(RadioNames(), Names({ "ra" }));
}

TEST_F(DirectoryEdit, ProgramRowsStandForTheRecordsTheirListShows)
{
    Load(TwoSatellites());
    // TV tab: a1, b1, a2, x. A repeated row drops once, a row past the list nothing.
    db->DeletePrograms(Rows { 1, 1, 4 }, LIST_PROGRAMS, 0);
    Redecode();
    EXPECT_EQ(TvNames(), Names({ "a1", "a2", "x", "s" }));

    // Radio tab: s (from the TV table), ra, rb.
    db->DeletePrograms(Rows { 0, 2 }, LIST_PROGRAMS, 1);
    Redecode();
    EXPECT_EQ(TvNames(), Names({ "a1", "a2", "x" }));
    EXPECT_EQ(RadioNames(), Names({ "ra" }));

    ShowPrograms(1, 0, 0); // B's transponder 20
    ASSERT_EQ(db->m_nTpTvCount, 1);
    db->DeletePrograms(Rows { 0 }, LIST_TP_PROGRAMS, 0);
    Redecode();
    EXPECT_EQ(TvNames(), Names({ "a1", "a2" }));
}

TEST_F(DirectoryEdit, MovingSatellitesRegroupsTheProgramTables)
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "A"));
    b.AddSatellite(MakeSatellite(2, "B"));
    b.AddTransponder(MakeTransponder(10, 1, 11778));
    b.AddTv(MakeProgram(1, 10, 1, "a1", 0x100));
    b.AddTv(MakeProgram(2, 10, 2, "b1", 0x101));
    b.AddTv(MakeProgram(1, 10, 3, "a2", 0x102));
    b.AddRadio(MakeProgram(2, 10, 4, "rb", 0));
    b.AddRadio(MakeProgram(1, 10, 5, "ra", 0));

    Load(b);
    ASSERT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 1, 0 }), 1);
    EXPECT_TRUE(OnlyTheBlockChanged());
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "B", "A" }));
    EXPECT_EQ(TvNames(), Names({ "b1", "a1", "a2" }));
    EXPECT_EQ(RadioNames(), Names({ "rb", "ra" }));

    Load(b);
    ASSERT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 0, 1 }), 1);
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "A", "B" }));
    EXPECT_EQ(TvNames(), Names({ "a1", "a2", "b1" }));
}

TEST_F(DirectoryEdit, ProgramsOfNoListedSatelliteFollowInTheirOldOrder)
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "A"));
    b.AddSatellite(MakeSatellite(1, "A twin"));
    b.AddSatellite(MakeSatellite(2, "B"));
    b.AddTv(MakeProgram(9, 10, 1, "o1", 0x100));
    b.AddTv(MakeProgram(1, 10, 2, "a1", 0x101));
    b.AddTv(MakeProgram(2, 10, 3, "b1", 0x102));
    b.AddTv(MakeProgram(9, 10, 4, "o2", 0x103));
    b.AddTv(MakeProgram(1, 10, 5, "a2", 0x104));

    Load(b);
    ASSERT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 2, 0, 1 }), 1);
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "B", "A", "A twin" }));
    EXPECT_EQ(TvNames(), Names({ "b1", "a1", "a2", "o1", "o2" }));
}

TEST_F(DirectoryEdit, MovingTranspondersRegroupsOnlyTheirSatellitesPrograms)
{
    Load(SatelliteWithTwoTransponders());
    ShowTransponders(0);
    ASSERT_EQ(db->m_nSatTpCount, 2);
    ASSERT_EQ(db->ReorderRecords(REORDER_SAT_TPS, Rows { 1, 0 }), 1);
    Redecode();
    EXPECT_EQ(TpIds(), std::vector<int>({ 21, 22, 23, 2, 24, 1 }));
    EXPECT_EQ(TvNames(), Names({ "z", "y", "x", "w" }));

    Load(SatelliteWithTwoTransponders());
    ShowTransponders(0);
    ASSERT_EQ(db->ReorderRecords(REORDER_SAT_TPS, Rows { 0, 1 }), 1);
    Redecode();
    EXPECT_EQ(TpIds(), std::vector<int>({ 21, 22, 23, 1, 24, 2 }));
    EXPECT_EQ(TvNames(), Names({ "x", "y", "w", "z" }));
}

TEST_F(DirectoryEdit, ProgramsOnAnotherSatellitesTransponderFollowTheRegroupedOnes)
{
    ImageBuilder b = SatelliteWithTwoTransponders();
    b.AddTv(MakeProgram(1, 21, 5, "q", 0x104)); // S's program on O's transponder
    b.AddTv(MakeProgram(1, 2, 6, "v", 0x105));
    Load(b);
    ShowTransponders(0);
    ASSERT_EQ(db->ReorderRecords(REORDER_SAT_TPS, Rows { 1, 0 }), 1);
    Redecode();
    EXPECT_EQ(TvNames(), Names({ "z", "y", "v", "x", "w", "q" }));
}

TEST_F(DirectoryEdit, MovingProgramsUnderATransponderUsesTheirOwnPositions)
{
    Load(SatelliteWithTwoTransponders());
    ShowPrograms(0, 0, 0); // t1
    ASSERT_EQ(db->m_nTpTvCount, 2);
    ASSERT_EQ(db->ReorderRecords(REORDER_TP_TV, Rows { 1, 0 }), 1);
    Redecode();
    EXPECT_EQ(TvNames(), Names({ "w", "y", "z", "x" }));

    ASSERT_EQ(db->ReorderRecords(REORDER_TV, Rows { 3, 2, 1, 0 }), 1);
    Redecode();
    EXPECT_EQ(TvNames(), Names({ "x", "z", "y", "w" }));
}

TEST_F(DirectoryEdit, IdentityOrdersLeaveEveryEntryInPlace)
{
    Load(TwoSatellites());
    const auto tv = ImageEntries(*db, TABLE_TV);
    const auto radio = ImageEntries(*db, TABLE_RADIO);
    ShowPrograms(0, 0, 0); // A's transponder 10
    EXPECT_EQ(db->ReorderRecords(REORDER_RADIO, Rows { 0, 1 }), 1);
    EXPECT_EQ(db->ReorderRecords(REORDER_TP_TV, Rows { 0 }), 1);
    EXPECT_EQ(db->ReorderRecords(REORDER_TV, Rows { 0, 1, 2, 3, 4 }), 1);
    EXPECT_EQ(ImageEntries(*db, TABLE_TV), tv);
    EXPECT_EQ(ImageEntries(*db, TABLE_RADIO), radio);
}

TEST_F(DirectoryEdit, RefusedReordersWriteNothing)
{
    Load(TwoSatellites());
    // The TV tab shows four rows, the TV table holds five.
    EXPECT_EQ(db->ReorderRecords(REORDER_TV, Rows { 3, 2, 1, 0 }), 0);
    EXPECT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 0 }), 0);
    EXPECT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 0, 0 }), 0);
    EXPECT_EQ(db->ReorderRecords(REORDER_RADIO, Rows { 0, 2 }), 0);
    ShowTransponders(0);
    EXPECT_EQ(db->ReorderRecords(REORDER_SAT_TPS, Rows { 0 }), 0);
    // B's transponder 20 carries b1, x and s in the TV table; its TV list shows b1 and x.
    ShowPrograms(1, 0, 0);
    ASSERT_EQ(db->m_nTpTvCount, 2);
    EXPECT_EQ(db->ReorderRecords(REORDER_TP_TV, Rows { 1, 0 }), 0);
    EXPECT_EQ(db->ReorderRecords(REORDER_TP_TV, Rows { 0 }), 0);
    EXPECT_TRUE(ImageUnchanged());

    // The image changed since the last decode.
    ProgramRecord prog = db->m_TvTable[0];
    prog.lockBit ^= 1;
    db->WriteProgram(prog, 0);
    before.assign(db->m_Image, db->m_Image + IMAGE_SIZE);
    EXPECT_EQ(db->ReorderRecords(REORDER_RADIO, Rows { 1, 0 }), 0);
    db->DeletePrograms(Rows { 0 }, LIST_PROGRAMS, 1);
    before.assign(db->m_Image, db->m_Image + IMAGE_SIZE);
    EXPECT_EQ(db->ReorderRecords(REORDER_RADIO, Rows { 1, 0 }), 0);
    EXPECT_TRUE(ImageUnchanged());
}

TEST_F(DirectoryEdit, BlockHoldingTheSignatureIsNeverRewritten)
{
    // Inside the block, and reaching into it from below.
    for (const int32_t at : { 0x20, -4 }) {
        ImageBuilder b = TwoSatellites();
        b.TableAt(TABLE_SATELLITES, 0x100).TableAt(TABLE_TRANSPONDERS, 0x200).TableAt(TABLE_TV, 0x300);
        b.TableAt(TABLE_RADIO, 0x400).SignatureAt(b.DirectoryBlockOffset() + at);
        Load(b);
        db->DeleteSatellites(Rows { 0 });
        db->DeletePrograms(Rows { 0 }, LIST_PROGRAMS, 0);
        EXPECT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 1, 0 }), 0);
        EXPECT_TRUE(ImageUnchanged()) << "signature at block offset " << at;
    }
}

TEST_F(DirectoryEdit, TablesPointingOutsideTheImageAreNeverRewritten)
{
    Load(TwoSatellites());
    // Changed since the decode: a TV entry points past the image's end.
    WriteBE32(db->m_Image + db->FindDirectoryTable(TABLE_TV) + DIRECTORY_HEADER_SIZE, 0x7F100000);
    before.assign(db->m_Image, db->m_Image + IMAGE_SIZE);
    db->DeleteSatellites(Rows { 0 });
    EXPECT_TRUE(ImageUnchanged());
}

TEST_F(DirectoryEdit, SecondSignatureInTheBlockIsRewrittenLikeAnyOtherByte)
{
    ImageBuilder b = TwoSatellites();
    std::vector<uint8_t> image = b.Build();
    std::memcpy(image.data() + b.DirectoryBlockOffset() + 0x800, IMAGE_SIGNATURE, IMAGE_SIGNATURE_SIZE);

    std::memcpy(db->m_Image, image.data(), IMAGE_SIZE);
    Redecode();
    ASSERT_EQ(db->ReorderRecords(REORDER_SATELLITES, Rows { 1, 0 }), 1);
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "B", "A" }));

    std::memcpy(db->m_Image, image.data(), IMAGE_SIZE);
    Redecode();
    before = image;
    db->DeleteSatellites(Rows { 0 });
    EXPECT_TRUE(OnlyTheBlockChanged());
    Redecode();
    EXPECT_EQ(SatNames(), Names({ "B" }));
    EXPECT_EQ(db->m_nFlashType, 2);
}
