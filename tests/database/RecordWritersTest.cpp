#include "BigEndian.h"
#include "ChannelDatabase.h"
#include "ImageBuilder.h"
#include "ViewLists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class RecordWriters : public ::testing::Test {
protected:
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    uint32_t tvOffset = 0;
    uint32_t radioOffset = 0;
    uint32_t silentTvOffset = 0;

    void SetUp() override
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "ASTRA 19.2E"), 0x5A);
        b.AddSatellite(MakeSatellite(2, "HOTBIRD"));
        b.AddTransponder(MakeTransponder(10, 1, 11778), 0x33);
        b.AddTransponder(MakeTransponder(20, 2, 10719));
        b.AddTransponder(MakeTransponder(10, 2, 12000));
        tvOffset = b.AddTv(MakeProgram(1, 10, 1, "ONE", 0x100), 0xFF);
        // A TV-table record without video PID: the lists show it under Radio.
        silentTvOffset = b.AddTv(MakeProgram(2, 20, 2, "SILENT", 0), 0x7F);
        ProgramRecord radio = MakeProgram(1, 10, 3, "R1", 0);
        radio.videoPid = 0x1ABC; // stray bits the radio decode drops
        radioOffset = b.AddRadio(radio, 0x81);
        b.Build(db->m_Image);
        ASSERT_EQ(db->DecodeDatabase(), 1);
    }

    uint8_t AttributeOf(int tableId, uint32_t offset) const
    {
        for (DirectoryEntry entry : ImageEntries(*db, tableId))
            if (EntryOffset(entry) == offset)
                return EntryAttribute(entry);
        ADD_FAILURE() << "no entry for 0x" << std::hex << offset;
        return 0;
    }
};

} // namespace

TEST_F(RecordWriters, UnchangedRecordsWriteBackByteForByteExceptRadioVideoBits)
{
    std::vector<uint8_t> before(db->m_Image, db->m_Image + IMAGE_SIZE);
    for (int s = 0; s < db->m_nSatCount; ++s)
        db->WriteSatellite(db->m_SatTable[s]);
    for (int t = 0; t < db->m_nTpCount; ++t)
        db->WriteTransponder(db->m_TpTable[t]);
    for (int p = 0; p < db->m_nTvCount; ++p)
        db->WriteProgram(db->m_TvTable[p], 0);
    db->WriteProgram(db->m_RadioTable[0], 1);

    EXPECT_EQ(ReadBE32(db->m_Image + radioOffset + 8) & 0x1FFF, 0u);
    WriteBE32(db->m_Image + radioOffset + 8, ReadBE32(db->m_Image + radioOffset + 8) | 0x1ABC);
    EXPECT_EQ(0, std::memcmp(before.data(), db->m_Image, IMAGE_SIZE));
}

TEST_F(RecordWriters, SatelliteNameKeepsTheBytesBehindItsTerminator)
{
    SatelliteRecord sat = db->m_SatTable[0];
    std::memcpy(sat.name, "HB", 3);
    sat.tone22k = 1;
    sat.diseqc10 = 2;
    sat.lnbType = 2;
    sat.lnbPower = 1;
    sat.position = 5;
    sat.power012v = 0;
    sat.diseqc12En = 0;
    db->WriteSatellite(sat);

    const uint8_t* record = db->m_Image + EntryOffset(sat.entry);
    EXPECT_EQ(0, std::memcmp(record + 10, "HB\0RA 19.2E\0", 12));
    EXPECT_EQ(record[8], 0x52);
    EXPECT_EQ(record[9], 0x45);
    EXPECT_EQ(AttributeOf(TABLE_SATELLITES, EntryOffset(sat.entry)), 0x5A);
}

TEST_F(RecordWriters, LockAndFavouritesGoToTheTabsTableAndKeepBitSeven)
{
    ProgramRecord tv = db->m_TvTable[0];
    tv.lockBit = 0;
    tv.favoriteBits = 0x7E & ~0x08; // member of "Cartoons" only
    std::strcpy(tv.name, "RENAMED");
    db->WriteProgram(tv, 0);
    EXPECT_EQ(AttributeOf(TABLE_TV, tvOffset), 0x80 | 0x76);
    EXPECT_STREQ(reinterpret_cast<const char*>(db->m_Image + tvOffset + 14), "RENAMED");

    ProgramRecord radio = db->m_RadioTable[0];
    radio.lockBit = 1;
    radio.favoriteBits = 0;
    db->WriteProgram(radio, 1);
    EXPECT_EQ(AttributeOf(TABLE_RADIO, radioOffset), 0x81);
    radio.lockBit = 0;
    db->WriteProgram(radio, 1);
    EXPECT_EQ(AttributeOf(TABLE_RADIO, radioOffset), 0x80);
}

