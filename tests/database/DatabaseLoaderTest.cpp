#include "BigEndian.h"
#include "ChannelDatabase.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class Loader : public ::testing::Test {
protected:
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();

    int Decode(const ImageBuilder& builder)
    {
        builder.Build(db->m_Image);
        return db->DecodeDatabase();
    }

    // Two satellites, three transponders, TV and radio programs over them.
    static ImageBuilder Small(int flashType = 2)
    {
        ImageBuilder b(flashType);
        b.AddSatellite(MakeSatellite(1, "ASTRA"));
        b.AddSatellite(MakeSatellite(2, "HOTBIRD"));
        b.AddTransponder(MakeTransponder(10, 1, 11778));
        b.AddTransponder(MakeTransponder(11, 1, 12000));
        b.AddTransponder(MakeTransponder(20, 2, 10719));
        b.AddTv(MakeProgram(1, 10, 1, "ONE", 0x100));
        b.AddTv(MakeProgram(2, 20, 2, "TWO", 0x101));
        b.AddTv(MakeProgram(1, 11, 3, "THREE", 0x102));
        b.AddRadio(MakeProgram(1, 10, 4, "R1", 0));
        return b;
    }

    static bool SameTables(const ChannelDatabase& a, const ChannelDatabase& b)
    {
        return std::memcmp(a.m_SatTable, b.m_SatTable, sizeof a.m_SatTable) == 0
            && std::memcmp(a.m_TpTable, b.m_TpTable, sizeof a.m_TpTable) == 0
            && std::memcmp(a.m_TvTable, b.m_TvTable, sizeof a.m_TvTable) == 0
            && std::memcmp(a.m_RadioTable, b.m_RadioTable, sizeof a.m_RadioTable) == 0
            && std::memcmp(a.m_ProgTable, b.m_ProgTable, sizeof a.m_ProgTable) == 0;
    }
};

} // namespace

TEST_F(Loader, ZerosAreNoImage)
{
    EXPECT_EQ(db->DecodeDatabase(), 0);
    EXPECT_EQ(db->m_nSatCount, 0);
    EXPECT_EQ(db->m_nProgCount, 0);
    EXPECT_EQ(db->m_nFlashSize, 0u);
}

TEST_F(Loader, SignatureAtOffsetFourIsRefusedButZeroAndEightAreNot)
{
    EXPECT_EQ(Decode(Small().SignatureAt(4)), 0);
    EXPECT_EQ(Decode(Small().SignatureAt(0)), 1);
    EXPECT_EQ(Decode(Small().SignatureAt(8)), 1);
}

TEST_F(Loader, DirectoryMagicMustFollowTheSignature)
{
    // Signature after the whole directory block: no magic behind it.
    EXPECT_EQ(Decode(Small().SignatureAt(0xF0000)), 0);
}

TEST_F(Loader, FlashTypeFollowsTheFirstMagicOffset)
{
    ImageBuilder b = Small();
    b.Build(db->m_Image);
    const uint8_t magic[] = { 0x77, 0x02, 0xAB, 0xCD };
    std::memset(db->m_Image + 0x20000, 0, 0x80000 - 0x20000 + 16);
    std::memcpy(db->m_Image + 0x1F000, "6CGHLSWZ", 8);

    std::memcpy(db->m_Image + 0x80000, magic, 4);
    EXPECT_EQ(db->DetectFlashType(), 1);
    std::memset(db->m_Image + 0x80000, 0, 4);
    std::memcpy(db->m_Image + 0x80004, magic, 4);
    EXPECT_EQ(db->DetectFlashType(), 2);
}

TEST_F(Loader, Type1ImageDecodesWithoutMarker)
{
    ASSERT_EQ(Decode(Small(1).WithoutMarker()), 1);
    EXPECT_EQ(db->m_nFlashType, 1);
    EXPECT_EQ(db->m_nFlashSize, 0x80000u);
    EXPECT_EQ(db->m_nDirBlockOffset, 0x70000u);
    EXPECT_EQ(db->m_nDirSearchLength, 0x8000u);
    EXPECT_EQ(db->m_nSatCount, 2);

    ASSERT_EQ(Decode(Small(1).ErasedHeader(true)), 1);
    EXPECT_EQ(db->m_nDirBlockOffset, 0x60000u);
}

