#include "ChannelDatabase.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

uint16_t Random16(std::mt19937& r) { return static_cast<uint16_t>(r()); }

void RandomName(std::mt19937& r, char* name)
{
    const size_t length = r() % 13;
    for (size_t i = 0; i < 12; ++i)
        name[i] = i < length ? static_cast<char>('A' + r() % 26) : 0;
    name[12] = 0;
}

SatelliteRecord RandomSatellite(std::mt19937& r)
{
    SatelliteRecord s {};
    s.satId = static_cast<uint16_t>(r() % 40);
    s.longitude = Random16(r);
    s.lnbFreLow = Random16(r);
    s.lnbFreHigh = Random16(r);
    s.power012v = r() & 1;
    s.tone22k = r() & 1;
    s.diseqc10 = r() & 7;
    s.diseqc12En = r() & 1;
    s.lnbType = r() & 3;
    s.lnbPower = r() & 3;
    s.position = r() & 63;
    RandomName(r, s.name);
    return s;
}

TransponderRecord RandomTransponder(std::mt19937& r)
{
    TransponderRecord t {};
    t.tpId = static_cast<uint16_t>(r() % 200);
    t.satId = r() % 40;
    t.opaque2 = r() & 3;
    t.frequency = r() & 0x3FFF;
    t.polarization = r() & 3;
    t.symbolRate = Random16(r);
    return t;
}

ProgramRecord RandomProgram(std::mt19937& r, bool radio)
{
    ProgramRecord p {};
    p.satId = static_cast<uint16_t>(r() % 40);
    p.tpId = static_cast<uint16_t>(r() % 200);
    p.serviceId = Random16(r);
    p.pcrPid = r() & 0x1FFF;
    p.scramble = r() & 1;
    p.track = r() & 3;
    p.opaqueFlag = r() & 1;
    p.opaque13 = r() & 0x1FFF;
    p.opaque5 = r() & 0x1F;
    p.videoPid = radio ? 0 : (r() % 4 == 0 ? 0 : r() & 0x1FFF);
    p.audioPid = r() & 0x1FFF;
    p.opaque3 = r() & 7;
    RandomName(r, p.name);
    for (auto& b : p.bissKey)
        b = static_cast<uint8_t>(r());
    return p;
}

void ExpectSameProgram(const ProgramRecord& a, const ProgramRecord& b)
{
    EXPECT_EQ(a.satId, b.satId);
    EXPECT_EQ(a.tpId, b.tpId);
    EXPECT_EQ(a.serviceId, b.serviceId);
    EXPECT_EQ(a.pcrPid, b.pcrPid);
    EXPECT_EQ(a.scramble, b.scramble);
    EXPECT_EQ(a.track, b.track);
    EXPECT_EQ(a.opaqueFlag, b.opaqueFlag);
    EXPECT_EQ(a.opaque13, b.opaque13);
    EXPECT_EQ(a.opaque5, b.opaque5);
    EXPECT_EQ(a.videoPid, b.videoPid);
    EXPECT_EQ(a.audioPid, b.audioPid);
    EXPECT_EQ(a.opaque3, b.opaque3);
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(0, std::memcmp(a.bissKey, b.bissKey, 8));
}

} // namespace

