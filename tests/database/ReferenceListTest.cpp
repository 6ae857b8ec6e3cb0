// Reference lists: reading them, matching their rows to an image's
// programs, and applying their order after a rescan.

#include "ChannelExport.h"
#include "CodePageText.h"
#include "ExchangeImages.h"
#include "ImageDocument.h"
#include "ImageFile.h"
#include "ReferencePlan.h"
#include "SampleImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

std::string NameOf(const ProgramRecord& prog, const CodePageText& names)
{
    return names.ToUtf8(prog.name, NAME_BYTES);
}

// Each row of the list as what it found: the program's name, or why not.
std::vector<std::string> Outcomes(const ReferencePlan& plan)
{
    std::vector<std::string> outcomes;
    for (const RowMatch& match : plan.matches) {
        switch (match.outcome) {
        case MatchOutcome::Matched:
            outcomes.emplace_back(plan.programs[match.target].Field(COLUMN_NAME));
            break;
        case MatchOutcome::Unmatched:
            outcomes.emplace_back("not found");
            break;
        case MatchOutcome::Ambiguous:
            outcomes.emplace_back("ambiguous");
            break;
        case MatchOutcome::Repeated:
            outcomes.push_back("repeats row " + std::to_string(match.earlier + 1));
            break;
        }
    }
    return outcomes;
}

struct Program {
    uint16_t satId;
    uint16_t tpId;
    uint16_t serviceId;
    std::string name; // UTF-8
};

std::vector<uint8_t> ImageOfPrograms(const std::vector<Program>& programs, const CodePageText& names)
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "ASTRA"));
    b.AddSatellite(MakeSatellite(2, "HOTBIRD"));
    b.AddTransponder(MakeTransponder(10, 1, 11700, 27500, 0));
    b.AddTransponder(MakeTransponder(20, 2, 12000, 27500, 1));
    for (const Program& p : programs) {
        ProgramRecord prog = MakeProgram(p.satId, p.tpId, p.serviceId, "", 0x101);
        const std::string bytes = *names.FromUtf8Exactly(p.name);
        std::memcpy(prog.name, bytes.data(), std::min(bytes.size(), NAME_BYTES));
        b.AddTv(prog);
    }
    return b.Build();
}

} // namespace

TEST(ReferenceList, RowsFindTheirPrograms)
{
    const std::vector<Program> western = {
        { 1, 10, 101, "One" },
        { 1, 10, 102, "Two" },
        { 1, 10, 103, "Shared A" },
        { 1, 10, 103, "Shared B" },
        { 1, 10, 104, "Sport   " },
        { 2, 20, 101, "Uno" },
        { 2, 20, 201, "Due" },
        { 1, 10, 105, "Twin" },
        { 1, 10, 106, "Twin" },
    };
    struct Case {
        const char* what;
        int codePage;
        std::vector<Program> programs;
        std::string list;
        std::vector<std::string> outcomes;
        uint16_t satellite;
    };
    const Case cases[] = {
        { "by service id", 1252, western, "1;Whatever;1-1-102\n", { "Two" }, 1 },
        { "a service id of two programs, told apart by name", 1252, western, "1;shared b;1-1-103\n", { "Shared B" }, 1 },
        { "trailing spaces and case", 1252, western, "1;SPORT;\n2;two  \n", { "Sport   ", "Two" }, 1 },
        { "a row repeated", 1252, western, "1;One;1-1-101\n2;One;1-1-101\n", { "One", "repeats row 1" }, 1 },
        { "no third field, on the other satellite", 1252, western, "7;Due\n", { "Due" }, 2 },
        { "the satellite most rows find", 1252, western, "1;x;1-1-101\n2;y;1-1-201\n", { "Uno", "Due" }, 2 },
        { "one name, several programs", 1252, western, "1;Twin\n2;Nothing\n", { "ambiguous", "not found" }, 1 },
        { "cut to 12 bytes in Windows-1251", 1251, { { 1, 10, 7, "Новости Мира" }, { 1, 10, 8, "Новости" } },
            "1;Новости Мира HD\n2;НОВОСТИ\n", { "Новости Мира", "Новости" }, 1 },
        { "cut at a double-byte boundary in code page 936", 936,
            { { 1, 10, 7, "ABC新闻频道" }, { 1, 10, 8, "ABC新闻频道高" } }, "1;ABC新闻频道高清\n",
            { "ABC新闻频道" }, 1 },
        { "the service id before the name", 1251, { { 1, 10, 7, "Новости Мира" }, { 1, 10, 8, "Спорт" } },
            "1;Новости Мира HD;1-1-8\n", { "Спорт" }, 1 },
    };
    for (const Case& c : cases) {
        const CodePageText names(c.codePage);
        const auto db = Decoded(ImageOfPrograms(c.programs, names));
        const ReferenceList list = ReferenceList::FromText(c.list, names);
        ASSERT_FALSE(list.Refused()) << c.what;
        const ReferencePlan plan = PlanReference(*db, list, {}, names);
        EXPECT_EQ(Outcomes(plan), c.outcomes) << c.what;
        EXPECT_EQ(plan.satellite, c.satellite) << c.what;
    }
}

