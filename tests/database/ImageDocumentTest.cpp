// The image as the user works on it: what opens, what is saved, when it is
// modified, and the history of changes.

#include "ChannelExport.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "ExchangeImages.h"
#include "ImageBuilder.h"
#include "ImageDocument.h"
#include "ImageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ImageDocumentTest : public ::testing::Test {
protected:
    ImageDocumentTest()
    {
        std::string pattern = (fs::temp_directory_path() / "tavrel-document-XXXXXX").string();
        m_strFolder = mkdtemp(pattern.data());
    }
    ~ImageDocumentTest() override { fs::remove_all(m_strFolder); }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const
    {
        const std::string path = m_strFolder + "/" + name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
        return path;
    }

    std::string PathOf(const std::string& name) const { return m_strFolder + "/" + name; }

    static std::vector<uint8_t> Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
    }

    std::string m_strFolder;
};

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t length)
{
    bytes.resize(length);
    return bytes;
}

// A small image with one satellite, one transponder and two TV programs.
ImageBuilder Small(int flashType)
{
    ImageBuilder b(flashType);
    b.AddSatellite(MakeSatellite(1, "Astra"));
    b.AddTransponder(MakeTransponder(10, 1, 11000));
    b.AddTv(MakeProgram(1, 10, 100, "One", 0x100));
    b.AddTv(MakeProgram(1, 10, 101, "Two", 0x101));
    return b;
}

constexpr size_t HALF = IMAGE_SIZE / 2;

ProgramRecord Renamed(const ImageDocument& doc, const char* name)
{
    ProgramRecord prog = doc.Database().m_TvTable[0];
    std::snprintf(prog.name, sizeof prog.name, "%s", name);
    return prog;
}

// A change of a record the image holds; none when the table it chose is empty.
std::optional<ImageEdit> RandomEdit(const ChannelDatabase& db, std::mt19937& r)
{
    const unsigned kind = r() % 4;
    if (kind == 0 && db.m_nTvCount > 0) {
        ProgramRecord prog = db.m_TvTable[r() % db.m_nTvCount];
        prog.name[0] = static_cast<char>('a' + r() % 26);
        prog.favoriteBits = static_cast<uint8_t>(r() & 0x7E);
        return ImageEdit::WriteProgram(TABLE_TV, prog);
    }
    if (kind == 1 && db.m_nSatCount > 0) {
        SatelliteRecord sat = db.m_SatTable[r() % db.m_nSatCount];
        sat.longitude = static_cast<uint16_t>(r() % 3600);
        return ImageEdit::WriteSatellite(sat);
    }
    if (kind == 2 && db.m_nTpCount > 0 && db.m_nTvCount > 0)
        return ImageEdit::Delete({ { TABLE_TRANSPONDERS, EntryOffset(db.m_TpTable[r() % db.m_nTpCount].entry) },
            { TABLE_TV, EntryOffset(db.m_TvTable[r() % db.m_nTvCount].entry) } });
    if (kind == 3) {
        std::vector<uint32_t> order;
        for (uint16_t i = 0; i < db.m_nSatCount; ++i)
            order.push_back(EntryOffset(db.m_SatTable[i].entry));
        std::shuffle(order.begin(), order.end(), r);
        if (!order.empty())
            return ImageEdit::Reorder({ LIST_SATELLITES, 0, 0, 0 }, order, { order.front() });
    }
    return std::nullopt;
}

// What the document tells its listener, in order.
class ChangeLog : public ImageDocument::Listener {
public:
    std::vector<std::string> events;
    std::vector<uint32_t> records;

    void ImageAboutToChange() override { events.push_back("about"); }
    void ImageChanged(const ImageDocument::Change& change) override
    {
        events.push_back(change.kind == ImageDocument::Change::Kind::Edited ? "edited"
                : change.kind == ImageDocument::Change::Kind::Replaced      ? "replaced"
                                                                            : "unloaded");
        records = change.records;
    }
    void ModifiedChanged(bool modified) override { events.push_back(modified ? "modified" : "unmodified"); }
    void HistoryChanged() override { events.push_back("history"); }
};

} // namespace