TEST(ImageRoundTrip, RandomRecordsDecodeFieldForFieldWithDerivedCounts)
{
    std::mt19937 r(20261207);
    for (int round = 0; round < 20; ++round) {
        ImageBuilder builder(round % 2 ? 1 : 2);
        std::vector<SatelliteRecord> sats(r() % 30);
        std::vector<TransponderRecord> tps(r() % 300);
        std::vector<ProgramRecord> tv(r() % 800), radio(r() % 300);
        std::vector<uint8_t> tvAttributes;
        for (auto& s : sats)
            builder.AddSatellite(s = RandomSatellite(r), static_cast<uint8_t>(r()));
        for (auto& t : tps)
            builder.AddTransponder(t = RandomTransponder(r), static_cast<uint8_t>(r()));
        for (auto& p : tv) {
            tvAttributes.push_back(static_cast<uint8_t>(r()));
            builder.AddTv(p = RandomProgram(r, false), tvAttributes.back());
        }
        for (auto& p : radio)
            builder.AddRadio(p = RandomProgram(r, true));

        auto db = std::make_unique<ChannelDatabase>();
        builder.Build(db->m_Image);
        ASSERT_EQ(db->DecodeDatabase(), 1) << "round " << round;
        ASSERT_EQ(db->m_nSatCount, sats.size());
        ASSERT_EQ(db->m_nTpCount, tps.size());
        ASSERT_EQ(db->m_nTvCount, tv.size());
        ASSERT_EQ(db->m_nRadioCount, radio.size());
        ASSERT_EQ(db->m_nProgCount, tv.size() + radio.size());

        for (size_t i = 0; i < sats.size(); ++i) {
            const SatelliteRecord& got = db->m_SatTable[i];
            EXPECT_EQ(got.satId, sats[i].satId);
            EXPECT_EQ(got.longitude, sats[i].longitude);
            EXPECT_EQ(got.lnbFreLow, sats[i].lnbFreLow);
            EXPECT_EQ(got.lnbFreHigh, sats[i].lnbFreHigh);
            EXPECT_EQ(got.power012v, sats[i].power012v);
            EXPECT_EQ(got.tone22k, sats[i].tone22k);
            EXPECT_EQ(got.diseqc10, sats[i].diseqc10);
            EXPECT_EQ(got.diseqc12En, sats[i].diseqc12En);
            EXPECT_EQ(got.lnbType, sats[i].lnbType);
            EXPECT_EQ(got.lnbPower, sats[i].lnbPower);
            EXPECT_EQ(got.position, sats[i].position);
            EXPECT_STREQ(got.name, sats[i].name);

            // The counts as the nested loops define them.
            uint16_t tpCount = 0, tvCount = 0, radioCount = 0;
            for (const auto& t : tps)
                tpCount += t.satId == got.satId;
            for (const auto& p : tv)
                (p.videoPid ? tvCount : radioCount) += p.satId == got.satId;
            for (const auto& p : radio)
                radioCount += p.satId == got.satId;
            EXPECT_EQ(got.tpCount, tpCount);
            EXPECT_EQ(got.tvCount, tvCount);
            EXPECT_EQ(got.radioCount, radioCount);
        }
        for (size_t i = 0; i < tps.size(); ++i) {
            const TransponderRecord& got = db->m_TpTable[i];
            EXPECT_EQ(got.tpId, tps[i].tpId);
            EXPECT_EQ(got.satId, tps[i].satId);
            EXPECT_EQ(got.opaque2, tps[i].opaque2);
            EXPECT_EQ(got.frequency, tps[i].frequency);
            EXPECT_EQ(got.polarization, tps[i].polarization);
            EXPECT_EQ(got.symbolRate, tps[i].symbolRate);
            uint16_t tvCount = 0, radioCount = 0;
            for (const auto& p : tv)
                (p.videoPid ? tvCount : radioCount) += p.tpId == got.tpId;
            for (const auto& p : radio)
                radioCount += p.tpId == got.tpId;
            EXPECT_EQ(got.tvCount, tvCount);
            EXPECT_EQ(got.radioCount, radioCount);
        }
        for (size_t i = 0; i < tv.size(); ++i) {
            ExpectSameProgram(db->m_TvTable[i], tv[i]);
            EXPECT_EQ(db->m_TvTable[i].lockBit, tvAttributes[i] & 1);
            EXPECT_EQ(db->m_TvTable[i].favoriteBits, tvAttributes[i] & 0x7E);
            EXPECT_EQ(db->m_TvTable[i].tableIndex, i);
        }
        for (size_t i = 0; i < radio.size(); ++i)
            ExpectSameProgram(db->m_ProgTable[tv.size() + i], radio[i]);
    }
}
