#pragma once

#include "LoaderProblem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One receiver-side block, as the program will send it.
struct LoaderBlock {
    const char* fileName; // dump_loader.bin
    const char* title;    // "dump loader"
    std::vector<uint8_t> bytes;
    std::string source;   // the file it was read from; empty when built in

    bool BuiltIn() const { return source.empty(); }
    // The repository's stand-ins carry a mark a real block never has.
    bool Placeholder() const;
    std::string Sha256() const;
    bool operator==(const LoaderBlock&) const = default;
};

// The seven loader blocks a transfer sends. Each is looked for by its file
// name in a list of folders, first match wins, and otherwise is the one
// built in. A file that is there but cannot be read, or that is not the size
// the receiver expects, makes the whole set unusable: Fault() names it.
class LoaderSet {
public:
    static constexpr size_t DUMP = 0;
    static constexpr size_t STAGE_TWO = 6;
    static constexpr size_t COUNT = 7;
    // The environment variable that names a folder of blocks.
    static constexpr const char* ENVIRONMENT = "TAVREL_LOADERS";

    static LoaderSet BuiltIn();
    // `chosen` (when not empty) must be a folder; it is searched first, then `folders`.
    static LoaderSet Find(const std::string& chosen, const std::vector<std::string>& folders);
    // The folder given (--loaders), else $TAVREL_LOADERS; then the user's and
    // the system's data folders, each with tavrel/loaders.
    static LoaderSet FromEnvironment(const std::optional<std::string>& chosen = std::nullopt);
    // Where the user puts the maker's blocks: the first folder searched after a chosen one.
    static std::string UserFolder();

    // Why the set cannot be used; none when it can.
    const std::optional<LoaderProblem>& Fault() const { return m_Problem; }
    // The same in English; empty when the set can be used.
    std::string Problem() const { return m_Problem ? LoaderProblemText(*m_Problem) : std::string(); }
    const std::array<LoaderBlock, COUNT>& Blocks() const { return m_Blocks; }
    const LoaderBlock& Dump() const { return m_Blocks[DUMP]; }
    // Crystal indexes outside 1..4 take the loader of index 0.
    const LoaderBlock& Upgrade(int xtal) const;
    const LoaderBlock& StageTwo() const { return m_Blocks[STAGE_TWO]; }
    bool operator==(const LoaderSet&) const = default;

private:
    LoaderSet();

    std::array<LoaderBlock, COUNT> m_Blocks;
    std::optional<LoaderProblem> m_Problem;
};