TEST(ReferenceList, TextListsAreReadInEveryEncoding)
{
    struct Case {
        const char* what;
        std::string bytes;
        int codePage;
        std::vector<std::string> rows; // number|name|service id
        std::vector<std::string> problems; // errors, else remarks
    };
    const Case cases[] = {
        { "UTF-8 with a byte order mark", "\xEF\xBB\xBF" "12;News One HD;1-1070-28006\n", 1252,
            { "12|News One HD|28006" }, {} },
        { "CRLF, comments, blank lines and gaps", "# package\r\n\r\n10;B;1-1-2\r\n3;A\r\n \t\r\n#4;C\r\n11;D;;x;y",
            1252, { "3|A|", "10|B|2", "11|D|" }, {} },
        { "more fields after the third", "1;A;1-1-5;HD;extra", 1252, { "1|A|5" }, {} },
        { "UTF-8 in a Cyrillic code page", "1;Новости\n", 1251, { "1|Новости|" }, {} },
        { "Windows-1251", "1;\xCD\xEE\xE2\xEE\xF1\xF2\xE8\n", 1251, { "1|Новости|" },
            { "read as Windows-1251: the file is not UTF-8" } },
        { "code page 936", "1;\xD0\xC2\xCE\xC5\n", 936, { "1|新闻|" }, { "read as code page 936: the file is not UTF-8" } },
        { "UTF-16 little-endian", std::string("\xFF\xFE" "1\0;\0A\0", 8), 1252, { "1|A|" }, {} },
        { "malformed lines", "1;A\nx;B\n2\n3;C;1-2\n4;D;1-2-70000\n5;E\x1B\n", 1252, {},
            { "line 2: the number \"x\" is not a number", "line 3: \"2\" is not number;name;ONID-TSID-SID",
                "line 4: \"1-2\" is not ONID-TSID-SID, three numbers joined by '-'",
                "line 5: \"1-2-70000\" is not ONID-TSID-SID, three numbers joined by '-'",
                "line 6: the name \"E\\x1B\" holds the control character \\x1B" } },
    };
    for (const Case& c : cases) {
        const CodePageText names(c.codePage);
        const ReferenceList list = ReferenceList::FromFile(c.bytes, names);
        EXPECT_EQ(list.Kind(), ReferenceList::Source::Text) << c.what;
        EXPECT_EQ(ImportProblemLines(list.Refused() ? list.Errors() : list.Remarks()), c.problems) << c.what;
        if (list.Refused())
            continue;
        std::vector<std::string> rows;
        for (const ChannelRow& row : list.Rows())
            rows.push_back(std::string(row.Field(COLUMN_POSITION)) + "|" + std::string(row.Field(COLUMN_NAME)) + "|"
                + std::string(row.Field(COLUMN_SERVICE_ID)));
        EXPECT_EQ(rows, c.rows) << c.what;
    }
}

