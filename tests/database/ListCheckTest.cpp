// The list check against images made to hold one fault each, and the repair
// of duplicates and orphans.

#include "BigEndian.h"
#include "CodePageText.h"
#include "ExchangeImages.h"
#include "ListCheck.h"
#include "ListRepair.h"
#include "SampleImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace {

const CodePageText& Names()
{
    static const CodePageText names(1252);
    return names;
}

// One satellite with two transponders, one TV and one radio program: clean.
ImageBuilder CleanBuilder()
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "Astra"));
    b.AddTransponder(MakeTransponder(10, 1, 11778, 27500, 1));
    b.AddTransponder(MakeTransponder(11, 1, 12000));
    b.AddTv(MakeProgram(1, 10, 100, "One", 0x100));
    b.AddRadio(MakeProgram(1, 11, 200, "Two", 0));
    return b;
}

std::vector<Finding> Check(const ChannelDatabase& db)
{
    return ListCheck::Run(db, Names());
}

// The first entry of a table, as it stands in the image.
uint32_t FirstEntryAt(const ChannelDatabase& db, int tableId)
{
    return db.FindDirectoryTable(tableId) + DIRECTORY_HEADER_SIZE;
}

std::vector<uint8_t> WithFirstEntry(int tableId, uint32_t offset)
{
    auto db = Decoded(CleanBuilder().Build());
    WriteBE32(db->m_Image + FirstEntryAt(*db, tableId), offset);
    return ImageOf(*db);
}

} // namespace

