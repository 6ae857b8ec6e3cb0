// tavrel-cli's file commands as a script sees them.

#include "ChannelDatabase.h"
#include "CliRun.h"
#include "ImageBuilder.h"
#include "PrintableText.h"
#include "SampleImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class CliTest : public testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/tavrel-cli-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        m_dir = name;
        const std::vector<uint8_t> image = MakeSampleImage();
        Write(Path("sample.bin"), std::string(image.begin(), image.end()));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    // Exports the sample's TV and radio programs with one field of one row changed.
    std::string EditedCsv(const std::string& from, const std::string& to)
    {
        std::string csv = Cli({ "export", Path("sample.bin"), "--table", "tv,radio" }).out;
        csv.replace(csv.find(from), from.size(), to);
        Write(Path("edited.csv"), csv);
        return Path("edited.csv");
    }

    fs::path m_dir;
};

} // namespace

TEST_F(CliTest, EveryCommandExplainsItself)
{
    for (const std::string command : { "info", "export", "import", "diff", "apply", "check", "dump", "upgrade", "verify", "ports" }) {
        const Result help = Cli({ command, "--help" });
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind("Usage: tavrel-cli " + command, 0), 0u) << help.out;
    }
    EXPECT_EQ(Cli({ "--help" }).status, 0);
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({ "frobnicate" }).err, "tavrel-cli: unknown command frobnicate\nTry 'tavrel-cli --help'.\n");
}

TEST_F(CliTest, InfoTellsWhatTheImageHolds)
{
    const Result info = Cli({ "info", Path("sample.bin") });
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("flash type 2 (1024 KiB), directory block at 0xD0000, key area yes"), std::string::npos);
    EXPECT_NE(info.out.find("Sat: 6  TP: 34  TV: 256  Radio: 64"), std::string::npos);
}

TEST_F(CliTest, BadInputIsNamedAndWritesNothing)
{
    Write(Path("zeros.bin"), std::string(4096, '\0'));
    Write(Path("big.bin"), std::string(IMAGE_SIZE + 1, '\0'));
    Write(Path("long.csv"), "table,offset,name\r\ntv,0x020194,Dokumentation 1\r\n");
    Write(Path("unknown.csv"), "table,offset,channel\r\n");
    Write(Path("twice.csv"), "table,offset\r\ntv,0x020194\r\ntv,0x020194\r\n");
    Write(Path("empty.bin"), "");
    const std::string image = Read(Path("sample.bin"));
    Write(Path("short.bin"), image.substr(0, image.size() - 1));
    const std::string sample = Path("sample.bin");
    const std::string out = Path("out.bin");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        { { "info", Path("missing.bin") }, Path("missing.bin") + ": No such file or directory" },
        { { "info", Path("zeros.bin") }, Path("zeros.bin") + ": not a flash image: the image signature 6CGHLSWZ is missing" },
        { { "diff", sample, Path("big.bin") }, Path("big.bin") + ": not a flash image: larger than 1 MiB" },
        { { "export", m_dir.string() }, m_dir.string() + ": Is a directory" },
        { { "import", sample, Path("long.csv"), "-o", out },
            Path("long.csv") + ": row 2: the name \"Dokumentation 1\" takes 15 bytes in code page 1252, more than the "
                                  "12 that fit" },
        { { "import", sample, Path("unknown.csv"), "-o", out }, Path("unknown.csv") + ": row 1: unknown column \"channel\"" },
        { { "import", sample, Path("twice.csv"), "-o", out },
            Path("twice.csv") + ": row 3: the offset 0x020194 stands twice (also in row 2)" },
        { { "import", sample, Path("missing.csv"), "-o", out }, Path("missing.csv") + ": No such file or directory" },
        { { "import", sample, Path("long.csv") }, "tavrel-cli import: -o OUT is missing" },
        { { "export", sample, "--table", "films" }, "tavrel-cli export: unknown table in --table films" },
        { { "diff", sample, "--format", "xml", sample }, "tavrel-cli diff: --format is text or json, not xml" },
        { { "diff", sample }, "tavrel-cli diff: missing operand" },
        { { "export", sample, "--tabel", "tv" }, "tavrel-cli export: unknown option --tabel" },
        { { "verify", "--port", Path("no-port"), Path("empty.bin") },
            Path("empty.bin") + ": the file is empty; there is nothing to compare" },
        { { "verify", "--port", Path("no-port"), Path("empty.bin"), "--force" },
            Path("empty.bin") + ": the file is empty; there is nothing to compare" },
        { { "verify", "--port", Path("no-port"), Path("zeros.bin") },
            Path("zeros.bin") + ": not a flash image: the image signature 6CGHLSWZ is missing; --force compares it "
                                "anyway" },
        { { "upgrade", "--port", Path("no-port"), Path("short.bin") },
            Path("short.bin") + ": the file is 1048575 bytes, shorter than its flash of 1048576; --force sends it "
                                "padded with erased flash (0xFF)" },
    };
    for (const Case& c : cases) {
        const Result result = Cli(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(fs::exists(out)) << c.message;
    }
}

