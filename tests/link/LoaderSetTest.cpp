// Where the loader blocks come from, and when a transfer refuses them.

#include "LoaderBlocks.h"
#include "LoaderSet.h"
#include "PseudoTerminal.h"
#include "SerialPorts.h"
#include "Sha256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

// The last three apply to the folder itself: its file name is "".
enum class Kind { Real, Marked, Short, Long, Dangling, Folder, Fifo, Unreadable, Unsearchable, FileForFolder };

struct Placed {
    const char* folder;
    const char* file;
    Kind kind;
};

size_t SizeOf(const std::string& file)
{
    if (file == "dump_loader.bin")
        return DUMP_LOADER_SIZE;
    return file == "stage_two.bin" ? STAGE_TWO_SIZE : UPGRADE_LOADER_SIZE;
}

// A block no placeholder looks like, different for every folder and file.
Bytes RealBlock(const std::string& folder, const std::string& file)
{
    Bytes bytes(SizeOf(file));
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(i * 7 + folder.size() * 13 + file.size());
    return bytes;
}

class LoaderSetTest : public testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/tavrel-loaders-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        m_root = name;
        for (const char* folder : { "chosen", "user", "sys1", "sys2" })
            fs::create_directory(m_root / folder);
    }
    void TearDown() override
    {
        InstallLoaders(LoaderSet::BuiltIn());
        Clear();
    }

    void Clear()
    {
        std::error_code ignored;
        for (const char* folder : { "chosen", "user", "sys1", "sys2" })
            fs::permissions(m_root / folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_root);
    }

    void Place(const std::vector<Placed>& placed)
    {
        for (const Placed& p : placed) {
            const fs::path path = *p.file ? m_root / p.folder / p.file : m_root / p.folder;
            Bytes bytes = RealBlock(p.folder, p.file);
            switch (p.kind) {
            case Kind::Real:
                break;
            case Kind::Marked:
                std::memcpy(bytes.data() + (std::string(p.file) == "stage_two.bin" ? 4 : 0), "TAVREL PLACEHOLDER", 18);
                break;
            case Kind::Short:
                bytes.pop_back();
                break;
            case Kind::Long:
                bytes.push_back(0);
                break;
            case Kind::Dangling:
                fs::create_symlink(m_root / "nowhere.bin", path);
                continue;
            case Kind::Folder:
                fs::create_directory(path);
                continue;
            case Kind::Fifo:
                mkfifo(path.c_str(), 0644);
                continue;
            case Kind::Unreadable:
                fs::permissions(path, fs::perms::none);
                continue;
            case Kind::Unsearchable:
                fs::permissions(path, fs::perms::owner_read);
                continue;
            case Kind::FileForFolder:
                fs::remove(path);
                std::ofstream(path).put('x');
                continue;
            }
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        }
    }

    LoaderSet Find(const std::string& chosen) const
    {
        return LoaderSet::Find(chosen.empty() ? "" : (m_root / chosen).string(),
            { (m_root / "user").string(), (m_root / "sys1").string(), (m_root / "sys2").string() });
    }

    fs::path m_root;
};

struct SearchCase {
    const char* what;
    std::vector<Placed> placed;
    const char* chosen;   // a folder given by name; "" for none
    const char* dumpFrom; // where the dump loader is found; "" for built in
    const char* problem;  // what the problem says; "" for none
};