TEST_F(Loader, Type2BlockPositions)
{
    ASSERT_EQ(Decode(Small()), 1);
    EXPECT_EQ(db->m_nDirBlockOffset, 0xD0000u);
    EXPECT_EQ(db->m_nFlashSize, 0x100000u);

    ASSERT_EQ(Decode(Small().ErasedHeader(true)), 1);
    EXPECT_EQ(db->m_nDirBlockOffset, 0xC0000u);

    ASSERT_EQ(Decode(Small().MarkerInSecondCandidate(true)), 1);
    EXPECT_EQ(db->m_nDirBlockOffset, 0xE0000u);
    EXPECT_EQ(db->m_nSatCount, 2);

    EXPECT_EQ(Decode(Small().WithoutMarker()), 0);
    EXPECT_EQ(db->m_nSatCount, 0);
}

TEST_F(Loader, FailedDecodeKeepsThePreviousFlashSizeAndKeyArea)
{
    ASSERT_EQ(Decode(Small(1).KeyArea(true)), 1);
    EXPECT_EQ(db->m_bKeyArea, 1);
    EXPECT_EQ(Decode(Small(2).WithoutMarker()), 0);
    EXPECT_EQ(db->m_nFlashType, 2);
    EXPECT_EQ(db->m_nFlashSize, 0x80000u);
    EXPECT_EQ(db->m_bKeyArea, 1);
}

TEST_F(Loader, KeyAreaNeedsBothMarkers)
{
    ASSERT_EQ(Decode(Small().KeyArea(true, true)), 1);
    EXPECT_EQ(db->m_bKeyArea, 1);
    ASSERT_EQ(Decode(Small().KeyArea(true, false)), 1);
    EXPECT_EQ(db->m_bKeyArea, 0);
    ASSERT_EQ(Decode(Small().KeyArea(false, true)), 1);
    EXPECT_EQ(db->m_bKeyArea, 0);

    // Markers are found anywhere, the very last bytes of the buffer included.
    std::memcpy(db->m_Image + IMAGE_SIZE - 8, "SLYBS310", 8);
    EXPECT_EQ(db->DetectKeyArea(), 1);
    std::memcpy(db->m_Image + IMAGE_SIZE - 7, "SLYBS31", 7);
    EXPECT_EQ(db->DetectKeyArea(), 0);
}

TEST_F(Loader, HeadersAreFoundOnlyAlignedAndComplete)
{
    ImageBuilder b = Small();
    b.TableAt(TABLE_SATELLITES, 0x2000).TableAt(TABLE_TRANSPONDERS, 0x100).TableAt(TABLE_TV, 0x400)
        .TableAt(TABLE_RADIO, 0x800);
    b.Build(db->m_Image);
    uint8_t* block = db->m_Image + b.DirectoryBlockOffset();
    // A misaligned copy and one with a broken header end come first.
    std::memcpy(block + 0x1002, block + 0x2000, 24 + 8);
    std::memcpy(block + 0x1800, block + 0x2000, 24 + 8);
    WriteBE32(block + 0x1800 + 8, 1);
    WriteBE32(block + 0x1800 + 16, 0xFFFFFFFE);
    ASSERT_EQ(db->DecodeDatabase(), 1);

    DirectoryTable header;
    EXPECT_EQ(db->FindDirectoryTable(TABLE_SATELLITES, &header), b.DirectoryBlockOffset() + 0x2000);
    EXPECT_EQ(header.magic, DIRECTORY_MAGIC);
    EXPECT_EQ(header.tableId, 0u);
    EXPECT_EQ(header.entryCount, 2u);
    EXPECT_EQ(header.headerEnd, DIRECTORY_HEADER_END);

    // Of two valid headers with the same id the lower one wins.
    std::memcpy(block + 0x1800, block + 0x2000, 24 + 8);
    WriteBE32(block + 0x1800 + 8, 1);
    EXPECT_EQ(db->FindDirectoryTable(TABLE_SATELLITES, &header), b.DirectoryBlockOffset() + 0x1800);
    EXPECT_EQ(header.entryCount, 1u);
}