TEST_F(ImageDocumentTest, OpenSaveAndModified)
{
    using Result = ImageDocument::OpenResult;
    const std::vector<uint8_t> small = Small(1).Build();
    const std::vector<uint8_t> large = Small(2).Build();
    ASSERT_EQ(Small(1).FlashSize(), HALF);
    ASSERT_EQ(Small(2).FlashSize(), IMAGE_SIZE);
    const std::vector<uint8_t> garbage(HALF, 0x5A);

    struct Case {
        const char* what;
        std::string path;
        bool keepUndecoded;
        Result result;
        bool loaded;
        bool raw;
        size_t fileLength;
        // What Save writes, 0 when it refuses.
        size_t saved;
    };
    const Case cases[] = {
        // A 1 MiB file of a 512 KiB flash is saved as the flash: the upper half is no part of it.
        { "whole file, half flash", Write("a.bin", small), false, Result::Opened, true, false, IMAGE_SIZE, HALF },
        { "half file, half flash", Write("b.bin", Cut(small, HALF)), false, Result::Opened, true, false, HALF, HALF },
        { "whole flash", Write("c.bin", large), false, Result::Opened, true, false, IMAGE_SIZE, IMAGE_SIZE },
        { "exactly 1 MiB is accepted", Write("d.bin", std::vector<uint8_t>(IMAGE_SIZE)), true, Result::NotDecoded,
            true, true, IMAGE_SIZE, IMAGE_SIZE },
        { "one byte too many", Write("e.bin", std::vector<uint8_t>(IMAGE_SIZE + 1)), true, Result::TooLarge, false,
            false, 0, 0 },
        { "does not decode", Write("f.bin", garbage), false, Result::NotDecoded, false, false, 0, 0 },
        // Kept raw, it goes as it was read: nothing says where its flash ends.
        { "kept raw", Write("g.bin", garbage), true, Result::NotDecoded, true, true, HALF, HALF },
        { "no such file", PathOf("missing.bin"), false, Result::FileError, false, false, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImageDocument doc;
        std::string reason;
        EXPECT_EQ(doc.Open(c.path, reason, c.keepUndecoded), c.result);
        EXPECT_EQ(doc.IsLoaded(), c.loaded);
        EXPECT_EQ(doc.IsUndecoded(), c.raw);
        EXPECT_EQ(doc.IsDecoded(), c.loaded && !c.raw);
        EXPECT_EQ(doc.FileLength(), c.fileLength);
        EXPECT_EQ(doc.UpgradeBytes().size(), c.saved);
        EXPECT_EQ(c.result == Result::Opened, reason.empty()) << reason;
        EXPECT_FALSE(doc.IsModified());
        // Beyond a shorter file lies erased flash, whatever was there before.
        if (doc.IsLoaded()) {
            EXPECT_TRUE(std::all_of(doc.Image().begin() + long(c.fileLength), doc.Image().end(),
                [](uint8_t b) { return b == ERASED_FLASH; }));
        }

        const std::string out = PathOf("out.bin");
        fs::remove(out);
        EXPECT_EQ(doc.Save(out, reason), c.saved != 0);
        const std::vector<uint8_t> file = Read(c.path);
        EXPECT_EQ(Read(out), std::vector<uint8_t>(file.begin(), file.begin() + long(c.saved)));
    }
}

TEST_F(ImageDocumentTest, ARefusedOpenOrAFailedSaveLeavesTheDocumentAsItWas)
{
    ImageDocument doc;
    std::string reason;
    const std::vector<uint8_t> image = Small(2).Build();
    ASSERT_EQ(doc.Open(Write("a.bin", image), reason), ImageDocument::OpenResult::Opened);
    ASSERT_TRUE(doc.Apply("rename", ImageEdit::WriteProgram(TABLE_TV, Renamed(doc, "Uno"))));
    ASSERT_TRUE(doc.IsModified());

    EXPECT_EQ(doc.Open(Write("b.bin", std::vector<uint8_t>(HALF)), reason), ImageDocument::OpenResult::NotDecoded);
    EXPECT_EQ(reason, DecodeProblemText(DecodeProblem::NoSignature));
    EXPECT_EQ(doc.Open(PathOf("missing.bin"), reason), ImageDocument::OpenResult::FileError);
    EXPECT_FALSE(doc.Save(PathOf("no-such-folder/out.bin"), reason));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Path(), PathOf("a.bin"));
    EXPECT_EQ(doc.HistorySize(), 1u);

    // Saved, the image is what the file holds; undone, it differs again.
    EXPECT_TRUE(doc.Save(PathOf("saved.bin"), reason));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Path(), PathOf("saved.bin"));
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.Redo());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ImageDocumentTest, ADumpReplacesTheImageAndEndsItsHistory)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> flash;
        bool decodes;
        size_t flashBytes;
    };
    const Case cases[] = {
        { "decodes", Small(1).Build(), true, HALF },
        { "does not decode", std::vector<uint8_t>(IMAGE_SIZE, 0x33), false, IMAGE_SIZE },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImageDocument doc;
        std::string reason;
        ASSERT_EQ(doc.Open(Write("a.bin", Small(2).Build()), reason), ImageDocument::OpenResult::Opened);
        ASSERT_TRUE(doc.Apply("edit", ImageEdit::WriteProgram(TABLE_TV, Renamed(doc, "Uno"))));
        ChangeLog log;
        doc.SetListener(&log);

        EXPECT_EQ(doc.AdoptDump(c.flash), c.decodes);
        EXPECT_EQ(log.events, (std::vector<std::string> { "replaced", "unmodified", "history" }));
        EXPECT_EQ(doc.IsUndecoded(), !c.decodes);
        EXPECT_EQ(doc.UpgradeBytes().size(), c.flashBytes);
        EXPECT_TRUE(std::equal(doc.UpgradeBytes().begin(), doc.UpgradeBytes().end(), c.flash.begin()));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.HistorySize(), 0u);
        EXPECT_TRUE(doc.Path().empty());
        // An undecoded image takes no edit.
        EXPECT_EQ(doc.Apply("edit", ImageEdit::Delete({ { TABLE_SATELLITES, 0 } })), c.decodes);

        // A dump read into the image itself is adopted as it stands.
        EXPECT_EQ(doc.AdoptDump(doc.Image()), c.decodes);
        EXPECT_TRUE(std::equal(doc.UpgradeBytes().begin(), doc.UpgradeBytes().end(), c.flash.begin()));
        // Decoded or not, it is saved as it came.
        ASSERT_TRUE(doc.Save(PathOf("dump.bin"), reason));
        EXPECT_EQ(Read(PathOf("dump.bin")), std::vector<uint8_t>(c.flash.begin(), c.flash.begin() + long(c.flashBytes)));

        doc.Unload();
        EXPECT_EQ(log.events.back(), "history");
        EXPECT_TRUE(std::all_of(doc.Image().begin(), doc.Image().end(), [](uint8_t b) { return b == 0; }));
        EXPECT_EQ(doc.Database().m_nTvCount, 0);
        EXPECT_TRUE(doc.UpgradeBytes().empty());
        EXPECT_FALSE(doc.Save(PathOf("out.bin"), reason));
        EXPECT_FALSE(doc.IsModified());
        doc.SetListener(nullptr);
    }
}

