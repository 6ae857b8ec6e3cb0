// Export and import of channel lists as CSV, by offset and by reference.

#include "ChannelExport.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "CsvText.h"
#include "ExchangeImages.h"
#include "SampleImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Records = std::vector<std::vector<std::string>>;

Records RecordsOf(const std::string& csv)
{
    return ParseCsv(csv).records;
}

std::string CsvOf(const Records& records)
{
    std::string text;
    for (const auto& record : records)
        AppendCsvRecord(text, record);
    return text;
}

// The records with one field changed; row 0 is the header.
Records With(Records records, size_t row, const std::string& column, const std::string& value)
{
    const auto& header = records.front();
    records[row][std::find(header.begin(), header.end(), column) - header.begin()] = value;
    return records;
}

// Fields of one row by their columns' names; row 0 is the header.
std::vector<std::string> Fields(const Records& records, size_t row, const std::vector<std::string>& columns)
{
    const auto& header = records.front();
    std::vector<std::string> fields;
    for (const std::string& column : columns)
        fields.push_back(records[row][size_t(std::find(header.begin(), header.end(), column) - header.begin())]);
    return fields;
}

std::vector<std::string> TableNames(const ChannelDatabase& db, int tableId)
{
    std::vector<std::string> names;
    const ProgramRecord* table = tableId == TABLE_TV ? db.m_TvTable : db.m_RadioTable;
    const uint16_t count = tableId == TABLE_TV ? db.m_nTvCount : db.m_nRadioCount;
    for (uint16_t i = 0; i < count; ++i)
        names.push_back(Western().ToUtf8(table[i].name, 12));
    return names;
}

// Plans and applies; the plan's errors when it is refused.
std::vector<std::string> Import(ChannelDatabase& db, const std::string& csv, ImportOptions options = {})
{
    const ImportPlan plan = PlanImport(db, csv, options, Western());
    if (plan.Refused())
        return ImportProblemLines(plan.errors);
    EXPECT_TRUE(ApplyImport(db, plan));
    EXPECT_EQ(db.DecodeDatabase(), 1);
    return {};
}

ImageBuilder TwoTransponders()
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "ASTRA"));
    b.AddTransponder(MakeTransponder(10, 1, 11700, 27500, 0));
    b.AddTransponder(MakeTransponder(11, 1, 11778, 27500, 1));
    return b;
}

} // namespace

TEST(CsvText, ReadsWhatSpreadsheetsSave)
{
    struct Case {
        const char* text;
        std::vector<std::vector<std::string>> records;
    };
    const Case cases[] = {
        { "a,b\r\n1,2\r\n", { { "a", "b" }, { "1", "2" } } },
        { "\xEF\xBB\xBF" "a,b\n1,2", { { "a", "b" }, { "1", "2" } } },
        { "a;b\r1;\"x;y\"\r", { { "a", "b" }, { "1", "x;y" } } },
        { "a,b\n\"News, late\",\"say \"\"hi\"\"\"\n", { { "a", "b" }, { "News, late", "say \"hi\"" } } },
        { "a\n\"two\r\nlines\"\n\n", { { "a" }, { "two\r\nlines" }, { "" } } },
        { "a,b\n,\n", { { "a", "b" }, { "", "" } } },
    };
    for (const Case& c : cases) {
        const CsvRecords parsed = ParseCsv(c.text);
        EXPECT_EQ(parsed.error, "") << c.text;
        EXPECT_EQ(parsed.records, c.records) << c.text;
    }
    EXPECT_EQ(ParseCsv("a\n\"open\n").error, "row 2: a quoted field is not closed");
    EXPECT_EQ(ParseCsv("a\n\"x\"y\n").error, "row 2: text follows a closing quote");
}