TEST_F(CliTest, InfoTellsOfAFileThatEndsBeforeItsFlash)
{
    const std::string image = Read(Path("sample.bin"));
    Write(Path("short.bin"), image.substr(0, image.size() - 1));
    const Result info = Cli({ "info", Path("short.bin") });
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find(Path("short.bin") + ": the file ends 1 bytes before its flash does"), std::string::npos)
        << info.out;
    EXPECT_EQ(Cli({ "info", Path("sample.bin") }).out.find("before its flash"), std::string::npos);
}

TEST_F(CliTest, NoOutputOverAnInput)
{
    const std::string sample = Path("sample.bin");
    const std::string csv = Path("list.csv");
    ASSERT_EQ(Cli({ "export", sample, "-o", csv }).status, 0);
    fs::create_symlink(sample, Path("sample-link.bin"));
    fs::create_symlink(csv, Path("list-link.csv"));
    const std::string image = Read(sample);
    const std::string list = Read(csv);
    const std::vector<std::vector<std::string>> cases = {
        { "export", sample, "-o", sample },
        { "export", sample, "-o", Path("sample-link.bin") },
        { "export", Path("sample-link.bin"), "-o", sample },
        { "import", sample, csv, "-o", csv },
        { "import", sample, csv, "-o", Path("list-link.csv") },
    };
    for (const auto& args : cases) {
        const Result result = Cli(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_NE(result.err.find("is the same file as the input"), std::string::npos) << result.err;
        EXPECT_EQ(Read(sample), image);
        EXPECT_EQ(Read(csv), list);
    }
    // The one documented exception: an import written over its image.
    EXPECT_EQ(Cli({ "import", Path("sample-link.bin"), csv, "-o", sample }).status, 0);
    EXPECT_EQ(Read(sample), image);
}

TEST_F(CliTest, ImportSumsUpWhatItDid)
{
    const std::string csv = EditedCsv(",News 0,", ",Nachrichten,");
    const Result dryRun = Cli({ "import", Path("sample.bin"), csv, "--dry-run" });
    EXPECT_EQ(dryRun.err, "tavrel-cli: " + csv + ": would: 320 rows read, 0 moved, 1 renamed, 0 locks and 0 "
                          "favourites changed, 0 deleted, 0 not placed; nothing is written\n");
    const Result import = Cli({ "import", Path("sample.bin"), csv, "-o", Path("out.bin") });
    EXPECT_EQ(import.status, 0);
    EXPECT_EQ(import.err, "tavrel-cli: " + csv + ": 320 rows read, 0 moved, 1 renamed, 0 locks and 0 favourites "
                          "changed, 0 deleted, 0 not placed; " + Path("out.bin") + " written (1048576 bytes)\n");

    Write(Path("header.csv"), "table,offset,name\r\n");
    const Result deleteAll = Cli({ "import", Path("sample.bin"), Path("header.csv"), "--delete-missing", "-o",
        Path("none.bin") });
    EXPECT_EQ(deleteAll.status, 2);
    EXPECT_NE(deleteAll.err.find("--delete-missing would delete them all"), std::string::npos) << deleteAll.err;
    EXPECT_FALSE(fs::exists(Path("none.bin")));

    // Rows of another list that this image lacks: the first 20, then a count and a total.
    std::string list = "table,name\r\n";
    for (int i = 0; i < 25; ++i)
        list += "tv,Absent " + std::to_string(i) + "\r\n";
    list += "tv,News 0\r\n";
    Write(Path("other.csv"), list);
    const Result reference = Cli({ "import", Path("sample.bin"), Path("other.csv"), "--match", "reference",
        "--dry-run" });
    EXPECT_EQ(reference.status, 0);
    EXPECT_NE(reference.err.find("\"Absent 19\": no such program"), std::string::npos);
    EXPECT_EQ(reference.err.find("\"Absent 20\""), std::string::npos);
    EXPECT_NE(reference.err.find(": ... and 5 more\n"), std::string::npos) << reference.err;
    EXPECT_NE(reference.err.find(": placed 1 of 26 rows\n"), std::string::npos) << reference.err;
}

TEST_F(CliTest, NamesWithControlBytesPrintEscaped)
{
    std::string image = Read(Path("sample.bin"));
    image.replace(image.find("News 0"), 6, "N\x1Bws\n0");
    Write(Path("odd.bin"), image);
    const Result diff = Cli({ "diff", Path("sample.bin"), Path("odd.bin"), "--table", "tv" });
    EXPECT_EQ(diff.out, "tv: changed 1 \"N\\x1Bws\\n0\": name: \"News 0\" -> \"N\\x1Bws\\n0\"\n");

    std::string csv = Cli({ "export", Path("odd.bin"), "--table", "tv" }).out;
    const size_t name = csv.find("\"N\x1Bws\n0\"");
    ASSERT_NE(name, std::string::npos);
    csv.replace(name, 8, "News 0");
    Write(Path("fixed.csv"), csv);
    const Result dryRun = Cli({ "import", Path("odd.bin"), Path("fixed.csv"), "--dry-run" });
    EXPECT_EQ(dryRun.out, "tv 1 \"N\\x1Bws\\n0\": name \"N\\x1Bws\\n0\" -> \"News 0\"\n");
}

TEST_F(CliTest, EchoesArePrintableAndShort)
{
    std::string csv = "table,offset\r\n";
    for (int i = 0; i < 100; ++i)
        csv += "tv,0x020194\r\n";
    Write(Path("repeated.csv"), csv);
    const std::string huge(1000000, 'n');
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        { { "info", Path("\x1B]0;TITLE\a.bin") }, Path("\\x1B]0;TITLE\\x07.bin") + ": No such file or directory\n" },
        { { "info", huge }, "tavrel-cli: " + huge.substr(0, MAX_ECHOED) + "... (1000000 bytes): File name too long\n" },
        { { "\x1B[2J" }, "tavrel-cli: unknown command \\x1B[2J\n" },
        { { "export", Path("sample.bin"), "--table", huge }, "--table " + huge.substr(0, MAX_ECHOED - 25) + "... (" },
        { { "import", Path("sample.bin"), Path("repeated.csv"), "--dry-run" },
            "row 22: the offset 0x020194 stands twice (also in row 2)\ntavrel-cli: " + Path("repeated.csv")
                + ": ... and 79 more\n" },
    };
    for (const Case& c : cases) {
        const Result result = Cli(c.args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err.substr(0, 1000);
        EXPECT_LT(result.err.size(), 3000u);
        EXPECT_EQ(result.err.find_first_of("\x07\x1B"), std::string::npos) << result.err.substr(0, 1000);
    }
}

TEST_F(CliTest, ImportOfTheExportGivesTheSameImage)
{
    const std::string csv = Path("all.csv");
    ASSERT_EQ(Cli({ "export", Path("sample.bin"), "-o", csv }).status, 0);
    ASSERT_EQ(Cli({ "import", Path("sample.bin"), csv, "-o", Path("out.bin") }).status, 0);
    EXPECT_EQ(Read(Path("out.bin")), Read(Path("sample.bin")));
    EXPECT_EQ(Cli({ "diff", Path("sample.bin"), Path("out.bin") }).status, 0);
}

TEST_F(CliTest, ImportAndFixWriteTheFlashAndSayWhenTheInputWasLonger)
{
    ImageBuilder halfFlash(1);
    halfFlash.AddSatellite(MakeSatellite(1, "Astra"));
    halfFlash.AddTransponder(MakeTransponder(10, 1, 11000));
    halfFlash.AddTv(MakeProgram(1, 10, 100, "One", 0x100));
    const std::vector<uint8_t> image = halfFlash.Build();
    Write(Path("whole.bin"), std::string(image.begin(), image.end()));
    Write(Path("half.bin"), std::string(image.begin(), image.begin() + IMAGE_SIZE / 2));
    ASSERT_EQ(Cli({ "export", Path("whole.bin"), "--table", "tv,radio", "-o", Path("list.csv") }).status, 0);
    struct Case {
        const char* input;
        std::string err;
    };
    const Case cases[] = {
        { "whole.bin", "tavrel-cli: " + Path("out.bin") + ": wrote 524288 bytes, the size of the flash; the input "
                                                          "had 1048576, the rest lies beyond the flash\n" },
        { "half.bin", "" },
    };
    for (const Case& c : cases) {
        const Result import = Cli({ "import", Path(c.input), Path("list.csv"), "-o", Path("out.bin") });
        EXPECT_EQ(import.status, 0) << c.input;
        EXPECT_EQ(import.err, c.err + "tavrel-cli: " + Path("list.csv") + ": 1 row read, 0 moved, 0 renamed, 0 locks "
                                      "and 0 favourites changed, 0 deleted, 0 not placed; " + Path("out.bin")
                + " written (524288 bytes)\n");
        EXPECT_EQ(Read(Path("out.bin")), Read(Path("half.bin"))) << c.input;
        fs::remove(Path("out.bin"));
        const Result fix = Cli({ "check", Path(c.input), "--fix", "duplicates", "-o", Path("out.bin") });
        EXPECT_EQ(fix.status, 0) << c.input;
        EXPECT_EQ(fix.err, c.err);
        EXPECT_EQ(Read(Path("out.bin")), Read(Path("half.bin"))) << c.input;
    }
}

TEST_F(CliTest, DryRunSaysWhatChangesAndDiffShowsIt)
{
    const std::string csv = EditedCsv(",News 0,", ",Nachrichten,");
    const Result dryRun = Cli({ "import", Path("sample.bin"), csv, "--dry-run" });
    EXPECT_EQ(dryRun.status, 0);
    EXPECT_EQ(dryRun.out, "tv 1 \"News 0\": name \"News 0\" -> \"Nachrichten\"\n");
    EXPECT_FALSE(fs::exists(Path("out.bin")));

    ASSERT_EQ(Cli({ "import", Path("sample.bin"), csv, "-o", Path("out.bin") }).status, 0);
    const Result diff = Cli({ "diff", Path("sample.bin"), Path("out.bin") });
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, "tv: changed 1 \"Nachrichten\": name: \"News 0\" -> \"Nachrichten\"\n");
    const Result json = Cli({ "diff", Path("sample.bin"), Path("out.bin"), "--format", "json", "--table", "tv" });
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("\"fields\": [\"name\"]"), std::string::npos);
}

