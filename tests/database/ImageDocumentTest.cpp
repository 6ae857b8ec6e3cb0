// The image as the user works on it: what opens, what is saved, when it is
// modified, and the history of changes.

#include "ImageBuilder.h"
#include "ImageDocument.h"
#include "ImageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
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

    static size_t FileSize(const std::string& path) { return fs::exists(path) ? fs::file_size(path) : 0; }

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
        EXPECT_EQ(doc.IsRawDump(), c.raw);
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
        EXPECT_EQ(FileSize(out), c.saved);
    }
}

TEST_F(ImageDocumentTest, ARefusedOpenOrAFailedSaveLeavesTheDocumentAsItWas)
{
    ImageDocument doc;
    std::string reason;
    const std::vector<uint8_t> image = Small(2).Build();
    ASSERT_EQ(doc.Open(Write("a.bin", image), reason), ImageDocument::OpenResult::Opened);
    ASSERT_TRUE(doc.Apply("flip", [](ChannelDatabase& db) {
        db.m_Image[0x30000] ^= 1;
        return true;
    }));
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
    EXPECT_EQ(doc.Undo(), ImageDocument::StepResult::Stepped);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Redo(), ImageDocument::StepResult::Stepped);
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
        ASSERT_TRUE(doc.Apply("edit", [](ChannelDatabase& db) {
            db.m_Image[0x30000] ^= 1;
            return true;
        }));

        EXPECT_EQ(doc.AdoptDump(c.flash), c.decodes);
        EXPECT_EQ(doc.IsRawDump(), !c.decodes);
        EXPECT_EQ(doc.UpgradeBytes().size(), c.flashBytes);
        EXPECT_TRUE(std::equal(doc.UpgradeBytes().begin(), doc.UpgradeBytes().end(), c.flash.begin()));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.HistorySize(), 0u);
        EXPECT_TRUE(doc.Path().empty());

        // A dump read into the image itself is adopted as it stands.
        EXPECT_EQ(doc.AdoptDump(doc.Image()), c.decodes);
        EXPECT_TRUE(std::equal(doc.UpgradeBytes().begin(), doc.UpgradeBytes().end(), c.flash.begin()));

        doc.Unload();
        EXPECT_TRUE(doc.UpgradeBytes().empty());
        EXPECT_FALSE(doc.Save(PathOf("out.bin"), reason));
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(ImageDocumentTest, History)
{
    ImageDocument doc;
    std::string reason;
    ASSERT_EQ(doc.Open(Write("a.bin", Small(2).Build()), reason), ImageDocument::OpenResult::Opened);
    const std::vector<uint8_t> original(doc.Image().begin(), doc.Image().end());
    const auto setByte = [](uint32_t offset, uint8_t value) {
        return [offset, value](ChannelDatabase& db) {
            db.m_Image[offset] = value;
            return true;
        };
    };
    using Step = ImageDocument::StepResult;
    const auto image = [&doc](uint32_t offset) { return doc.Image()[offset]; };

    // A refused change and one that changes nothing leave no step.
    EXPECT_FALSE(doc.Apply("refused", [](ChannelDatabase&) { return false; }));
    EXPECT_TRUE(doc.Apply("same", setByte(0x30000, original[0x30000])));
    EXPECT_EQ(doc.HistorySize(), 0u);
    EXPECT_EQ(doc.Undo(), Step::NothingToStep);
    EXPECT_EQ(doc.Redo(), Step::NothingToStep);

    // Each step keeps its description and the selection around it.
    ASSERT_TRUE(doc.Apply("first", setByte(0x30000, 1), { 7 }, [] { return std::vector<uint32_t> { 8 }; }));
    ASSERT_TRUE(doc.Apply("second", setByte(0x30001, 2)));
    EXPECT_EQ(doc.UndoStep()->description, "second");
    EXPECT_EQ(doc.RedoStep(), nullptr);
    EXPECT_EQ(doc.Undo(), Step::Stepped);
    EXPECT_EQ(image(0x30001), original[0x30001]);
    EXPECT_EQ(doc.RedoStep()->description, "second");
    EXPECT_EQ(doc.UndoStep()->description, "first");
    EXPECT_EQ(doc.UndoStep()->selectedBefore, std::vector<uint32_t> { 7 });
    EXPECT_EQ(doc.UndoStep()->selectedAfter, std::vector<uint32_t> { 8 });
    EXPECT_EQ(doc.Undo(), Step::Stepped);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), doc.Image().begin()));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Redo(), Step::Stepped);
    EXPECT_EQ(image(0x30000), 1);

    // A new change drops what could be redone.
    ASSERT_TRUE(doc.Apply("third", setByte(0x30002, 3)));
    EXPECT_EQ(doc.HistorySize(), 2u);
    EXPECT_EQ(doc.RedoStep(), nullptr);
    EXPECT_EQ(image(0x30001), original[0x30001]);

    // Bytes changed behind the history's back: the step is not flipped over them.
    doc.Database().m_Image[0x30002] = 9;
    EXPECT_EQ(doc.Undo(), Step::Diverged);
    EXPECT_EQ(doc.HistorySize(), 0u);
    EXPECT_EQ(image(0x30002), 9);

    // The oldest step goes once the history is full.
    for (size_t i = 0; i <= ImageDocument::HISTORY_LIMIT; ++i)
        ASSERT_TRUE(doc.Apply("step " + std::to_string(i), setByte(0x40000 + uint32_t(i), 0x42)));
    EXPECT_EQ(doc.HistorySize(), ImageDocument::HISTORY_LIMIT);
    while (doc.Undo() == Step::Stepped) {
    }
    EXPECT_EQ(image(0x40000), 0x42);
    EXPECT_EQ(image(0x40001), original[0x40001]);
    EXPECT_EQ(doc.RedoStep()->description, "step 1");
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
