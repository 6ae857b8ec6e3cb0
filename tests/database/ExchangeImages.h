#pragma once

// Images for the export, import and diff tests.

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "ImageBuilder.h"

#include <cstring>
#include <memory>
#include <random>
#include <vector>

inline std::unique_ptr<ChannelDatabase> Decoded(const std::vector<uint8_t>& image)
{
    auto db = std::make_unique<ChannelDatabase>();
    std::memcpy(db->m_Image, image.data(), IMAGE_SIZE);
    db->DecodeDatabase();
    return db;
}

inline const CodePageText& Western()
{
    static const CodePageText text(1252);
    return text;
}

inline std::vector<uint8_t> ImageOf(const ChannelDatabase& db)
{
    return std::vector<uint8_t>(db.m_Image, db.m_Image + IMAGE_SIZE);
}

// Names of random bytes (bytes the code page lacks among them), random
// attributes with bit 7, now and then a repeated service id, an orphan
// program or a TV-table record without video PID.
inline std::vector<uint8_t> RandomImage(unsigned seed)
{
    std::mt19937 r(seed);
    ImageBuilder b(r() % 4 == 0 ? 1 : 2);
    auto name = [&r](char (&text)[13]) {
        const size_t length = r() % 13;
        for (size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>(r() % 3 == 0 ? 0x80 + r() % 0x80 : 'A' + r() % 26);
        if (length < 12)
            text[length] = 0;
    };
    const int sats = 1 + static_cast<int>(r() % 8);
    for (int s = 0; s < sats; ++s) {
        SatelliteRecord sat = MakeSatellite(static_cast<uint16_t>(s + 1), "", static_cast<uint16_t>(r() % 1800));
        name(sat.name);
        b.AddSatellite(sat);
    }
    std::vector<TransponderRecord> tps;
    const int tpCount = 1 + static_cast<int>(r() % 30);
    for (int t = 0; t < tpCount; ++t) {
        tps.push_back(MakeTransponder(static_cast<uint16_t>(100 + t), static_cast<uint16_t>(1 + r() % sats),
            static_cast<uint16_t>(10700 + r() % 2000), 27500, static_cast<uint16_t>(r() % 2)));
        b.AddTransponder(tps.back());
    }
    auto program = [&](bool radio, int i) {
        const TransponderRecord& tp = tps[r() % tps.size()];
        const bool orphan = r() % 15 == 0;
        const uint16_t serviceId = static_cast<uint16_t>(r() % 10 == 0 ? 7 : 1000 + i);
        const uint16_t video = radio || r() % 12 == 0 ? 0 : static_cast<uint16_t>(0x100 + i);
        ProgramRecord prog = MakeProgram(orphan ? 90 : tp.satId, orphan ? 900 : tp.tpId, serviceId, "", video);
        name(prog.name);
        prog.opaque13 = r() & 0x1FFF;
        return prog;
    };
    const int tv = static_cast<int>(r() % 200);
    const int radio = static_cast<int>(r() % 60);
    for (int i = 0; i < tv; ++i)
        b.AddTv(program(false, i), static_cast<uint8_t>(r()));
    for (int i = 0; i < radio; ++i)
        b.AddRadio(program(true, tv + i), static_cast<uint8_t>(r()));
    return b.Build();
}