TEST(CsvImport, UnchangedExportGivesTheSameImage)
{
    std::vector<std::vector<uint8_t>> images { MakeSampleImage() };
    for (unsigned seed = 1; seed <= 40; ++seed)
        images.push_back(RandomImage(seed));
    for (size_t i = 0; i < images.size(); ++i) {
        auto db = Decoded(images[i]);
        const std::string csv = ExportCsv(*db, ALL_TABLES, Western());
        const ImportPlan plan = PlanImport(*db, csv, {}, Western());
        EXPECT_TRUE(plan.errors.empty()) << "image " << i << ": " << ImportProblemLine(plan.errors.front());
        EXPECT_TRUE(plan.ChangesNothing()) << "image " << i << ": " << plan.changes.front();
        EXPECT_EQ(ImportProblemLines(plan.remarks), std::vector<std::string>()) << "image " << i;
        ASSERT_TRUE(ApplyImport(*db, plan));
        EXPECT_TRUE(ImageOf(*db) == images[i]) << "image " << i;
    }
}

TEST(CsvImport, ReversedRowsReverseTheTable)
{
    for (unsigned seed = 1; seed <= 10; ++seed) {
        auto db = Decoded(RandomImage(seed));
        std::vector<std::string> before = TableNames(*db, TABLE_TV);
        Records records = RecordsOf(ExportCsv(*db, TableBit(TABLE_TV), Western()));
        std::reverse(records.begin() + 1, records.end());
        EXPECT_EQ(Import(*db, CsvOf(records)), std::vector<std::string>());
        std::reverse(before.begin(), before.end());
        EXPECT_EQ(TableNames(*db, TABLE_TV), before) << "seed " << seed;
    }
}

TEST(CsvImport, AppliesASpreadsheetsEdits)
{
    ImageBuilder b = TwoTransponders();
    b.AddTv(MakeProgram(1, 10, 101, "News, late", 0x101), 0x7F);
    // Locked, in Movies and News.
    b.AddTv(MakeProgram(1, 10, 102, "Sport", 0x102), 0x6C);
    b.AddTv(MakeProgram(1, 10, 103, "Movies", 0x103), 0xFF);
    b.AddRadio(MakeProgram(1, 11, 104, "Jazz", 0), 0x7F);
    auto db = Decoded(b.Build());
    const std::string csv = ExportCsv(*db, PROGRAM_TABLES, Western());
    ASSERT_NE(csv.find("\"News, late\""), std::string::npos);
    Records records = RecordsOf(csv);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(records[0].begin(), records[0].begin() + 4),
        (std::vector<std::string> { "table", "position", "offset", "name" }));
    EXPECT_EQ(Fields(records, 2, { "table", "position", "name", "child_lock", "favorites" }),
        (std::vector<std::string> { "tv", "2", "Sport", "1", "Movies/News" }));
    EXPECT_EQ(Fields(records, 4, { "table", "position" }), (std::vector<std::string> { "radio", "1" }));

    // Movies first, renamed, locked and in two groups; LF line ends and a
    // byte order mark, as some spreadsheets save.
    std::rotate(records.begin() + 1, records.begin() + 3, records.begin() + 4);
    records = With(records, 1, "name", "Films \u00e9t\u00e9");
    records = With(records, 1, "child_lock", "1");
    records = With(records, 1, "favorites", "Music/ sport/");
    std::string edited = "\xEF\xBB\xBF" + CsvOf(records);
    edited.erase(std::remove(edited.begin(), edited.end(), '\r'), edited.end());

    EXPECT_EQ(Import(*db, edited), std::vector<std::string>());
    EXPECT_EQ(TableNames(*db, TABLE_TV), (std::vector<std::string> { "Films \u00e9t\u00e9", "News, late", "Sport" }));
    EXPECT_EQ(TableNames(*db, TABLE_RADIO), std::vector<std::string> { "Jazz" });
    // Bit 7 kept, locked, in Music (bit 2) and Sport (bit 5).
    EXPECT_EQ(EntryAttribute(db->m_TvTable[0].entry), 0xDA);
}