TEST_F(Loader, Type1SearchesOnlyTheFirst32KiB)
{
    EXPECT_EQ(Decode(Small(1).TableAt(TABLE_SATELLITES, 0x7FFC - 4 * 8)), 1);
    EXPECT_EQ(db->m_nSatCount, 2) << "a header starting below 0x8000 is found";
    EXPECT_EQ(Decode(Small(1).TableAt(TABLE_SATELLITES, 0x8000)), 1);
    EXPECT_EQ(db->m_nSatCount, 0) << "a header at 0x8000 is not";
}

TEST_F(Loader, MissingTableDecodesAsEmpty)
{
    ASSERT_EQ(Decode(Small().OmitTable(TABLE_TRANSPONDERS)), 1);
    EXPECT_EQ(db->m_nSatCount, 2);
    EXPECT_EQ(db->m_nTpCount, 0);
    EXPECT_EQ(db->m_nTvCount, 3);
    EXPECT_EQ(db->m_SatTable[0].tpCount, 0);
    EXPECT_EQ(db->FindDirectoryTable(TABLE_TRANSPONDERS), 0u);
}

TEST_F(Loader, TablesOverCapacityOrOutsideTheirBoundsAreRefused)
{
    ImageBuilder b;
    for (int i = 0; i < MAX_SATELLITES + 1; ++i)
        b.AddSatellite(MakeSatellite(static_cast<uint16_t>(i), "S"));
    EXPECT_EQ(Decode(b), 0);
    EXPECT_EQ(db->m_nSatCount, 0);

    ImageBuilder programs;
    for (int i = 0; i < 3001; ++i)
        programs.AddTv(MakeProgram(1, 1, 1, "T", 1));
    for (int i = 0; i < 2000; ++i)
        programs.AddRadio(MakeProgram(1, 1, 1, "R", 0));
    EXPECT_EQ(Decode(programs), 0) << "TV and radio together above 5000";

    // Entries that would run past the directory block.
    Small().Build(db->m_Image);
    const uint32_t header = db->FindDirectoryTable(TABLE_TV);
    uint8_t* nearEnd = db->m_Image + 0xD0000 + 0xFFD0;
    std::memmove(nearEnd, db->m_Image + header, 32);
    std::memset(db->m_Image + header, 0, 32);
    EXPECT_EQ(db->DecodeDatabase(), 1) << "three entries still end inside the block";
    EXPECT_EQ(db->m_nTvCount, 3);
    WriteBE32(nearEnd + 8, 12);
    EXPECT_EQ(db->DecodeDatabase(), 0);

    // An entry whose record would leave the 1 MiB buffer.
    Small().Build(db->m_Image);
    const uint32_t radio = db->FindDirectoryTable(TABLE_RADIO);
    WriteBE32(db->m_Image + radio + 20, 0x7FFFFFFF & 0x00FFFFFF);
    EXPECT_EQ(db->DecodeDatabase(), 0);
    WriteBE32(db->m_Image + radio + 20, IMAGE_SIZE - PROGRAM_RECORD_SIZE);
    EXPECT_EQ(db->DecodeDatabase(), 1) << "a record ending exactly at 1 MiB is fine";
}