TEST_F(RecordWriters, AnAttributeNeverTurnsAnEntryIntoTheDirectoryMagic)
{
    // Move the TV record to the offset that, with attribute 0x77, spells the magic.
    const uint32_t moved = DIRECTORY_MAGIC & 0xFFFFFF;
    std::memcpy(db->m_Image + moved, db->m_Image + tvOffset, PROGRAM_RECORD_SIZE);
    const uint32_t entries = db->FindDirectoryTable(TABLE_TV, nullptr) + DIRECTORY_HEADER_SIZE;
    WriteBE32(db->m_Image + entries, moved);
    ASSERT_EQ(db->DecodeDatabase(), 1);

    ProgramRecord tv = db->m_TvTable[0];
    tv.lockBit = 1;
    tv.favoriteBits = 0x76;
    db->WriteProgram(tv, 0);
    EXPECT_EQ(AttributeOf(TABLE_TV, moved), 0x00);
    ASSERT_EQ(db->DecodeDatabase(), 1);
    EXPECT_EQ(db->m_nTvCount, 2);

    tv.favoriteBits = 0x74;
    db->WriteProgram(tv, 0);
    EXPECT_EQ(AttributeOf(TABLE_TV, moved), 0x75);
}

TEST_F(RecordWriters, AnAttributeNeverChangesAnotherTablesHeader)
{
    // A damaged count lets the TV entries run on over the radio header.
    const uint32_t tvHeader = db->FindDirectoryTable(TABLE_TV, nullptr);
    const uint32_t radioCount = db->FindDirectoryTable(TABLE_RADIO, nullptr) + 8;
    const uint32_t radioHeader = radioCount - 8;
    const uint32_t tvEnd = tvHeader + DIRECTORY_HEADER_SIZE + 4 * db->m_nTvCount;
    std::memset(db->m_Image + tvEnd, 0, radioHeader - tvEnd);
    const uint16_t overlapping = static_cast<uint16_t>((radioCount - tvHeader - DIRECTORY_HEADER_SIZE) / 4);
    WriteBE32(db->m_Image + tvHeader + 8, overlapping + 1u);
    ASSERT_EQ(db->DecodeDatabase(), 1);
    ASSERT_EQ(db->m_TvTable[overlapping].entry, 1u);

    ProgramRecord header = db->m_TvTable[overlapping];
    header.lockBit = 1;
    db->WriteProgram(header, 0);
    EXPECT_EQ(ReadBE32(db->m_Image + radioCount), 1u);
    ASSERT_EQ(db->DecodeDatabase(), 1);
    EXPECT_EQ(db->m_nRadioCount, 1);
}

TEST_F(RecordWriters, ProgramListedUnderTheOtherTabStillGetsItsAttribute)
{
    // Transponder 20 of HOTBIRD, radio tab.
    ViewLists::FillViewLists(*db, LIST_TP_PROGRAMS, 1, 0, 1);
    ASSERT_EQ(db->m_nTpRadioCount, 1);
    ProgramRecord silent = db->m_TpRadioList[0];
    silent.lockBit = 0;
    db->WriteProgram(silent, 1);
    EXPECT_EQ(AttributeOf(TABLE_TV, silentTvOffset), 0x7E);
}

TEST_F(RecordWriters, SecondWriteBeforeDecodeFindsNoEntryAndKeepsTheFirstAttribute)
{
    ProgramRecord tv = db->m_TvTable[0];
    tv.lockBit = 0;
    db->WriteProgram(tv, 0);
    tv.favoriteBits = 0;
    db->WriteProgram(tv, 0);
    EXPECT_EQ(AttributeOf(TABLE_TV, tvOffset), 0xFE);
}

TEST_F(RecordWriters, RecordsPastTheBufferOrInsideTheDirectoryAreNotWritten)
{
    std::vector<uint8_t> before(db->m_Image, db->m_Image + IMAGE_SIZE);
    SatelliteRecord sat = db->m_SatTable[0];
    sat.entry = IMAGE_SIZE - SATELLITE_RECORD_SIZE + 1;
    db->WriteSatellite(sat);
    sat.entry = 0xFFFFFF;
    db->WriteSatellite(sat);
    TransponderRecord tp = db->m_TpTable[0];
    tp.entry = db->m_nDirBlockOffset + 0x100;
    db->WriteTransponder(tp);
    ProgramRecord prog = db->m_TvTable[0];
    prog.entry = db->m_nDirBlockOffset - PROGRAM_RECORD_SIZE + 1;
    db->WriteProgram(prog, 0);
    EXPECT_EQ(0, std::memcmp(before.data(), db->m_Image, IMAGE_SIZE));

    // The last record that fits is written.
    sat.entry = IMAGE_SIZE - SATELLITE_RECORD_SIZE;
    db->WriteSatellite(sat);
    EXPECT_EQ(ReadBE16(db->m_Image + IMAGE_SIZE - SATELLITE_RECORD_SIZE), 1);
}

TEST_F(RecordWriters, PositionLookupsReadTheImageAndTakeTheFirstOfEqualIds)
{
    EXPECT_EQ(db->FindTransponderPosition(10), 0);
    EXPECT_EQ(db->FindTransponderPosition(20), 1);
    EXPECT_EQ(db->FindTransponderPosition(99), 0xFFFF);
    EXPECT_EQ(db->FindSatellitePosition(2), 1);
    EXPECT_EQ(db->FindSatellitePosition(3), 0xFFFF);

    SatelliteRecord sat = db->m_SatTable[1];
    sat.satId = 7;
    db->WriteSatellite(sat);
    EXPECT_EQ(db->FindSatellitePosition(7), 1);
    EXPECT_EQ(db->FindSatellitePosition(2), 0xFFFF);
}