TEST(CsvImport, RowsLeftOutFollowOrAreDeleted)
{
    ImageBuilder b = TwoTransponders();
    for (uint16_t i = 0; i < 5; ++i)
        b.AddTv(MakeProgram(1, 10, static_cast<uint16_t>(101 + i), std::string(1, char('A' + i)).c_str(), 0x101));
    // A TV-table record without video PID: the radio tab lists it.
    b.AddTv(MakeProgram(1, 10, 106, "F", 0));
    b.AddRadio(MakeProgram(1, 11, 201, "R", 0));
    const std::vector<uint8_t> image = b.Build();
    const Records records = RecordsOf(ExportCsv(*Decoded(image), PROGRAM_TABLES, Western()));
    // D, B, F listed.
    const std::string csv = CsvOf({ records[0], records[4], records[2], records[6] });

    auto db = Decoded(image);
    EXPECT_EQ(Import(*db, csv), std::vector<std::string>());
    EXPECT_EQ(TableNames(*db, TABLE_TV), (std::vector<std::string> { "D", "B", "F", "A", "C", "E" }));
    EXPECT_EQ(TableNames(*db, TABLE_RADIO), std::vector<std::string> { "R" });

    db = Decoded(image);
    ImportOptions options;
    options.deleteMissing = true;
    EXPECT_EQ(Import(*db, csv, options), std::vector<std::string>());
    EXPECT_EQ(TableNames(*db, TABLE_TV), (std::vector<std::string> { "D", "B", "F" }));
    // The CSV lists no program of the radio table: it says nothing about them.
    EXPECT_EQ(TableNames(*db, TABLE_RADIO), std::vector<std::string> { "R" });
}

TEST(CsvImport, AReferenceListOrdersAnotherImage)
{
    struct Channel {
        uint16_t serviceId;
        uint16_t tp;
        const char* name;
    };
    const Channel channels[] = { { 1, 10, "One" }, { 2, 10, "Two" }, { 3, 11, "Three" }, { 1, 11, "Other one" },
        { 4, 10, "Four" }, { 5, 10, "Five" } };
    // A lists the channels in its own order; B, another receiver's image,
    // holds them elsewhere, in another order, under other transponder ids,
    // renames one and lacks Five.
    ImageBuilder a = TwoTransponders();
    for (const int i : { 2, 0, 4, 3, 1, 5 })
        a.AddTv(MakeProgram(1, channels[i].tp, channels[i].serviceId, channels[i].name, 0x101));
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(7, "Astra 19.2E"));
    b.AddTransponder(MakeTransponder(50, 7, 11778, 27500, 1));
    b.AddTransponder(MakeTransponder(51, 7, 11700, 27500, 0));
    b.AddTv(MakeProgram(7, 51, 9, "Extra", 0x101));
    for (const int i : { 0, 1, 2, 3, 4 })
        b.AddTv(MakeProgram(7, channels[i].tp == 10 ? 51 : 50, channels[i].serviceId,
            i == 4 ? "Four HD" : channels[i].name, 0x101));

    const std::string reference = ExportCsv(*Decoded(a.Build()), TableBit(TABLE_TV), Western());
    auto db = Decoded(b.Build());
    ImportOptions options;
    options.match = MatchMode::Reference;
    const ImportPlan plan = PlanImport(*db, reference, options, Western());
    ASSERT_EQ(ImportProblemLines(plan.errors), std::vector<std::string>());
    EXPECT_EQ(ImportProblemLines(plan.notes), std::vector<std::string> { "row 7 \"Five\": no such program in the image" });
    ASSERT_TRUE(ApplyImport(*db, plan));
    EXPECT_EQ(TableNames(*db, TABLE_TV),
        (std::vector<std::string> { "Three", "One", "Four", "Other one", "Two", "Extra" }));
}

