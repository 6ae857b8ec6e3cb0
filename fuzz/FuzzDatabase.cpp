// Feeds arbitrary bytes as a flash image to the loader and the queries. The
// input is laid over a valid-looking frame (signature, directory magic and
// block marker) often enough to reach the table decoding.

#include "BigEndian.h"
#include "ChannelDatabase.h"

#include <cstring>
#include <memory>

namespace {

ChannelDatabase& Database()
{
    static auto* db = new ChannelDatabase;
    return *db;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ChannelDatabase& db = Database();
    std::memset(db.m_Image, 0, IMAGE_SIZE);
    if (size > 0 && (data[0] & 1)) {
        // Frame mode: the rest of the input becomes the directory block of a
        // type-2 image, so the fuzzer spends its time on the tables.
        std::memcpy(db.m_Image + 0x100, "6CGHLSWZ", 8);
        const size_t block = std::min<size_t>(size - 1, DIRECTORY_BLOCK_SIZE - 4);
        std::memcpy(db.m_Image + 0xD0000, data + 1, block);
        WriteBE32(db.m_Image + 0xD0000 + 0xFFFC, BLOCK_MARKER);
        // Records are read from wherever the entries point; give them bytes.
        for (size_t i = 0; i < 0x40000 && size > 1; ++i)
            db.m_Image[0x20000 + i] = data[1 + i % (size - 1)];
    } else {
        std::memcpy(db.m_Image, data, std::min(size, IMAGE_SIZE));
    }

    if (!db.DecodeDatabase())
        return 0;

    static TransponderRecord tps[MAX_SAT_TPS];
    static ProgramRecord progs[500];
    for (int s = 0; s < db.m_nSatCount; ++s) {
        db.CopySatelliteTransponders(tps, db.m_SatTable[s].satId);
        db.CopySatellitePrograms(db.m_SatTvList, db.m_SatTable[s].satId, 0);
        db.CopySatellitePrograms(db.m_SatRadioList, db.m_SatTable[s].satId, 1);
    }
    for (int t = 0; t < db.m_nTpCount; ++t)
        db.CopyTransponderPrograms(progs, db.m_TpTable[t].tpId);
    return 0;
}
