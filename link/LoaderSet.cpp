#include "LoaderSet.h"

#include "DataFolders.h"
#include "ImageFile.h"
#include "LoaderBlocks.h"
#include "Sha256.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The stand-ins begin with this text; the stage-two image after its 4-byte length.
constexpr char PLACEHOLDER_MARK[] = "TAVREL PLACEHOLDER";
constexpr size_t STAGE_TWO_MARK_AT = 4;

struct BlockName {
    const char* fileName;
    const char* title;
    size_t size;
};

constexpr BlockName BLOCK_NAMES[LoaderSet::COUNT] = {
    { "dump_loader.bin", "dump loader", DUMP_LOADER_SIZE },
    { "upgrade_loader_0.bin", "upgrade loader for 4M", UPGRADE_LOADER_SIZE },
    { "upgrade_loader_1.bin", "upgrade loader for 8M", UPGRADE_LOADER_SIZE },
    { "upgrade_loader_2.bin", "upgrade loader for 13.5M", UPGRADE_LOADER_SIZE },
    { "upgrade_loader_3.bin", "upgrade loader for 16M", UPGRADE_LOADER_SIZE },
    { "upgrade_loader_4.bin", "upgrade loader for 27M", UPGRADE_LOADER_SIZE },
    { "stage_two.bin", "stage-two image", STAGE_TWO_SIZE },
};

std::span<const uint8_t> BuiltInBytes(size_t index)
{
    if (index == LoaderSet::DUMP)
        return g_DumpLoader;
    if (index == LoaderSet::STAGE_TWO)
        return g_StageTwoImage;
    return g_UpgradeLoader[index - 1];
}

std::string Join(std::string folder, const char* name)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder + "/" + name;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<LoaderProblem> Unreadable(const std::string& path, const std::string& reason)
{
    return LoaderProblem { LoaderProblem::Kind::Unreadable, path, reason, 0, 0 };
}

std::optional<LoaderProblem> OfSize(LoaderProblem::Kind kind, const std::string& path, size_t bytes, size_t expected)
{
    return LoaderProblem { kind, path, "", bytes, expected };
}

// Whether the folder may hold blocks; a folder that is not there holds none,
// one that is there and cannot be searched is a problem.
std::optional<LoaderProblem> SearchProblem(const std::string& folder, bool& there)
{
    struct stat info {};
    there = ::stat(folder.c_str(), &info) == 0;
    if (!there)
        return errno == ENOENT ? std::nullopt : Unreadable(folder, std::strerror(errno));
    if (!S_ISDIR(info.st_mode))
        return Unreadable(folder, std::strerror(ENOTDIR));
    if (::access(folder.c_str(), X_OK) != 0)
        return Unreadable(folder, std::strerror(errno));
    return std::nullopt;
}

// Reads the whole file if it holds exactly `size` bytes; else the reason.
std::optional<LoaderProblem> ReadBlock(const std::string& path, size_t size, std::vector<uint8_t>& bytes)
{
    std::string reason;
    switch (ReadImageFile(path, size, bytes, reason)) {
    case ImageReadResult::Failed:
        return Unreadable(path, reason);
    case ImageReadResult::TooLarge:
        return OfSize(LoaderProblem::Kind::TooLarge, path, 0, size);
    case ImageReadResult::Read:
        break;
    }
    if (bytes.size() != size)
        return OfSize(LoaderProblem::Kind::WrongSize, path, bytes.size(), size);
    return std::nullopt;
}

} // namespace

bool LoaderBlock::Placeholder() const
{
    const size_t length = sizeof PLACEHOLDER_MARK - 1;
    for (size_t at : { size_t(0), STAGE_TWO_MARK_AT }) {
        if (bytes.size() >= at + length && std::equal(PLACEHOLDER_MARK, PLACEHOLDER_MARK + length, bytes.begin() + long(at)))
            return true;
    }
    return false;
}

std::string LoaderBlock::Sha256() const
{
    return Sha256Hex(bytes);
}

LoaderSet::LoaderSet()
    : m_Blocks {}
{
    for (size_t i = 0; i < COUNT; ++i) {
        m_Blocks[i].fileName = BLOCK_NAMES[i].fileName;
        m_Blocks[i].title = BLOCK_NAMES[i].title;
        const std::span<const uint8_t> bytes = BuiltInBytes(i);
        m_Blocks[i].bytes.assign(bytes.begin(), bytes.end());
    }
}

LoaderSet LoaderSet::BuiltIn()
{
    return LoaderSet();
}

LoaderSet LoaderSet::Find(const std::string& chosen, const std::vector<std::string>& folders)
{
    LoaderSet set;
    std::vector<std::string> searched = folders;
    if (!chosen.empty()) {
        if (!IsFolder(chosen)) {
            set.m_Problem = LoaderProblem { LoaderProblem::Kind::NotAFolder, chosen, "", 0, 0 };
            return set;
        }
        searched.insert(searched.begin(), chosen);
    }
    std::vector<std::string> present;
    for (const std::string& folder : searched) {
        bool there = false;
        set.m_Problem = SearchProblem(folder, there);
        if (set.m_Problem)
            return set;
        if (there)
            present.push_back(folder);
    }
    for (size_t i = 0; i < COUNT; ++i) {
        for (const std::string& folder : present) {
            const std::string path = Join(folder, BLOCK_NAMES[i].fileName);
            struct stat info {};
            // A dangling link is there too: it is a block that cannot be read, not a missing one.
            if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT)
                continue;
            std::vector<uint8_t> bytes;
            std::optional<LoaderProblem> problem = ReadBlock(path, BLOCK_NAMES[i].size, bytes);
            if (problem) {
                set.m_Problem = std::move(problem);
                return set;
            }
            set.m_Blocks[i].bytes = std::move(bytes);
            set.m_Blocks[i].source = path;
            break;
        }
    }
    return set;
}

LoaderSet LoaderSet::FromEnvironment(const std::optional<std::string>& chosen)
{
    std::string folder;
    if (chosen) {
        folder = *chosen;
    } else if (const char* named = std::getenv(ENVIRONMENT)) {
        folder = named;
    }
    std::vector<std::string> folders { UserFolder() };
    for (const std::string& data : SystemDataFolders())
        folders.push_back(Join(data, "tavrel/loaders"));
    return Find(folder, folders);
}

std::string LoaderSet::UserFolder()
{
    return UserDataHome() + "/tavrel/loaders";
}

const LoaderBlock& LoaderSet::Upgrade(int xtal) const
{
    return m_Blocks[size_t((xtal >= 1 && xtal <= 4) ? xtal : 0) + 1];
}