// Every kind of edit, applied through the document: it becomes one step,
// names the records it touched, and undo and redo give back the image byte
// for byte.
TEST_F(ImageDocumentTest, EachEditIsOneStepThatUndoAndRedoRestore)
{
    ImageBuilder b;
    const uint32_t astra = b.AddSatellite(MakeSatellite(1, "Astra"));
    const uint32_t hotbird = b.AddSatellite(MakeSatellite(2, "Hotbird"));
    const uint32_t tp10 = b.AddTransponder(MakeTransponder(10, 1, 11000));
    const uint32_t tp11 = b.AddTransponder(MakeTransponder(11, 1, 11100));
    b.AddTransponder(MakeTransponder(20, 2, 12000));
    const uint32_t one = b.AddTv(MakeProgram(1, 10, 100, "One", 0x100));
    const uint32_t two = b.AddTv(MakeProgram(1, 10, 101, "Two", 0x101));
    const uint32_t three = b.AddTv(MakeProgram(2, 20, 102, "Three", 0x102));
    const uint32_t radio = b.AddRadio(MakeProgram(1, 11, 103, "Radio", 0));
    // On a transponder no table lists: the repair removes it.
    const uint32_t orphan = b.AddTv(MakeProgram(1, 99, 104, "Orphan", 0x104));

    ImageDocument doc;
    std::string reason;
    ASSERT_EQ(doc.Open(Write("a.bin", b.Build()), reason), ImageDocument::OpenResult::Opened);
    const ChannelDatabase& db = doc.Database();
    ListRepair::Report repaired;
    const std::string csv = ExportCsv(db, PROGRAM_TABLES, AnsiCodePageText());
    std::string renamedCsv = csv;
    renamedCsv.replace(renamedCsv.find("Two"), 3, "Dos");
    const ImportPlan plan = PlanImport(db, renamedCsv, {}, AnsiCodePageText());
    ASSERT_FALSE(plan.Refused());

    SatelliteRecord sat = db.m_SatTable[1];
    sat.longitude = 130;
    TransponderRecord tp = db.m_TpTable[0];
    tp.symbolRate = 22000;
    ProgramRecord locked = db.m_TvTable[1];
    locked.lockBit = 0;
    struct Case {
        const char* what;
        ImageEdit edit;
        std::vector<uint32_t> touched;
    };
    const Case cases[] = {
        { "satellite", ImageEdit::WriteSatellite(sat), { hotbird } },
        { "transponder", ImageEdit::WriteTransponder(tp), { tp10 } },
        { "program", ImageEdit::WriteProgram(TABLE_TV, Renamed(doc, "Uno")), { one } },
        { "flags", ImageEdit::WriteProgramFlags({ { TABLE_TV, locked } }), { two } },
        { "delete with cascade", ImageEdit::Delete({ { TABLE_SATELLITES, hotbird }, { TABLE_RADIO, radio } }),
            { hotbird, radio } },
        { "move programs", ImageEdit::Reorder({ LIST_PROGRAMS, 0, 0, 0 }, { three, one, orphan, two }, { three }),
            { three } },
        { "move transponders", ImageEdit::Reorder({ LIST_TRANSPONDERS, 0, astra, 0 }, { tp11, tp10 }, { tp11 }),
            { tp11 } },
        { "move a transponder's programs",
            ImageEdit::Reorder({ LIST_TP_PROGRAMS, 0, astra, tp10 }, { two, one }, { two }), { two } },
        { "import", ImageEdit::Import(plan), { two } },
        { "repair", ImageEdit::Repair(REPAIR_ORPHANS, AnsiCodePageText(), repaired), { orphan } },
    };
    const std::vector<uint8_t> original(doc.Image().begin(), doc.Image().end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChangeLog log;
        doc.SetListener(&log);
        ASSERT_TRUE(doc.Apply(c.what, c.edit));
        const std::vector<uint8_t> edited(doc.Image().begin(), doc.Image().end());
        EXPECT_NE(edited, original);
        EXPECT_EQ(log.events, (std::vector<std::string> { "about", "edited", "modified", "history" }));
        EXPECT_EQ(log.records, c.touched);
        EXPECT_EQ(doc.UndoStep()->description, c.what);

        log.events.clear();
        ASSERT_TRUE(doc.Undo());
        EXPECT_TRUE(std::equal(original.begin(), original.end(), doc.Image().begin()));
        EXPECT_EQ(log.events, (std::vector<std::string> { "about", "edited", "unmodified", "history" }));
        EXPECT_EQ(log.records, c.touched);
        ASSERT_TRUE(doc.Redo());
        EXPECT_TRUE(std::equal(edited.begin(), edited.end(), doc.Image().begin()));
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.HistorySize(), 1u);
        doc.SetListener(nullptr);
    }
    EXPECT_EQ(repaired.deleted.size(), 1u);

    // A refused edit leaves no trace: a move that leaves a record out, a
    // record no table lists.
    EXPECT_FALSE(doc.Apply("move", ImageEdit::Reorder({ LIST_PROGRAMS, 0, 0, 0 }, { one, two }, {})));
    EXPECT_FALSE(doc.Apply("write", ImageEdit::WriteSatellite(MakeSatellite(7, "Nowhere"))));
    EXPECT_TRUE(std::equal(original.begin(), original.end(), doc.Image().begin()));
    EXPECT_EQ(doc.HistorySize(), 1u);
}

