#include "BigEndian.h"
#include "RecordCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

using namespace RecordCodec;

TEST(RecordCodec, SatelliteFlagsUseTheirBitPositions)
{
    SatelliteRecord sat {};
    sat.tone22k = 1;
    sat.diseqc10 = 2;
    sat.lnbType = 2;
    sat.lnbPower = 1;
    sat.position = 5;
    std::array<uint8_t, SATELLITE_RECORD_SIZE> bytes {};
    EncodeSatellite(sat, bytes.data());
    EXPECT_EQ(bytes[8], 0x52);
    EXPECT_EQ(bytes[9], 0x45);

    SatelliteRecord back {};
    DecodeSatellite(bytes.data(), back);
    EXPECT_EQ(back.tone22k, 1);
    EXPECT_EQ(back.diseqc10, 2);
    EXPECT_EQ(back.lnbType, 2);
    EXPECT_EQ(back.lnbPower, 1);
    EXPECT_EQ(back.position, 5);
    EXPECT_EQ(back.power012v, 0);
    EXPECT_EQ(back.diseqc12En, 0);
}

TEST(RecordCodec, ProgramPidWordsCarryTheOpaqueBits)
{
    ProgramRecord prog {};
    prog.pcrPid = 0x100;
    prog.scramble = 1;
    prog.track = 2;
    prog.opaqueFlag = 1;
    prog.opaque13 = 0x123;
    prog.opaque5 = 0x11;
    prog.videoPid = 0x1FF;
    std::array<uint8_t, PROGRAM_RECORD_SIZE> bytes {};
    EncodeProgram(prog, bytes.data());
    EXPECT_EQ(bytes[6], 0x08);
    EXPECT_EQ(bytes[7], 0x06);
    EXPECT_EQ(ReadBE32(bytes.data() + 8), 0x848E21FFu);
}

TEST(RecordCodec, DecodeThenEncodeReproducesEveryOwnedByte)
{
    std::array<uint8_t, PROGRAM_RECORD_SIZE> original;
    for (size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<uint8_t>(0x5A ^ (i * 37));
    ProgramRecord prog {};
    DecodeProgram(original.data(), prog);
    std::array<uint8_t, PROGRAM_RECORD_SIZE> written;
    written.fill(0xEE);
    EncodeProgram(prog, written.data());
    for (size_t i = 0; i < original.size(); ++i) {
        if (i == 26 || i == 27)
            EXPECT_EQ(written[i], 0xEE) << "byte " << i << " is not the tool's to write";
        else
            EXPECT_EQ(written[i], original[i]) << "byte " << i;
    }

    std::array<uint8_t, TRANSPONDER_RECORD_SIZE> tpBytes = { 0x12, 0x34, 0xFF, 0xFF, 0xAB, 0xCD, 0x6B, 0x6C };
    TransponderRecord tp {};
    DecodeTransponder(tpBytes.data(), tp);
    EXPECT_EQ(tp.satId, 0x3FFF);
    EXPECT_EQ(tp.opaque2, 3);
    std::array<uint8_t, TRANSPONDER_RECORD_SIZE> tpBack {};
    EncodeTransponder(tp, tpBack.data());
    EXPECT_EQ(tpBack, tpBytes);

    std::array<uint8_t, SATELLITE_RECORD_SIZE> satBytes;
    for (size_t i = 0; i < satBytes.size(); ++i)
        satBytes[i] = static_cast<uint8_t>(0xC3 + i * 11);
    SatelliteRecord sat {};
    DecodeSatellite(satBytes.data(), sat);
    std::array<uint8_t, SATELLITE_RECORD_SIZE> satBack {};
    EncodeSatellite(sat, satBack.data());
    EXPECT_EQ(satBack, satBytes);
}

TEST(RecordCodec, TwelveByteNameWithoutTerminatorIsTerminatedInMemory)
{
    std::array<uint8_t, SATELLITE_RECORD_SIZE> bytes {};
    std::memcpy(bytes.data() + 10, "ABCDEFGHIJKL", 12);
    SatelliteRecord sat;
    std::memset(&sat, 0x55, sizeof sat);
    DecodeSatellite(bytes.data(), sat);
    EXPECT_STREQ(sat.name, "ABCDEFGHIJKL");
}

TEST(RecordCodec, ProgramAttributeByte)
{
    ProgramRecord prog {};
    DecodeProgramAttribute(0x7F, prog);
    EXPECT_EQ(prog.lockBit, 1);
    EXPECT_EQ(prog.favoriteBits, 0x7E);

    DecodeProgramAttribute(0x00, prog);
    EXPECT_EQ(prog.lockBit, 0);
    EXPECT_EQ(prog.favoriteBits, 0);

    ProgramRecord fromHighBit {};
    DecodeProgramAttribute(0x80, fromHighBit);
    EXPECT_EQ(fromHighBit.lockBit, 0);
    EXPECT_EQ(fromHighBit.favoriteBits, 0);
    EXPECT_EQ(EncodeProgramAttribute(fromHighBit, 0x80), 0x80) << "bit 7 survives";
    EXPECT_EQ(EncodeProgramAttribute(fromHighBit, 0x7F), 0x00);
}