TEST_F(Loader, DecodesFieldsEntriesAndAttributes)
{
    ImageBuilder b;
    SatelliteRecord sat = MakeSatellite(7, "ABCDEFGHIJKL", 130);
    sat.diseqc12En = 1;
    sat.position = 63;
    const uint32_t satOffset = b.AddSatellite(sat, 0x5A);
    ProgramRecord prog = MakeProgram(7, 3, 999, "NEWS", 0x1FF, 0x1FFF);
    prog.opaque13 = 0x1ABC;
    const uint32_t progOffset = b.AddTv(prog, 0x80 | 0x12);
    ProgramRecord radio = MakeProgram(7, 3, 1000, "RADIO", 0);
    radio.videoPid = 0x55; // stray bits in a radio record
    b.AddRadio(radio);
    ASSERT_EQ(Decode(b), 1);

    const SatelliteRecord& s = db->m_SatTable[0];
    EXPECT_EQ(s.entry, 0x5A000000u | satOffset);
    EXPECT_STREQ(s.name, "ABCDEFGHIJKL");
    EXPECT_EQ(s.longitude, 130);
    EXPECT_EQ(s.diseqc12En, 1);
    EXPECT_EQ(s.position, 63);

    const ProgramRecord& p = db->m_TvTable[0];
    EXPECT_EQ(p.entry, 0x92000000u | progOffset);
    EXPECT_EQ(p.videoPid, 0x1FFu);
    EXPECT_EQ(p.audioPid, 0x1FFF);
    EXPECT_EQ(p.opaque13, 0x1ABCu);
    EXPECT_EQ(p.lockBit, 0);
    EXPECT_EQ(p.favoriteBits, 0x12);
    EXPECT_EQ(p.tableIndex, 0);

    EXPECT_EQ(db->m_RadioTable[0].videoPid, 0u) << "radio records never carry a video PID";
    EXPECT_EQ(db->m_RadioTable[0].tableIndex, 0);
    EXPECT_EQ(db->m_ProgTable[1].serviceId, 1000) << "radio follows TV in the program table";
}

TEST_F(Loader, CountsFollowTheVideoPidRule)
{
    ImageBuilder b = Small();
    b.AddTv(MakeProgram(2, 20, 9, "NOVIDEO", 0)); // TV table, but counted as radio
    b.AddTv(MakeProgram(9, 99, 10, "ORPHAN", 0x200)); // names nothing
    ASSERT_EQ(Decode(b), 1);

    EXPECT_EQ(db->m_nTvCount, 5);
    EXPECT_EQ(db->m_nRadioCount, 1);
    EXPECT_EQ(db->m_nProgCount, 6);
    EXPECT_EQ(db->m_SatTable[0].tpCount, 2);
    EXPECT_EQ(db->m_SatTable[0].tvCount, 2);
    EXPECT_EQ(db->m_SatTable[0].radioCount, 1);
    EXPECT_EQ(db->m_SatTable[1].tpCount, 1);
    EXPECT_EQ(db->m_SatTable[1].tvCount, 1);
    EXPECT_EQ(db->m_SatTable[1].radioCount, 1);
    EXPECT_EQ(db->m_TpTable[0].tvCount, 1);
    EXPECT_EQ(db->m_TpTable[0].radioCount, 1);
    EXPECT_EQ(db->m_TpTable[2].radioCount, 1);
}

TEST_F(Loader, DuplicateIdsAreCountedForEveryHolder)
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "A"));
    b.AddSatellite(MakeSatellite(1, "A AGAIN"));
    b.AddTransponder(MakeTransponder(5, 1, 11000));
    b.AddTransponder(MakeTransponder(5, 1, 12000));
    b.AddTv(MakeProgram(1, 5, 1, "P", 0x100));
    ASSERT_EQ(Decode(b), 1);
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(db->m_SatTable[s].tpCount, 2);
        EXPECT_EQ(db->m_SatTable[s].tvCount, 1);
    }
    EXPECT_EQ(db->m_TpTable[1].tvCount, 1);
}

TEST_F(Loader, SatelliteIdsAboveFourteenBitsOwnNoTransponders)
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(0x4001, "HIGH"));
    b.AddTransponder(MakeTransponder(1, 0x0001, 11000)); // the id's low 14 bits
    ASSERT_EQ(Decode(b), 1);
    EXPECT_EQ(db->m_SatTable[0].tpCount, 0);
}

