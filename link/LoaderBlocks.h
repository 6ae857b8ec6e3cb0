#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Receiver-side code sent unchanged during a transfer; embedded at build time
// from resources/loaders/.
constexpr size_t DUMP_LOADER_SIZE = 1304;
constexpr size_t UPGRADE_LOADER_SIZE = 672;
constexpr size_t STAGE_TWO_SIZE = 3412;
constexpr int UPGRADE_LOADER_COUNT = 5;

extern const uint8_t g_DumpLoader[DUMP_LOADER_SIZE];
extern const uint8_t g_UpgradeLoader[UPGRADE_LOADER_COUNT][UPGRADE_LOADER_SIZE];
extern const uint8_t g_StageTwoImage[STAGE_TWO_SIZE];

inline std::span<const uint8_t> DumpLoader()
{
    return g_DumpLoader;
}

// Crystal indexes outside 1..4 take the loader of index 0.
inline std::span<const uint8_t> UpgradeLoader(int xtal)
{
    return g_UpgradeLoader[(xtal >= 1 && xtal <= 4) ? xtal : 0];
}

inline std::span<const uint8_t> StageTwoImage()
{
    return g_StageTwoImage;
}