const SearchCase SEARCH_CASES[] = {
    { "nothing anywhere: built in", {}, "", "", "" },
    { "only in the last system folder", { { "sys2", "dump_loader.bin", Kind::Real } }, "", "sys2", "" },
    { "system folders in their order",
        { { "sys1", "dump_loader.bin", Kind::Real }, { "sys2", "dump_loader.bin", Kind::Real } }, "", "sys1", "" },
    { "the user's before the system's",
        { { "user", "dump_loader.bin", Kind::Real }, { "sys1", "dump_loader.bin", Kind::Real } }, "", "user", "" },
    { "a chosen folder before the user's",
        { { "chosen", "dump_loader.bin", Kind::Real }, { "user", "dump_loader.bin", Kind::Real } }, "chosen",
        "chosen", "" },
    { "a chosen folder without it: searched on", { { "user", "dump_loader.bin", Kind::Real } }, "chosen", "user",
        "" },
    { "a chosen folder that is not there", {}, "absent", "", "absent: not a folder of loader blocks" },
    { "a block one byte short is never passed over",
        { { "user", "dump_loader.bin", Kind::Short }, { "sys1", "dump_loader.bin", Kind::Real } }, "", "",
        "user/dump_loader.bin: 1303 bytes, the receiver expects 1304" },
    { "a block too long", { { "sys1", "stage_two.bin", Kind::Long } }, "", "",
        "sys1/stage_two.bin: more than 3412 bytes, the receiver expects 3412" },
    { "a link to nothing cannot be read",
        { { "user", "upgrade_loader_3.bin", Kind::Dangling }, { "sys1", "upgrade_loader_3.bin", Kind::Real } }, "",
        "", "user/upgrade_loader_3.bin: No such file or directory" },
    { "a folder in a block's place", { { "sys2", "dump_loader.bin", Kind::Folder } }, "", "",
        "sys2/dump_loader.bin: Is a directory" },
    { "a named pipe is refused, never waited on", { { "user", "dump_loader.bin", Kind::Fifo } }, "", "",
        "user/dump_loader.bin: Is a named pipe, not a file" },
    { "a file in a folder's place", { { "sys1", "", Kind::FileForFolder } }, "", "", "sys1: Not a directory" },
    { "a block the user may not read",
        { { "sys1", "stage_two.bin", Kind::Real }, { "sys1", "stage_two.bin", Kind::Unreadable } }, "", "",
        "sys1/stage_two.bin: Permission denied" },
    { "a folder the user may not search",
        { { "user", "dump_loader.bin", Kind::Real }, { "user", "", Kind::Unsearchable } }, "", "",
        "user: Permission denied" },
};

// Permissions bind everyone but the superuser.
bool NeedsUser(const SearchCase& c)
{
    return std::any_of(c.placed.begin(), c.placed.end(),
        [](const Placed& p) { return p.kind == Kind::Unreadable || p.kind == Kind::Unsearchable; });
}

struct RefusalCase {
    const char* what;
    std::vector<Placed> placed;
    LoaderUse use;
    int xtal;
    bool pseudoTerminal;
    const char* refusal; // what the refusal says; "" when the transfer may run
};

const RefusalCase REFUSAL_CASES[] = {
    { "built in, on the virtual receiver", {}, LoaderUse::Dump, 4, true, "" },
    { "built in, on a real line", {}, LoaderUse::Dump, 4, false,
        "The dump loader (the one built in) is a placeholder" },
    { "built in upgrade names its crystal", {}, LoaderUse::Upgrade, 2, false, "upgrade loader for 13.5M" },
    { "the maker's dump loader", { { "user", "dump_loader.bin", Kind::Real } }, LoaderUse::Dump, 4, false, "" },
    { "the maker's dump loader does not make an upgrade", { { "user", "dump_loader.bin", Kind::Real } },
        LoaderUse::Upgrade, 4, false, "upgrade loader for 27M" },
    { "a marked file is a placeholder too",
        { { "user", "upgrade_loader_4.bin", Kind::Real }, { "sys1", "stage_two.bin", Kind::Marked } },
        LoaderUse::Upgrade, 4, false, "sys1/stage_two.bin) is a placeholder" },
    { "the maker's upgrade blocks",
        { { "user", "upgrade_loader_4.bin", Kind::Real }, { "sys1", "stage_two.bin", Kind::Real } },
        LoaderUse::Upgrade, 4, false, "" },
    { "an unusable set is refused on the virtual receiver too", { { "user", "dump_loader.bin", Kind::Short } },
        LoaderUse::Dump, 4, true, "user/dump_loader.bin: 1303 bytes" },
};

} // namespace