TEST_F(ImageDocumentTest, History)
{
    ImageDocument doc;
    std::string reason;
    ASSERT_EQ(doc.Open(Write("a.bin", Small(2).Build()), reason), ImageDocument::OpenResult::Opened);
    const std::vector<uint8_t> original(doc.Image().begin(), doc.Image().end());
    const auto rename = [&doc](const char* name) { return ImageEdit::WriteProgram(TABLE_TV, Renamed(doc, name)); };
    const auto name = [&doc] { return std::string(doc.Database().m_TvTable[0].name); };

    // An edit that changes nothing leaves no step.
    EXPECT_TRUE(doc.Apply("same", rename("One")));
    EXPECT_EQ(doc.HistorySize(), 0u);
    EXPECT_FALSE(doc.Undo());
    EXPECT_FALSE(doc.Redo());

    ASSERT_TRUE(doc.Apply("first", rename("Uno")));
    ASSERT_TRUE(doc.Apply("second", rename("Eins")));
    EXPECT_EQ(doc.UndoStep()->description, "second");
    EXPECT_EQ(doc.RedoStep(), nullptr);
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(name(), "Uno");
    EXPECT_EQ(doc.RedoStep()->description, "second");
    EXPECT_EQ(doc.UndoStep()->description, "first");
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(std::equal(original.begin(), original.end(), doc.Image().begin()));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.Redo());
    EXPECT_EQ(name(), "Uno");

    // A new change drops what could be redone.
    ASSERT_TRUE(doc.Apply("third", rename("Une")));
    EXPECT_EQ(doc.HistorySize(), 2u);
    EXPECT_EQ(doc.RedoStep(), nullptr);

    // The oldest step goes once the history is full.
    for (size_t i = 0; i <= ImageDocument::HISTORY_LIMIT; ++i)
        ASSERT_TRUE(doc.Apply("step " + std::to_string(i), rename(i % 2 ? "Odd" : "Even")));
    EXPECT_EQ(doc.HistorySize(), ImageDocument::HISTORY_LIMIT);
    while (doc.Undo()) {
    }
    EXPECT_EQ(name(), "Even");
    EXPECT_EQ(doc.RedoStep()->description, "step 1");
}