TEST(CsvImport, BadInputIsRefusedWhole)
{
    ImageBuilder b = TwoTransponders();
    b.AddTv(MakeProgram(1, 10, 101, "One", 0x101));
    b.AddTv(MakeProgram(1, 10, 102, "Two", 0x102));
    const std::vector<uint8_t> image = b.Build();
    auto db = Decoded(image);
    const Records records = RecordsOf(ExportCsv(*db, TableBit(TABLE_TV), Western()));
    const std::string one = OffsetText(EntryOffset(db->m_TvTable[0].entry));
    const std::string two = OffsetText(EntryOffset(db->m_TvTable[1].entry));
    Records tooWide = records;
    tooWide[1].push_back("x");

    struct Case {
        std::string csv;
        std::vector<std::string> errors;
    };
    const Case cases[] = {
        { "", { "the CSV is empty" } },
        { CsvOf(With(records, 0, "tp_id", "tp_number")), { "row 1: unknown column \"tp_number\"" } },
        { CsvOf(With(records, 0, "offset", "name")), { "row 1: the column \"name\" stands twice" } },
        { CsvOf(With(records, 0, "table", "kind")),
            { "row 1: unknown column \"kind\"", "row 1: the column \"table\" is missing" } },
        { CsvOf({ records[0], records[1], records[1] }),
            { "row 3: the offset " + one + " stands twice (also in row 2)" } },
        { CsvOf(With(records, 2, "name", "Dokumentation")),
            { "row 3: the name \"Dokumentation\" takes 13 bytes in code page 1252, more than the 12 that fit" } },
        { CsvOf(With(records, 2, "name", "\u4e2d")),
            { "row 3: the name \"\u4e2d\" has characters that code page 1252 lacks" } },
        { CsvOf(With(records, 2, "service_id", "555")),
            { "row 3: the program at offset " + two
                + " has service id 102, not 555; a list of another image is matched by reference" } },
        { CsvOf(With(records, 1, "table", "films")), { "row 2: unknown table \"films\"" } },
        { CsvOf(With(records, 1, "child_lock", "yes")), { "row 2: child_lock is \"yes\"; it is 1 for locked or 0" } },
        { CsvOf(With(records, 2, "name", "Two\nlines")),
            { "row 3: the name \"Two\\nlines\" holds the control character \\n; a name holds printable characters "
              "only" } },
        { CsvOf(With(records, 2, "name", "\x1B[2J")),
            { "row 3: the name \"\\x1B[2J\" holds the control character \\x1B; a name holds printable characters "
              "only" } },
        { CsvOf(With(records, 2, "name", "T\tab")),
            { "row 3: the name \"T\\tab\" holds the control character \\t; a name holds printable characters only" } },
        { CsvOf(With(records, 2, "name", "A\x01")),
            { "row 3: the name \"A\\x01\" holds the control character \\x01; a name holds printable characters "
              "only" } },
        { CsvOf(With(records, 2, "name", "Del\x7F")),
            { "row 3: the name \"Del\\x7F\" holds the control character \\x7F; a name holds printable characters "
              "only" } },
        { CsvOf(With(records, 2, "name", std::string("N\0l", 3))),
            { "row 3: the name \"N\\x00l\" holds the control character \\x00; a name holds printable characters "
              "only" } },
        { CsvOf({ records[0] }), {} },
        { "\xFF\xFEt\0a\0b", { "the file is UTF-16 little-endian and ends in the middle of a character" } },
        { CsvOf(tooWide), { "row 2: more fields than the header has columns" } },
    };
    ImportOptions deleteMissing;
    deleteMissing.deleteMissing = true;
    for (const Case& c : cases) {
        const bool headerOnly = c.errors.empty();
        const ImportPlan plan = PlanImport(*db, c.csv, headerOnly ? deleteMissing : ImportOptions(), Western());
        EXPECT_EQ(ImportProblemLines(plan.errors), headerOnly ? std::vector<std::string> { "the CSV lists no TV or radio program, and "
                                                                      "--delete-missing would delete them all" }
                                          : c.errors);
        EXPECT_FALSE(ApplyImport(*db, plan));
        EXPECT_TRUE(ImageOf(*db) == image);
    }
}