TEST_F(Loader, DecodingTwiceGivesTheSameTables)
{
    Small().Build(db->m_Image);
    ASSERT_EQ(db->DecodeDatabase(), 1);
    std::vector<uint8_t> first(sizeof(ChannelDatabase));
    std::memcpy(first.data(), db.get(), first.size());
    ASSERT_EQ(db->DecodeDatabase(), 1);
    EXPECT_EQ(std::memcmp(first.data(), db.get(), first.size()), 0);
}

TEST_F(Loader, EveryDecodeStartsFromEmptyTables)
{
    ImageBuilder larger = Small();
    larger.AddSatellite(MakeSatellite(3, "THIRD"));
    larger.AddTransponder(MakeTransponder(30, 3, 11000));
    larger.AddTv(MakeProgram(3, 30, 5, "FIVE", 0x103));
    larger.AddRadio(MakeProgram(3, 30, 6, "R2", 0));
    auto fresh = std::make_unique<ChannelDatabase>();
    auto sameTables = [&] { return SameTables(*db, *fresh); };

    ASSERT_EQ(Decode(larger), 1);
    ASSERT_EQ(Decode(Small()), 1);
    Small().Build(fresh->m_Image);
    ASSERT_EQ(fresh->DecodeDatabase(), 1);
    EXPECT_TRUE(sameTables());

    std::memset(db->m_Image, 0, IMAGE_SIZE);
    ASSERT_EQ(db->DecodeDatabase(), 0);
    fresh = std::make_unique<ChannelDatabase>();
    EXPECT_TRUE(sameTables());
}

// The tables before the refused one were decoded already.
TEST_F(Loader, ATableRefusedForItsRecordsLeavesNothingOfTheDecodeBehind)
{
    for (const int table : { TABLE_SATELLITES, TABLE_RADIO }) {
        ASSERT_EQ(Decode(Small()), 1);
        std::vector<uint8_t> image(db->m_Image, db->m_Image + IMAGE_SIZE);
        WriteBE32(image.data() + db->FindDirectoryTable(table) + DIRECTORY_HEADER_SIZE, IMAGE_SIZE - 4);
        std::memset(db->m_Image, 0, IMAGE_SIZE);
        ASSERT_EQ(db->DecodeDatabase(), 0);
        std::memcpy(db->m_Image, image.data(), IMAGE_SIZE);
        EXPECT_EQ(db->DecodeDatabase(), 0);
        EXPECT_EQ(db->m_DecodeProblem, DecodeProblem::RecordOutsideImage);
        EXPECT_EQ(db->m_nProblemTable, table);
        auto fresh = std::make_unique<ChannelDatabase>();
        EXPECT_TRUE(SameTables(*db, *fresh)) << table;

        // Nothing counted in the refused decode is counted again.
        ASSERT_EQ(Decode(Small()), 1);
        Small().Build(fresh->m_Image);
        ASSERT_EQ(fresh->DecodeDatabase(), 1);
        EXPECT_TRUE(SameTables(*db, *fresh)) << table;
    }
}

TEST_F(Loader, QueriesCopyWhatMatchesAndStopAtTheDestination)
{
    ASSERT_EQ(Decode(Small()), 1);
    TransponderRecord tps[4];
    EXPECT_EQ(db->CopySatelliteTransponders(tps, 1), 2);
    EXPECT_EQ(tps[1].tpId, 11);
    EXPECT_EQ(db->CopySatelliteTransponders(std::span(tps, 1), 1), 1);

    ProgramRecord progs[4] = {};
    EXPECT_EQ(db->CopyTransponderPrograms(progs, 10), 2);
    EXPECT_STREQ(progs[0].name, "ONE");
    EXPECT_STREQ(progs[1].name, "R1");
    EXPECT_EQ(db->CopySatellitePrograms(progs, 1, 0), 2);
    EXPECT_STREQ(progs[1].name, "THREE");
    EXPECT_EQ(db->CopySatellitePrograms(progs, 1, 1), 1);
    EXPECT_STREQ(progs[0].name, "R1");
    EXPECT_EQ(db->CopySatellitePrograms(std::span<ProgramRecord>(), 1, 0), 0);
}