TEST(ReferenceList, ARescanGetsItsOrderNamesFavouritesAndLocksBack)
{
    const CodePageText& names = AnsiCodePageText();
    const std::vector<uint8_t> original = MakeSampleImage();
    const auto before = Decoded(original);
    // What a receiver's channel search makes of the list: its own order,
    // the names it hears, no favourites and no locks.
    auto Rescan = [&](const std::vector<uint16_t>& lost) {
        auto db = Decoded(original);
        if (!lost.empty())
            db->DeletePrograms(lost, LIST_PROGRAMS, 0);
        db->DecodeDatabase();
        std::mt19937 random(4);
        for (const auto& [kind, count] : { std::pair(REORDER_TV, db->m_nTvCount), std::pair(REORDER_RADIO, db->m_nRadioCount) }) {
            std::vector<uint16_t> order(count);
            std::iota(order.begin(), order.end(), uint16_t(0));
            std::shuffle(order.begin(), order.end(), random);
            EXPECT_EQ(db->ReorderRecords(kind, order), 1);
            db->DecodeDatabase();
        }
        for (const int tab : { 0, 1 }) {
            const ProgramRecord* table = tab == 0 ? db->m_TvTable : db->m_RadioTable;
            for (uint16_t i = 0; i < (tab == 0 ? db->m_nTvCount : db->m_nRadioCount); ++i) {
                ProgramRecord prog = table[i];
                if (i % 5 == 0)
                    std::strcpy(prog.name, "SCANNED");
                prog.favoriteBits = 0;
                prog.lockBit = 1;
                db->WriteProgram(prog, tab);
            }
        }
        db->DecodeDatabase();
        return db;
    };

    char path[] = "/tmp/tavrel-rescan-XXXXXX";
    const int file = mkstemp(path);
    ASSERT_GE(file, 0);
    close(file);
    std::string reason;
    ASSERT_TRUE(WriteImageFile(path, ImageOf(*Rescan({})), reason));
    ImageDocument document;
    ASSERT_EQ(document.Open(path, reason), ImageDocument::OpenResult::Opened);
    std::remove(path);
    const std::vector<uint8_t> scanned(document.Image().begin(), document.Image().end());
    const ReferenceList reference = ReferenceList::FromImage(*before, names);
    ReferenceOptions options;
    options.carry = CARRY_ORDER | CARRY_NAMES | CARRY_FAVORITES | CARRY_LOCKS;
    const ReferencePlan plan = PlanReference(document.Database(), reference, options, names);
    EXPECT_EQ(plan.Matched(), reference.Rows().size());
    ASSERT_TRUE(document.Apply("Apply reference list sample.bin", ImageEdit::Import(plan.changes)));
    const ChannelDatabase& db = document.Database();
    for (const int table : { TABLE_TV, TABLE_RADIO })
        EXPECT_EQ(ImageEntries(db, table), ImageEntries(*before, table)) << TableName(table);
    for (uint16_t i = 0; i < db.m_nTvCount; ++i)
        EXPECT_EQ(NameOf(db.m_TvTable[i], names), NameOf(before->m_TvTable[i], names));
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(std::equal(scanned.begin(), scanned.end(), document.Image().begin()));

    // The reference lacks two programs the scan found; the scan lost two
    // the reference lists.
    const std::vector<uint16_t> unknown = { 3, 8 };
    auto older = Decoded(original);
    older->DeletePrograms(unknown, LIST_PROGRAMS, 0);
    older->DecodeDatabase();
    const auto rescanned = Rescan({ 0, 20 });
    const ReferenceList olderList = ReferenceList::FromImage(*older, names);
    const ReferencePlan partial = PlanReference(*rescanned, olderList, options, names);
    const ReferencePlan::Table& tv = partial.TableOf(TABLE_TV);
    std::vector<std::string> missing;
    for (const size_t row : tv.notFound)
        missing.emplace_back(olderList.Rows()[row].Field(COLUMN_NAME));
    EXPECT_EQ(missing, (std::vector<std::string> { NameOf(before->m_TvTable[0], names), NameOf(before->m_TvTable[20], names) }));
    ASSERT_EQ(tv.unlisted.size(), 2u);
    ASSERT_TRUE(ApplyImport(*rescanned, partial.changes));
    // The two the reference does not know follow, in scan order.
    std::vector<uint32_t> last;
    for (uint16_t i = rescanned->m_nTvCount - 2; i < rescanned->m_nTvCount; ++i)
        last.push_back(EntryOffset(rescanned->m_TvTable[i].entry));
    std::vector<uint32_t> expected;
    for (const size_t k : tv.unlisted)
        expected.push_back(*ParseNumber(partial.programs[k].Field(COLUMN_OFFSET)));
    EXPECT_EQ(last, expected);
    std::vector<uint32_t> unknownOffsets;
    for (const uint16_t row : unknown)
        unknownOffsets.push_back(EntryOffset(before->m_TvTable[row].entry));
    std::sort(last.begin(), last.end());
    EXPECT_EQ(last, unknownOffsets);
}