TEST_F(LoaderSetTest, FindsEachBlockInTheFirstFolderThatHoldsItAndNeverPassesOverABadOne)
{
    for (const SearchCase& c : SEARCH_CASES) {
        SCOPED_TRACE(c.what);
        if (NeedsUser(c) && geteuid() == 0)
            continue;
        Clear();
        SetUp();
        Place(c.placed);
        const LoaderSet set = Find(c.chosen);
        if (*c.problem) {
            EXPECT_NE(set.Problem().find(m_root.string() + "/" + c.problem), std::string::npos) << set.Problem();
            continue;
        }
        EXPECT_EQ(set.Problem(), "");
        const LoaderBlock& dump = set.Dump();
        if (*c.dumpFrom) {
            EXPECT_EQ(dump.source, (m_root / c.dumpFrom / "dump_loader.bin").string());
            EXPECT_EQ(dump.bytes, RealBlock(c.dumpFrom, "dump_loader.bin"));
            EXPECT_FALSE(dump.Placeholder());
        } else {
            EXPECT_TRUE(dump.BuiltIn());
            EXPECT_EQ(dump.bytes, Bytes(g_DumpLoader, g_DumpLoader + DUMP_LOADER_SIZE));
        }
        EXPECT_TRUE(set.StageTwo().BuiltIn() && set.StageTwo().Placeholder());
    }
}

TEST_F(LoaderSetTest, PlaceholdersReachOnlyAPseudoTerminal)
{
    for (const RefusalCase& c : REFUSAL_CASES) {
        SCOPED_TRACE(c.what);
        Clear();
        SetUp();
        Place(c.placed);
        InstallLoaders(Find(""));
        const std::optional<std::string> refusal = PlaceholderRefusal(c.use, c.xtal, c.pseudoTerminal);
        if (*c.refusal) {
            ASSERT_TRUE(refusal);
            EXPECT_NE(refusal->find(c.refusal), std::string::npos) << *refusal;
        } else {
            EXPECT_FALSE(refusal) << *refusal;
        }
    }
}

TEST_F(LoaderSetTest, AnInstalledSetIsWhatTheProtocolSends)
{
    Place({ { "user", "upgrade_loader_0.bin", Kind::Real }, { "user", "stage_two.bin", Kind::Real } });
    InstallLoaders(Find(""));
    const Bytes upgrade = RealBlock("user", "upgrade_loader_0.bin");
    // Crystals outside 1..4 take the loader of index 0.
    EXPECT_EQ(Bytes(UpgradeLoader(7).begin(), UpgradeLoader(7).end()), upgrade);
    EXPECT_EQ(Bytes(UpgradeLoader(0).begin(), UpgradeLoader(0).end()), upgrade);
    EXPECT_EQ(Bytes(StageTwoImage().begin(), StageTwoImage().end()), RealBlock("user", "stage_two.bin"));
    EXPECT_EQ(Bytes(DumpLoader().begin(), DumpLoader().end()), Bytes(g_DumpLoader, g_DumpLoader + DUMP_LOADER_SIZE));
}

TEST(Sha256, MatchesThePublishedVectors)
{
    const auto hex = [](const std::string& text) {
        return Sha256Hex(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    };
    EXPECT_EQ(hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // Its padding needs a second block.
    EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
        "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hex(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(PseudoTerminalSeam, TellsThePseudoTerminalFromOtherDevices)
{
    const PseudoTerminal terminal;
    EXPECT_TRUE(IsPseudoTerminal(terminal.Path()));
    const fs::path link = fs::temp_directory_path() / ("tavrel-pty-link-" + std::to_string(getpid()));
    fs::create_symlink(terminal.Path(), link);
    EXPECT_TRUE(IsPseudoTerminal(link.string()));
    fs::remove(link);
    EXPECT_FALSE(IsPseudoTerminal("/dev/null"));
    EXPECT_FALSE(IsPseudoTerminal(fs::temp_directory_path().string()));
    EXPECT_FALSE(IsPseudoTerminal("/dev/no-such-device"));
}
