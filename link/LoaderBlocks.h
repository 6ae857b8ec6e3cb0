#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

class LoaderSet;
struct LoaderBlock;

// Receiver-side code sent unchanged during a transfer. Built in from
// resources/loaders/; the set in use may come from files instead (LoaderSet).
constexpr size_t DUMP_LOADER_SIZE = 1304;
constexpr size_t UPGRADE_LOADER_SIZE = 672;
constexpr size_t STAGE_TWO_SIZE = 3412;
constexpr int UPGRADE_LOADER_COUNT = 5;

extern const uint8_t g_DumpLoader[DUMP_LOADER_SIZE];
extern const uint8_t g_UpgradeLoader[UPGRADE_LOADER_COUNT][UPGRADE_LOADER_SIZE];
extern const uint8_t g_StageTwoImage[STAGE_TWO_SIZE];

// The set every transfer of this process sends; the built-in one until a
// program installs another at start-up. An installed set lives until the
// program ends, so the blocks handed out below stay valid.
void InstallLoaders(const LoaderSet& set);
const LoaderSet& InstalledLoaders();
// Reads and installs the set the environment names. A program calls it when a
// transfer or a list of the blocks needs them: it shows before it reads the
// user's folders, and sees blocks put there since. A set like the one
// installed leaves that one in place.
void InstallLoadersFromEnvironment();

std::span<const uint8_t> DumpLoader();
// Crystal indexes outside 1..4 take the loader of index 0.
std::span<const uint8_t> UpgradeLoader(int xtal);
std::span<const uint8_t> StageTwoImage();

enum class LoaderUse { Dump, Upgrade };

// Why a transfer must not start with the installed blocks, or nothing: an
// unusable set is refused on every port, a placeholder block on any device
// but a pseudo-terminal (where only the virtual receiver listens). An upgrade
// sends the crystal's loader and the stage-two image; a dump or a verify the
// dump loader.
std::optional<std::string> PlaceholderRefusal(LoaderUse use, int xtal, bool portIsPseudoTerminal);
// The placeholder block behind such a refusal, for a wording of its own;
// null when the refusal is the set's problem, or when there is none.
const LoaderBlock* RefusedPlaceholder(LoaderUse use, int xtal, bool portIsPseudoTerminal);