// Random edits, undos and redos: each state the history comes back to is
// the image byte for byte.
TEST_F(ImageDocumentTest, AnyWalkThroughTheHistoryGivesEachImageBack)
{
    for (const unsigned seed : { 1u, 2u, 3u, 4u, 5u }) {
        std::mt19937 r(seed);
        ImageDocument doc;
        std::string reason;
        ASSERT_EQ(doc.Open(Write("walk.bin", RandomImage(seed)), reason), ImageDocument::OpenResult::Opened);
        const auto bytes = [&doc] { return std::vector<uint8_t>(doc.Image().begin(), doc.Image().end()); };
        std::vector<std::vector<uint8_t>> states { bytes() };
        size_t now = 0;
        for (int step = 0; step < 60; ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            const unsigned what = r() % 6;
            if (what == 0 && now > 0) {
                ASSERT_TRUE(doc.Undo());
                --now;
            } else if (what == 1 && now + 1 < states.size()) {
                ASSERT_TRUE(doc.Redo());
                ++now;
            } else if (const std::optional<ImageEdit> edit = RandomEdit(doc.Database(), r);
                       edit && doc.Apply("edit", *edit) && bytes() != states[now]) {
                states.resize(++now);
                states.push_back(bytes());
            }
            ASSERT_EQ(bytes(), states[now]);
            EXPECT_EQ(doc.UndoStep() != nullptr, now > 0);
            EXPECT_EQ(doc.RedoStep() != nullptr, now + 1 < states.size());
            EXPECT_EQ(doc.HistorySize(), states.size() - 1);
        }
    }
}

TEST(DecodeProblemOf, NamesTheTableOfATableProblem)
{
    const auto db = std::make_unique<ChannelDatabase>();
    db->m_DecodeProblem = DecodeProblem::TableTooLarge;
    db->m_nProblemTable = TABLE_TV;
    EXPECT_EQ(DecodeProblemOf(*db), std::string("table tv: ") + DecodeProblemText(DecodeProblem::TableTooLarge));
    db->m_nProblemTable = -1;
    EXPECT_EQ(DecodeProblemOf(*db), DecodeProblemText(DecodeProblem::TableTooLarge));
}