TEST_F(CliTest, ApplyPutsAReferenceOrderBack)
{
    Write(Path("list.txt"), "# a package\n5;Sport 2;1-1-101\n1;news 0\n3;Nothing\n4;Movie 2\n4;MOVIE 2;;\n");
    const Result text = Cli({ "apply", Path("sample.bin"), Path("list.txt"), "-o", Path("out.bin") });
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.rfind("satellite: 2 \"HOTBIRD 13E\"\n"
                             "tv: 3 matched, 0 not found, 0 fitting several, 0 repeated, 253 not in the reference\n"
                             "tv: not in the reference: 4 \"Kids 3\"\n",
                  0),
        0u)
        << text.out;
    EXPECT_NE(text.out.find("tv: not in the reference: ... and 233 more\n"), std::string::npos);
    EXPECT_NE(text.out.find("tv or radio: 1 not found, 0 fitting several, 1 repeated\n"
                            "tv or radio: not found: line 4 \"Nothing\"\n"
                            "tv or radio: repeated: line 6 \"MOVIE 2\", the program of line 5\n"),
        std::string::npos);
    EXPECT_EQ(text.err.substr(text.err.rfind("tavrel-cli:")),
        "tavrel-cli: " + Path("list.txt") + ": 5 rows read, 2 moved, 0 renamed, 0 locks and 0 favourites changed, "
            "0 deleted, 2 not placed; " + Path("out.bin") + " written (1048576 bytes)\n");
    EXPECT_EQ(Cli({ "diff", Path("sample.bin"), Path("out.bin") }).out, "tv: moved 2 -> 3 \"Sport 1\"\n");

    // The image saved before is the reference that undoes it all.
    const Result back = Cli({ "apply", Path("out.bin"), Path("sample.bin"), "-o", Path("back.bin"), "--format", "json" });
    EXPECT_EQ(back.status, 0);
    EXPECT_TRUE(Read(Path("back.bin")) == Read(Path("sample.bin")));
    EXPECT_NE(back.out.find("{\"table\": \"radio\", \"matched\": [{\"row\": \"radio 1\", \"name\": \"Pop 4\", "
                            "\"program\": {\"number\": 1, \"name\": \"Pop 4\"}}, "),
        std::string::npos);
    EXPECT_NE(back.out.find("\"not_found\": [], \"ambiguous\": [], \"repeated\": [], \"unlisted\": []}"),
        std::string::npos);
    const Result json = Cli({ "apply", Path("sample.bin"), Path("list.txt"), "--dry-run", "--format", "json" });
    EXPECT_NE(json.out.find("{\"table\": \"tv or radio\", \"matched\": [], \"not_found\": [{\"row\": \"line 4\", "
                            "\"name\": \"Nothing\"}], \"ambiguous\": [], \"repeated\": [{\"row\": \"line 6\", \"name\": "
                            "\"MOVIE 2\", \"earlier\": \"line 5\"}], \"unlisted\": []}"),
        std::string::npos)
        << json.out;

    // A dry run, a refused list, an unknown option or satellite, or a
    // folder that is not there leave OUT as it was.
    const std::string written = Read(Path("out.bin"));
    Write(Path("bad.txt"), "1;One\nx;Two\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        { { Path("list.txt"), "-o", Path("out.bin"), "--dry-run" }, 0, "nothing is written\n" },
        { { Path("bad.txt"), "-o", Path("out.bin") }, 2, Path("bad.txt") + ": line 2: the number \"x\" is not a number\n" },
        { { Path("list.txt"), "-o", Path("out.bin"), "--carry", "order,colours" }, 2,
            "--carry takes order, names, favorites and locks, not order,colours\n" },
        { { Path("list.txt"), "-o", Path("out.bin"), "--satellite", "7" }, 2, "has no satellite \"7\"\n" },
        { { Path("list.txt") }, 2, "-o OUT is missing\n" },
        { { Path("list.txt"), "-o", Path("list.txt") }, 2, "nothing is written\n" },
        { { Path("list.txt"), "-o", Path("none/out.bin") }, 2, "No such file or directory\n" },
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = { "apply", Path("sample.bin") };
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Result result = Cli(args);
        EXPECT_EQ(result.status, c.status) << c.err;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
        EXPECT_TRUE(Read(Path("out.bin")) == written) << c.err;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 5);
}
