// tavrel-cli check and its repair, and the check before an upgrade.

#include "ChannelDatabase.h"
#include "CliRun.h"
#include "ImageBuilder.h"
#include "MakerBlocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

class CliCheckTest : public testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/tavrel-check-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        m_dir = name;
        ImageBuilder clean = Base();
        Write("clean.bin", clean.Build());
        ImageBuilder faulty = Base();
        faulty.AddTv(MakeProgram(1, 10, 100, "One\x01" "again", 0x100)); // duplicate, control byte
        faulty.AddTv(MakeProgram(9, 10, 101, "Lost", 0x101));          // orphan: no satellite 9
        Write("faulty.bin", faulty.Build());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static ImageBuilder Base()
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "Astra"));
        b.AddTransponder(MakeTransponder(10, 1, 11778));
        b.AddTv(MakeProgram(1, 10, 100, "One", 0x100));
        return b;
    }

    void Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

} // namespace

TEST_F(CliCheckTest, PrintsFindingsAndCountsWithTheirExitStatus)
{
    const Result clean = Cli({ "check", Path("clean.bin") });
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, Path("clean.bin") + ": no problems found\n");

    const Result text = Cli({ "check", Path("faulty.bin") });
    EXPECT_EQ(text.status, 1) << text.err;
    for (const std::string line : {
             "error: TV program 3 \"Lost\": satellite id 9 names no satellite\n",
             "warning: TV program 2 \"One\\x01again\": same satellite, transponder and service id 100 as TV program 1 "
             "\"One\"\n",
             ": 1 error, 2 warnings\n", "  1 programs of no satellite\n", "  1 duplicate programs\n" })
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "\nin\n" << text.out;

    const Result json = Cli({ "check", Path("faulty.bin"), "--format", "json" });
    EXPECT_EQ(json.status, 1);
    for (const std::string part : { "\"errors\": 1, \"warnings\": 2", "\"kind\": \"program_without_satellite\"",
             "\"records\": [{\"table\": \"tv\", \"number\": 2}, {\"table\": \"tv\", \"number\": 1}]",
             "\"duplicate_program\": 1" })
        EXPECT_NE(json.out.find(part), std::string::npos) << part << "\nin\n" << json.out;

    // A file that ends before its flash is what an upgrade refuses.
    std::vector<uint8_t> bytes = Base().Build();
    bytes.resize(917504);
    Write("short.bin", bytes);
    const Result shortFile = Cli({ "check", Path("short.bin") });
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_NE(shortFile.out.find("error: the file is 917504 bytes, shorter than its flash of 1048576; an upgrade "
                                 "refuses it\n"),
        std::string::npos)
        << shortFile.out;

    std::ofstream(Path("zeros.bin")) << std::string(4096, '\0');
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> {
             { "check", Path("zeros.bin") },
             { "check", Path("missing.bin") },
             { "check", Path("faulty.bin"), "--fix", "orphans" },
             { "check", Path("faulty.bin"), "--fix", "everything", "-o", Path("out.bin") },
             { "check", Path("faulty.bin"), "--fix", "duplicates,", "-o", Path("out.bin") },
             { "check", Path("faulty.bin"), "-o", Path("out.bin") } }) {
        const Result refused = Cli(args);
        EXPECT_EQ(refused.status, 2) << refused.err;
        EXPECT_EQ(refused.out, "");
    }
    EXPECT_FALSE(fs::exists(Path("out.bin")));
}

TEST_F(CliCheckTest, FixWritesTheRepairedImageAndSaysWhatWent)
{
    const Result fixed = Cli({ "check", Path("faulty.bin"), "--fix", "duplicates,orphans", "-o", Path("out.bin") });
    EXPECT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_NE(fixed.out.find("deleted: TV program 3 \"Lost\""), std::string::npos) << fixed.out;
    EXPECT_NE(fixed.out.find("deleted: TV program 2 \"One\\x01again\""), std::string::npos) << fixed.out;
    EXPECT_NE(fixed.out.find(Path("out.bin") + ": no problems found\n"), std::string::npos) << fixed.out;
    EXPECT_EQ(Cli({ "check", Path("out.bin") }).status, 0);
    const Result clean = Cli({ "check", Path("clean.bin"), "--fix", "duplicates", "-o", Path("clean.bin") });
    EXPECT_EQ(clean.out, Path("clean.bin") + ": nothing was deleted\n" + Path("clean.bin") + ": no problems found\n");
    // The input stays as it was; nothing of a half-written output is left.
    EXPECT_EQ(Cli({ "check", Path("faulty.bin") }).status, 1);
    for (const auto& entry : fs::directory_iterator(m_dir))
        EXPECT_EQ(entry.path().extension(), ".bin") << entry.path();
}

TEST_F(CliCheckTest, UpgradeRefusesErrorsUnlessForced)
{
    const Result refused = Cli({ "upgrade", "--port", "/nonexistent/tty", Path("faulty.bin") });
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("error: TV program 3 \"Lost\": satellite id 9 names no satellite"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("the channel list has 1 error"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find("/nonexistent/tty"), std::string::npos) << "no port is opened: " << refused.err;

    // Forced, or with warnings only, the upgrade goes on to the port.
    const MakerBlocks blocks;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> {
             { "upgrade", "--port", "/nonexistent/tty", Path("faulty.bin"), "--force" },
             { "upgrade", "--port", "/nonexistent/tty", Path("clean.bin") } }) {
        const Result goes = Cli(args);
        EXPECT_NE(goes.err.find("/nonexistent/tty: No such file or directory"), std::string::npos) << goes.err;
    }
}