TEST(ListCheck, EachKindIsFoundWithItsSeverityAndRecords)
{
    struct Case {
        const char* what;
        std::function<std::vector<uint8_t>()> image;
        FindingKind kind;
        Severity severity;
        std::vector<RecordRef> records;
    };
    auto built = [](std::function<void(ImageBuilder&)> add) {
        return [add] {
            ImageBuilder b = CleanBuilder();
            add(b);
            return b.Build();
        };
    };
    auto tooManyTv = [] {
        auto db = Decoded(CleanBuilder().Build());
        WriteBE32(db->m_Image + db->FindDirectoryTable(TABLE_TV) + 8, MAX_TV + 1);
        return ImageOf(*db);
    };
    const uint32_t block = CleanBuilder().DirectoryBlockOffset();
    const Case cases[] = {
        { "program of no satellite", built([](ImageBuilder& b) { b.AddTv(MakeProgram(9, 10, 101, "X", 0x101)); }),
            FindingKind::ProgramWithoutSatellite, Severity::Error, { { TABLE_TV, 1 } } },
        { "program of no transponder", built([](ImageBuilder& b) { b.AddRadio(MakeProgram(1, 99, 201, "Y", 0)); }),
            FindingKind::ProgramWithoutTransponder, Severity::Error, { { TABLE_RADIO, 1 } } },
        { "transponder of no satellite", built([](ImageBuilder& b) { b.AddTransponder(MakeTransponder(12, 7, 10700)); }),
            FindingKind::TransponderWithoutSatellite, Severity::Error, { { TABLE_TRANSPONDERS, 2 } } },
        { "satellite id twice", built([](ImageBuilder& b) { b.AddSatellite(MakeSatellite(1, "Hotbird")); }),
            FindingKind::SatelliteIdTwice, Severity::Error, { { TABLE_SATELLITES, 1 }, { TABLE_SATELLITES, 0 } } },
        { "transponder id twice across satellites", built([](ImageBuilder& b) {
             b.AddSatellite(MakeSatellite(2, "Hotbird"));
             b.AddTransponder(MakeTransponder(10, 2, 10900));
         }),
            FindingKind::TransponderIdTwice, Severity::Error,
            { { TABLE_TRANSPONDERS, 2 }, { TABLE_TRANSPONDERS, 0 } } },
        { "duplicate program", built([](ImageBuilder& b) { b.AddTv(MakeProgram(1, 10, 100, "One again", 0x200)); }),
            FindingKind::DuplicateProgram, Severity::Warning, { { TABLE_TV, 1 }, { TABLE_TV, 0 } } },
        { "duplicate transponder", built([](ImageBuilder& b) {
             b.AddTransponder(MakeTransponder(13, 1, 11778, 22000, 1));
         }),
            FindingKind::DuplicateTransponder, Severity::Warning,
            { { TABLE_TRANSPONDERS, 2 }, { TABLE_TRANSPONDERS, 0 } } },
        { "entry past the end of the image", [] { return WithFirstEntry(TABLE_RADIO, IMAGE_SIZE - 20); },
            FindingKind::EntryOutsideImage, Severity::Error, { { TABLE_RADIO, 0 } } },
        { "entry inside the directory block", [block] { return WithFirstEntry(TABLE_SATELLITES, block + 0x8000); },
            FindingKind::EntryInDirectoryBlock, Severity::Error, { { TABLE_SATELLITES, 0 } } },
        { "table over its capacity", tooManyTv, FindingKind::TableOverCapacity, Severity::Error, {} },
        { "control byte in a name", built([](ImageBuilder& b) { b.AddSatellite(MakeSatellite(2, "Ast\nra")); }),
            FindingKind::NameWithControlByte, Severity::Warning, { { TABLE_SATELLITES, 1 } } },
        { "byte the code page lacks", built([](ImageBuilder& b) { b.AddRadio(MakeProgram(1, 11, 202, "Ra\x81", 0)); }),
            FindingKind::NameOutsideCodePage, Severity::Warning, { { TABLE_RADIO, 1 } } },
        { "satellite without transponders", built([](ImageBuilder& b) { b.AddSatellite(MakeSatellite(2, "Empty")); }),
            FindingKind::SatelliteWithoutTransponders, Severity::Warning, { { TABLE_SATELLITES, 1 } } },
        { "transponder without programs", built([](ImageBuilder& b) { b.AddTransponder(MakeTransponder(12, 1, 10800)); }),
            FindingKind::TransponderWithoutPrograms, Severity::Warning, { { TABLE_TRANSPONDERS, 2 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto db = Decoded(c.image());
        ASSERT_TRUE(ListCheck::Checkable(*db));
        const std::vector<Finding> findings = Check(*db);
        const auto hit = std::find_if(findings.begin(), findings.end(), [&c](const Finding& f) { return f.kind == c.kind; });
        ASSERT_NE(hit, findings.end());
        EXPECT_EQ(hit->severity, c.severity);
        EXPECT_EQ(hit->records, c.records);
        const std::string text = hit->Text();
        EXPECT_EQ(text.find('\n'), std::string::npos) << text;
        EXPECT_FALSE(text.empty());
    }
}

TEST(ListCheck, CleanImagesGiveNoErrors)
{
    EXPECT_TRUE(Check(*Decoded(CleanBuilder().Build())).empty());
    for (const auto& image : { MakeSampleImage(), MakeCapacityImage() }) {
        const auto db = Decoded(image);
        ASSERT_EQ(db->m_DecodeProblem, DecodeProblem::None);
        EXPECT_EQ(ListCheck::CountErrors(Check(*db)), 0u);
    }
    // An image the loader does not recognise has no list to check.
    EXPECT_FALSE(ListCheck::Checkable(*Decoded(std::vector<uint8_t>(IMAGE_SIZE))));
}

TEST(ListCheck, RemembersNoIdOfTheImageCheckedBefore)
{
    ImageBuilder withIds = CleanBuilder();
    withIds.AddSatellite(MakeSatellite(9, "Hotbird"));
    withIds.AddTransponder(MakeTransponder(99, 9, 10900));
    withIds.AddTv(MakeProgram(9, 99, 300, "Known", 0x300));
    EXPECT_EQ(ListCheck::CountErrors(Check(*Decoded(withIds.Build()))), 0u);

    ImageBuilder withoutIds = CleanBuilder();
    withoutIds.AddTv(MakeProgram(9, 99, 300, "Lost", 0x300));
    std::vector<FindingKind> kinds;
    for (const Finding& finding : Check(*Decoded(withoutIds.Build())))
        kinds.push_back(finding.kind);
    EXPECT_EQ(kinds, (std::vector<FindingKind> { FindingKind::ProgramWithoutSatellite,
                         FindingKind::ProgramWithoutTransponder }));
}

namespace {

// Programs on two transponders with one id: removing a duplicate of them
// must not take the kept transponder's programs.
ImageBuilder FaultyBuilder()
{
    ImageBuilder b = CleanBuilder();
    b.AddTv(MakeProgram(1, 10, 100, "One twice", 0x100));      // duplicate of TV 1
    b.AddTv(MakeProgram(1, 10, 101, "Kept", 0x101));           // stays
    b.AddTv(MakeProgram(8, 10, 102, "No sat", 0x102));         // orphan
    b.AddRadio(MakeProgram(1, 77, 203, "No tp", 0));           // orphan
    b.AddTransponder(MakeTransponder(14, 1, 12000));           // duplicate of tp 11, with a program
    b.AddRadio(MakeProgram(1, 14, 204, "On dup tp", 0));       // goes with tp 14
    b.AddTransponder(MakeTransponder(15, 6, 11000));           // orphan, no programs
    b.AddTransponder(MakeTransponder(11, 1, 12000));           // duplicate of tp 11 sharing its id: kept
    return b;
}

std::set<DirectoryEntry> EntriesOf(const ChannelDatabase& db, int table)
{
    const std::vector<DirectoryEntry> entries = ImageEntries(db, table);
    return { entries.begin(), entries.end() };
}

} // namespace

TEST(ListCheck, WantedKindsAreTheWholeCheckFilteredInOrder)
{
    ImageBuilder b = FaultyBuilder();
    b.AddSatellite(MakeSatellite(1, "Twin\x81"));
    const auto db = Decoded(b.Build());
    const std::vector<Finding> all = Check(*db);
    FindingKinds wanted;
    wanted[size_t(FindingKind::DuplicateProgram)] = wanted[size_t(FindingKind::ProgramWithoutSatellite)]
        = wanted[size_t(FindingKind::NameOutsideCodePage)] = true;
    std::vector<std::string> expected;
    for (const Finding& f : all)
        if (wanted[size_t(f.kind)])
            expected.push_back(f.Text());
    std::vector<std::string> found;
    for (const Finding& f : ListCheck::Run(*db, Names(), wanted))
        found.push_back(f.Text());
    EXPECT_EQ(found.size(), 3u);
    EXPECT_EQ(found, expected);
}

TEST(ListRepair, RemovesDuplicatesAndOrphansOnlyThroughTheDeletes)
{
    const auto before = Decoded(FaultyBuilder().Build());
    auto db = Decoded(FaultyBuilder().Build());
    const ListRepair::Report report = ListRepair::Run(*db, REPAIR_DUPLICATES | REPAIR_ORPHANS, Names());
    EXPECT_TRUE(report.complete);
    ASSERT_EQ(db->m_DecodeProblem, DecodeProblem::None);

    for (const Finding& f : Check(*db))
        EXPECT_TRUE(!IsOrphan(f.kind) && (!IsDuplicate(f.kind) || f.kind == FindingKind::DuplicateTransponder))
            << f.Text();
    EXPECT_EQ(report.kept.size(), 1u);
    EXPECT_EQ(report.deleted.size(), 6u); // 3 programs, 2 transponders, 1 program with its transponder

    // The tables keep what was not named, in order; only the directory block changed.
    EXPECT_EQ(db->m_nTvCount, 2);
    EXPECT_EQ(db->m_nRadioCount, 1);
    EXPECT_EQ(db->m_nTpCount, 3);
    EXPECT_STREQ(db->m_TvTable[1].name, "Kept");
    const uint32_t block = db->m_nDirBlockOffset;
    EXPECT_TRUE(std::equal(db->m_Image, db->m_Image + block, before->m_Image));
    EXPECT_TRUE(std::equal(db->m_Image + block + DIRECTORY_BLOCK_SIZE, db->m_Image + IMAGE_SIZE,
        before->m_Image + block + DIRECTORY_BLOCK_SIZE));
    for (int table = 0; table < TABLE_COUNT; ++table) {
        const std::set<DirectoryEntry> old = EntriesOf(*before, table);
        for (DirectoryEntry entry : EntriesOf(*db, table))
            EXPECT_TRUE(old.count(entry));
    }
}

TEST(ListRepair, OnlyTheChosenKindGoes)
{
    auto db = Decoded(FaultyBuilder().Build());
    ListRepair::Run(*db, REPAIR_ORPHANS, Names());
    const std::vector<Finding> findings = Check(*db);
    EXPECT_TRUE(std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return IsOrphan(f.kind); }));
    EXPECT_TRUE(std::any_of(findings.begin(), findings.end(),
        [](const Finding& f) { return f.kind == FindingKind::DuplicateProgram; }));

    // A clean list is left byte for byte.
    auto clean = Decoded(CleanBuilder().Build());
    const std::vector<uint8_t> image = ImageOf(*clean);
    const ListRepair::Report report = ListRepair::Run(*clean, REPAIR_DUPLICATES | REPAIR_ORPHANS, Names());
    EXPECT_TRUE(report.deleted.empty());
    EXPECT_EQ(ImageOf(*clean), image);
}
