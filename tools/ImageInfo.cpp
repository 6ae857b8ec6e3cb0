// tavrel-info IMAGE: prints what the channel database loader makes of a flash image.

#include "ChannelDatabase.h"

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrel-info IMAGE\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "rb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    auto db = std::make_unique<ChannelDatabase>();
    const size_t length = std::fread(db->m_Image, 1, IMAGE_SIZE, file);
    const bool tooLong = std::fgetc(file) != EOF;
    std::fclose(file);
    if (tooLong || !db->DecodeDatabase()) {
        std::printf("%s: not a valid flash image\n", argv[1]);
        return 1;
    }
    std::printf("%s: %zu bytes, flash type %d (%u KiB), directory block at 0x%05X, key area %s\n", argv[1], length,
        db->m_nFlashType, db->m_nFlashSize / 1024, db->m_nDirBlockOffset, db->m_bKeyArea ? "yes" : "no");
    std::printf("Sat: %d  TP: %d  TV: %d  Radio: %d\n", db->m_nSatCount, db->m_nTpCount, db->m_nTvCount,
        db->m_nRadioCount);
    for (int s = 0; s < db->m_nSatCount; ++s) {
        const SatelliteRecord& sat = db->m_SatTable[s];
        std::printf("%3d_%-12s longitude %4d  %3d transponders  %4d TV  %4d radio\n", s, sat.name, sat.longitude,
            sat.tpCount, sat.tvCount, sat.radioCount);
    }
    return 0;
}