TEST(CsvImport, ReadsTheEncodingsSpreadsheetsSave)
{
    ImageBuilder b = TwoTransponders();
    b.AddTv(MakeProgram(1, 10, 101, "One", 0x101));
    auto utf16 = [](const std::u16string& text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t c : text) {
            const char high = char(c >> 8);
            const char low = char(c & 0xFF);
            bytes += bigEndian ? std::string { high, low } : std::string { low, high };
        }
        return bytes;
    };
    const auto db = Decoded(b.Build());
    const std::string offset = OffsetText(EntryOffset(db->m_TvTable[0].entry));
    const std::u16string offset16(offset.begin(), offset.end());
    const CodePageText cyrillic(1251);

    struct Case {
        const char* label;
        std::string csv;
        const CodePageText& names;
        std::string name;  // as the code page stores it
        std::vector<std::string> remarks;
    };
    const Case cases[] = {
        { "UTF-8", "table,offset,name\n" "tv," + offset + ",Caf\xC3\xA9\n", Western(), "Caf\xE9", {} },
        { "UTF-8 with BOM", "\xEF\xBB\xBFtable;offset;name\r\ntv;" + offset + ";Caf\xC3\xA9\r\n", Western(), "Caf\xE9",
            {} },
        { "UTF-16 LE, tabs", utf16(u"table\toffset\tname\r\ntv\t" + offset16 + u"\tCaf\u00E9\r\n", false), Western(),
            "Caf\xE9", {} },
        { "UTF-16 BE, tabs", utf16(u"table\toffset\tname\r\ntv\t" + offset16 + u"\t\u041C\u0438\u0440\r\n", true),
            cyrillic, "\xCC\xE8\xF0", {} },
        { "Windows-1252", "table;offset;name\r\ntv;" + offset + ";Caf\xE9\r\n", Western(), "Caf\xE9",
            { "read as Windows-1252: the file is not UTF-8" } },
        { "CP1251, tabs", "table\toffset\tname\ntv\t" + offset + "\t\xCC\xE8\xF0\n", cyrillic, "\xCC\xE8\xF0",
            { "read as Windows-1251: the file is not UTF-8" } },
    };
    for (const Case& c : cases) {
        auto copy = Decoded(ImageOf(*db));
        const ImportPlan plan = PlanImport(*copy, c.csv, {}, c.names);
        EXPECT_EQ(ImportProblemLines(plan.errors), std::vector<std::string>()) << c.label;
        EXPECT_EQ(ImportProblemLines(plan.remarks), c.remarks) << c.label;
        ASSERT_TRUE(ApplyImport(*copy, plan)) << c.label;
        EXPECT_EQ(std::string(copy->m_TvTable[0].name), c.name) << c.label;
    }

    // Refused, never guessed at: an encoding not read, or UTF-8 with a stray byte that would become mojibake.
    const std::string notRead = ", an encoding import does not read; it reads UTF-8, UTF-16 with a byte order mark, "
                                "and Windows-1252";
    const std::string strayByte = ": a byte that is not UTF-8, in a file that ";
    const std::string column = std::to_string(8 + offset.size());
    struct Refused {
        const char* label;
        std::string csv;
        std::string error;
    };
    const Refused refused[] = {
        { "UTF-16 LE without BOM", utf16(u"table,offset\r\n", false).substr(2),
            "the file is in UTF-16 without a byte order mark" + notRead },
        { "UTF-16 BE without BOM", utf16(u"table,offset\r\n", true).substr(2),
            "the file is in UTF-16 without a byte order mark" + notRead },
        { "UTF-32 LE", std::string("\xFF\xFE\0\0t\0\0\0a\0\0\0", 12), "the file is in UTF-32" + notRead },
        { "UTF-32 BE without BOM", std::string("\0\0\0t\0\0\0a", 8), "the file is in UTF-32" + notRead },
        { "UTF-8 BOM, one bad byte", "\xEF\xBB\xBFtable,offset,name\ntv," + offset + ",Caf\xE9 T\xE9l\xE9\n",
            "row 2, column " + column + strayByte + "begins with the UTF-8 byte order mark; save it as UTF-8 again" },
        { "UTF-8 with a stray byte", "table,offset,name\ntv," + offset + ",Caf\xE9 T\xC3\xA9l\xC3\xA9\n",
            "row 2, column " + column + strayByte + "holds UTF-8 characters elsewhere; save it as UTF-8 again" },
    };
    for (const Refused& r : refused) {
        const ImportPlan plan = PlanImport(*db, r.csv, {}, Western());
        EXPECT_EQ(ImportProblemLines(plan.errors), std::vector<std::string> { r.error }) << r.label;
    }
}

