#include "DumpArchive.h"
#include "FileSizeLimit.h"
#include "ImageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class ImageFileTest : public ::testing::Test {
protected:
    ImageFileTest()
    {
        std::string pattern = (fs::temp_directory_path() / "tavrel-imagefile-XXXXXX").string();
        m_strFolder = mkdtemp(pattern.data());
    }
    ~ImageFileTest() override { fs::remove_all(m_strFolder); }

    std::string PathOf(const std::string& name) const { return m_strFolder + "/" + name; }

    static void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    }

    static std::vector<uint8_t> ReadFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
    }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_strFolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string m_strFolder;
    const std::vector<uint8_t> m_Image = std::vector<uint8_t>(4096, 0x5A);
};

TEST_F(ImageFileTest, ReplacedFileKeepsItsModeOwnerAndLink)
{
    const std::string target = PathOf("target.bin");
    WriteFile(target, { 1, 2, 3 });
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(target.c_str(), 1234, 2345), 0);
    }
    const std::string link = PathOf("link.bin");
    fs::create_symlink("target.bin", link);

    std::string reason;
    ASSERT_TRUE(WriteImageFile(link, m_Image, reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(target), m_Image);
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 1234u);
        EXPECT_EQ(info.st_gid, 2345u);
    }
    EXPECT_EQ(Entries(), (std::vector<std::string> { "link.bin", "target.bin" }));
}

TEST_F(ImageFileTest, NothingOrSomethingOtherThanAFileIsNeverWritten)
{
    std::string reason;
    EXPECT_FALSE(WriteImageFile(PathOf("empty.bin"), {}, reason));
    EXPECT_FALSE(fs::exists(PathOf("empty.bin")));
    fs::create_directory(PathOf("folder"));
    EXPECT_FALSE(WriteImageFile(PathOf("folder"), m_Image, reason));
    EXPECT_EQ(reason, "Is a directory");
    EXPECT_FALSE(WriteImageFile(PathOf("no/such/folder.bin"), m_Image, reason));
    EXPECT_EQ(reason, "No such file or directory");

    // A write that fails part way, as on a full disk, keeps the old file and leaves nothing beside it.
    WriteFile(PathOf("old.bin"), { 1, 2, 3 });
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(WriteImageFile(PathOf("old.bin"), m_Image, reason));
    }
    EXPECT_EQ(ReadFile(PathOf("old.bin")), (std::vector<uint8_t> { 1, 2, 3 }));
    EXPECT_EQ(Entries(), (std::vector<std::string> { "folder", "old.bin" }));
}

TEST_F(ImageFileTest, EveryNameTheSystemTakesIsWritten)
{
    // The temporary name beside the target must fit as the target's does (255 bytes).
    for (const size_t length : { size_t(230), size_t(250), size_t(255) }) {
        const std::string name = std::string(length - 4, 'n') + ".bin";
        std::string reason;
        EXPECT_TRUE(WriteImageFile(PathOf(name), m_Image, reason)) << length << ": " << reason;
        EXPECT_TRUE(WriteImageFile(PathOf(name), m_Image, reason)) << length << ": " << reason;
        EXPECT_EQ(Entries(), std::vector<std::string> { name });
        fs::remove(PathOf(name));
    }
}

TEST_F(ImageFileTest, ReadingLeavesNoEarlierImageBehind)
{
    std::vector<uint8_t> image(0x100000, 0x11);
    PlaceImage(std::vector<uint8_t>(0x80000, 0x22), image.data());
    EXPECT_EQ(image[0x7FFFF], 0x22);
    EXPECT_EQ(image[0x80000], ERASED_FLASH);
    EXPECT_EQ(image[0xFFFFF], ERASED_FLASH);

    const std::string fifo = PathOf("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::vector<uint8_t> bytes;
    std::string reason;
    EXPECT_EQ(ReadImageFile(fifo, 0x100000, bytes, reason), ImageReadResult::Failed);
    EXPECT_EQ(reason, "Is a named pipe, not a file");
    EXPECT_EQ(ReadImageFile("/dev/null", 0x100000, bytes, reason), ImageReadResult::Failed);
    EXPECT_EQ(reason, "Is a device, not a file");
}

TEST_F(ImageFileTest, EveryDumpIsKeptUnderItsOwnName)
{
    const DumpArchive archive(PathOf("data/tavrel/dumps"));
    std::string first, second, reason;
    ASSERT_TRUE(archive.Keep(m_Image, first, reason)) << reason;
    ASSERT_TRUE(archive.Keep(std::vector<uint8_t>(16, 1), second, reason)) << reason;
    EXPECT_NE(first, second);
    EXPECT_EQ(fs::path(first).parent_path(), fs::path(archive.Folder()));
    EXPECT_EQ(fs::path(first).filename().string().rfind("dump-", 0), 0u);
    EXPECT_EQ(ReadFile(first), m_Image);
    EXPECT_EQ(ReadFile(second), std::vector<uint8_t>(16, 1));

    WriteFile(PathOf("blocked"), { 0 });
    const DumpArchive blocked(PathOf("blocked/dumps"));
    EXPECT_FALSE(blocked.Keep(m_Image, first, reason));
    EXPECT_FALSE(reason.empty());
}

TEST_F(ImageFileTest, DumpsKeptAtOnceByTwoProcessesAllSurvive)
{
    const DumpArchive archive(PathOf("dumps"));
    constexpr int KEEPS = 6;
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    const uint8_t mark = child == 0 ? 1 : 2;
    if (child == 0) {
        char go = 0;
        [[maybe_unused]] const ssize_t n = read(start[0], &go, 1);
    } else {
        [[maybe_unused]] const ssize_t n = write(start[1], "g", 1);
    }
    bool kept = true;
    for (int k = 0; k < KEEPS; ++k) {
        std::string path, reason;
        kept = archive.Keep(std::vector<uint8_t>(64, mark), path, reason) && kept;
    }
    if (child == 0)
        _exit(kept ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    close(start[0]);
    close(start[1]);
    ASSERT_TRUE(kept);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    int files[3] = {};
    for (const auto& entry : fs::directory_iterator(archive.Folder())) {
        ASSERT_EQ(entry.path().filename().string().rfind("dump-", 0), 0u) << entry.path();
        ++files[ReadFile(entry.path().string()).at(0)];
    }
    EXPECT_EQ(files[1], KEEPS);
    EXPECT_EQ(files[2], KEEPS);
}

TEST_F(ImageFileTest, DumpsGoToTheUsersDataFolder)
{
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string before = saved ? saved : "";
    setenv("XDG_DATA_HOME", m_strFolder.c_str(), 1);
    EXPECT_EQ(DumpArchive().Folder(), m_strFolder + "/tavrel/dumps");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    const char* home = std::getenv("HOME");
    EXPECT_EQ(DumpArchive().Folder(), std::string(home && *home ? home : ".") + "/.local/share/tavrel/dumps");
    if (saved)
        setenv("XDG_DATA_HOME", before.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

} // namespace
