#include "SampleImage.h"

#include "ImageBuilder.h"

#include <cstdio>
#include <random>

namespace {

struct SampleSatellite {
    const char* name;
    uint16_t longitude; // tenths of a degree east
    uint16_t firstFrequency;
};

constexpr SampleSatellite SATELLITES[] = {
    { "ASTRA 1KR", 192, 10743 },
    { "HOTBIRD 13E", 130, 10719 },
    { "EUTELSAT 7A", 70, 10721 },
    { "TURKSAT 42E", 420, 10962 },
    { "ASIASAT 7", 1055, 3706 },
    { "BADR 26E", 260, 11013 },
};

constexpr const char* TV_NAMES[] = { "News", "Sport", "Movie", "Kids", "Music", "Docu", "Travel", "Info" };
constexpr const char* RADIO_NAMES[] = { "Radio", "Jazz", "Classic", "Talk", "Pop" };

} // namespace

std::vector<uint8_t> MakeSampleImage()
{
    ImageBuilder builder(2);
    builder.KeyArea(true);
    std::mt19937 random(7702);

    struct Transponder {
        uint16_t tpId;
        uint16_t satId;
    };
    std::vector<Transponder> transponders;
    uint16_t nextTp = 1;
    for (uint16_t s = 0; s < std::size(SATELLITES); ++s) {
        const SampleSatellite& info = SATELLITES[s];
        const uint16_t satId = static_cast<uint16_t>(s + 1);
        SatelliteRecord sat = MakeSatellite(satId, info.name, info.longitude);
        sat.tone22k = 1;
        sat.diseqc10 = s % 5;
        if (info.firstFrequency < 5000) { // C band
            sat.lnbFreLow = sat.lnbFreHigh = 5150;
            sat.lnbType = 1;
            sat.tone22k = 0;
        }
        builder.AddSatellite(sat);
        const int count = 4 + static_cast<int>(random() % 5);
        for (int t = 0; t < count; ++t) {
            const uint16_t frequency = static_cast<uint16_t>(info.firstFrequency + 19 * t + (t % 2));
            const uint16_t symbolRate = (t % 3 == 0) ? 27500 : 22000;
            builder.AddTransponder(MakeTransponder(nextTp, satId, frequency, symbolRate, t % 2));
            transponders.push_back({ nextTp++, satId });
        }
    }

    uint16_t serviceId = 100;
    std::vector<ProgramRecord> radio;
    for (int i = 0; i < 320; ++i) {
        const Transponder& tp = transponders[random() % transponders.size()];
        const bool isRadio = i % 5 == 4;
        char name[NAME_BYTES + 1];
        if (isRadio)
            std::snprintf(name, sizeof name, "%s %d", RADIO_NAMES[i % std::size(RADIO_NAMES)], i);
        else
            std::snprintf(name, sizeof name, "%s %d", TV_NAMES[i % std::size(TV_NAMES)], i);
        const uint16_t video = isRadio ? 0 : static_cast<uint16_t>(0x100 + i);
        ProgramRecord prog = MakeProgram(tp.satId, tp.tpId, serviceId++, name, video, static_cast<uint16_t>(0x200 + i));
        prog.scramble = (i % 7 == 0) ? 1 : 0;
        // Attribute: bit 0 set means unlocked, a clear favourite bit means member.
        uint8_t attribute = 0x7F;
        if (i % 11 == 0)
            attribute &= 0xFE;
        if (i % 6 == 0)
            attribute &= static_cast<uint8_t>(~(0x02 << (i / 6 % 6)));
        if (isRadio)
            builder.AddRadio(prog, attribute);
        else
            builder.AddTv(prog, attribute);
    }
    return builder.Build();
}

std::vector<uint8_t> MakeCapacityImage()
{
    ImageBuilder builder(2);
    for (uint16_t s = 0; s < MAX_SATELLITES; ++s) {
        char name[NAME_BYTES + 1];
        std::snprintf(name, sizeof name, "SAT %03d", s);
        builder.AddSatellite(MakeSatellite(static_cast<uint16_t>(s + 1), name, static_cast<uint16_t>(s * 20)));
    }
    for (uint16_t t = 0; t < MAX_TRANSPONDERS; ++t)
        builder.AddTransponder(MakeTransponder(static_cast<uint16_t>(t + 1), static_cast<uint16_t>(t / 20 + 1),
            static_cast<uint16_t>(10700 + t % 20 * 40)));
    for (uint16_t p = 0; p < MAX_PROGRAMS; ++p) {
        const uint16_t tpId = static_cast<uint16_t>(p % MAX_TRANSPONDERS + 1);
        const uint16_t satId = static_cast<uint16_t>((tpId - 1) / 20 + 1);
        char name[NAME_BYTES + 1];
        std::snprintf(name, sizeof name, "PROG %04d", p);
        const bool isRadio = p >= 4000;
        ProgramRecord prog = MakeProgram(satId, tpId, p, name, isRadio ? 0 : static_cast<uint16_t>(0x100 + p % 0x1000));
        if (isRadio)
            builder.AddRadio(prog);
        else
            builder.AddTv(prog);
    }
    return builder.Build();
}