TEST(CsvImport, SaysWhatItDoesAndWhatItLeavesAlone)
{
    ImageBuilder b = TwoTransponders();
    for (uint16_t i = 0; i < 4; ++i)
        b.AddTv(MakeProgram(1, 10, uint16_t(101 + i), std::string(1, char('A' + i)).c_str(), 0x101));
    b.AddRadio(MakeProgram(1, 11, 201, "R", 0));
    const auto db = Decoded(b.Build());
    const Records records = RecordsOf(ExportCsv(*db, PROGRAM_TABLES, Western()));
    // D renamed, its video PID edited too; B and A swapped; C left out; R untouched.
    Records edited { records[0], records[4], records[2], records[1], records[5] };
    edited = With(edited, 1, "name", "Dee");
    edited = With(edited, 1, "video_pid", "999");
    edited = With(edited, 2, "video_pid", "998");
    edited = With(edited, 2, "child_lock", "1");

    ImportOptions options;
    options.deleteMissing = true;
    const ImportPlan plan = PlanImport(*db, CsvOf(edited), options, Western());
    ASSERT_EQ(ImportProblemLines(plan.errors), std::vector<std::string>());
    EXPECT_EQ(ImportProblemLines(plan.remarks),
        std::vector<std::string> { "video_pid differs in 2 rows; only table, offset, name, child_lock and favorites "
                                   "are applied" });
    EXPECT_EQ(plan.summary.Text(),
        "4 rows read, 2 moved, 1 renamed, 1 locks and 0 favourites changed, 1 deleted, 0 not placed");
    // Numbered by the places the programs take, as the diff of the result numbers them.
    EXPECT_NE(std::find(plan.changes.begin(), plan.changes.end(), "tv 1 \"D\": name \"D\" -> \"Dee\""),
        plan.changes.end());
    EXPECT_NE(std::find(plan.changes.begin(), plan.changes.end(), "tv 2 \"B\": child_lock \"0\" -> \"1\""),
        plan.changes.end());

    // A list of TV programs only deletes no radio program.
    const ImportPlan tvOnly = PlanImport(*db, CsvOf({ records[0], records[1] }), options, Western());
    EXPECT_EQ(tvOnly.summary.deleted, 3u);
    EXPECT_FALSE(tvOnly.radio.deleteUnlisted);
}

TEST(CsvImport, ChoosesReferenceForAnotherImagesList)
{
    ImageBuilder a = TwoTransponders();
    a.AddTv(MakeProgram(1, 10, 101, "One", 0x101));
    a.AddTv(MakeProgram(1, 10, 102, "Two", 0x102));
    ImageBuilder b = TwoTransponders();
    b.AddTv(MakeProgram(1, 10, 102, "Two", 0x102));
    b.AddTv(MakeProgram(1, 10, 101, "One", 0x101));
    auto db = Decoded(b.Build());
    ImportOptions options;
    options.chooseMatch = true;

    const ImportPlan own = PlanImport(*db, ExportCsv(*db, PROGRAM_TABLES, Western()), options, Western());
    EXPECT_EQ(own.match, MatchMode::Offset);
    const ImportPlan other = PlanImport(*db, ExportCsv(*Decoded(a.Build()), PROGRAM_TABLES, Western()), options,
        Western());
    EXPECT_EQ(other.match, MatchMode::Reference);
    ASSERT_TRUE(ApplyImport(*db, other));
    EXPECT_EQ(TableNames(*db, TABLE_TV), (std::vector<std::string> { "One", "Two" }));
}

TEST(CodePageText, ExactConversionRefusesWhatItCannotKeep)
{
    const CodePageText gbk(936);
    EXPECT_EQ(gbk.FromUtf8Exactly("\xE4\xB8\xAD" "A"), std::string("\xD6\xD0" "A"));
    EXPECT_EQ(gbk.FromUtf8Exactly("\xE2\x82\xAC"), std::string("\x80"));
    EXPECT_EQ(Western().FromUtf8Exactly("\xE4\xB8\xAD"), std::nullopt);
    EXPECT_EQ(Western().FromUtf8Exactly("\xC3"), std::nullopt) << "a cut UTF-8 sequence";
    EXPECT_EQ(Western().FromUtf8Exactly("\xED\xA0\x80"), std::nullopt) << "a surrogate";
    EXPECT_EQ(Western().FromUtf8Exactly(std::string("A\0B", 3)), std::nullopt);
    EXPECT_EQ(Western().ToUtf8("T\xE9l\xE9", 12), "T\xC3\xA9l\xC3\xA9");
}
