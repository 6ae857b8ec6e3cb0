// tavrel-cli's receiver commands against the virtual receiver, and its port list over a made-up /dev.

#include "ChannelDatabase.h"
#include "CliLink.h"
#include "CliRun.h"
#include "LoaderBlocks.h"
#include "LoaderSet.h"
#include "MakerBlocks.h"
#include "ProgressLine.h"
#include "SampleImage.h"
#include "SerialPorts.h"
#include "Sha256.h"
#include "VirtualReceiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <sys/stat.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

Bytes Flash(Bytes image)
{
    image.resize(IMAGE_SIZE, 0xFF);
    return image;
}

// The offset of the first occurrence of the text in the image.
long FindText(const Bytes& image, const std::string& text)
{
    const auto at = std::search(image.begin(), image.end(), text.begin(), text.end());
    return at == image.end() ? -1 : long(at - image.begin());
}

// The virtual receiver, playing its sessions on a thread of its own; with
// closeWhenDone it closes its line when they end, as the program does.
class Receiver {
public:
    explicit Receiver(VirtualReceiverOptions options, bool closeWhenDone = false)
        : m_Receiver(Quick(std::move(options)))
    {
        m_Receiver.SetReport([this](const std::string& text) {
            std::fprintf(stderr, "receiver: %s\n", text.c_str());
            if (text.find("stalled") != std::string::npos)
                m_bStalled = true;
        });
        if (m_Receiver.Open())
            m_Thread = std::thread([this, closeWhenDone] {
                m_Receiver.Run();
                if (closeWhenDone)
                    m_Receiver.HangUp();
            });
    }
    ~Receiver()
    {
        m_Receiver.Stop();
        if (m_Thread.joinable())
            m_Thread.join();
    }

    const std::string& Path() const { return m_Receiver.DevicePath(); }
    bool Stalled() const { return m_bStalled; }
    std::vector<std::string> Faults() const { return m_Receiver.Faults(); }

private:
    static VirtualReceiverOptions Quick(VirtualReceiverOptions options)
    {
        options.answerTimeoutMs = 5000;
        options.codeDelayMs = 10;
        options.codeGapMs = 5;
        return options;
    }

    VirtualReceiver m_Receiver;
    std::thread m_Thread;
    std::atomic<bool> m_bStalled { false };
};

// A receiver command as tavrel-cli runs it, with the short pauses the
// virtual receiver needs.
Result Link(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const auto run = args[0] == "dump" ? RunDump : args[0] == "upgrade" ? RunUpgrade : RunVerify;
    const int status = run(rest, out, err, false, 0.01);
    return { status, out.str(), err.str() };
}

VirtualReceiverOptions Serving(Bytes flash, int sessions = 1)
{
    VirtualReceiverOptions options;
    options.mode = VirtualReceiverOptions::Mode::Either;
    options.image = std::move(flash);
    options.sessions = sessions;
    return options;
}

class CliLinkTest : public testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/tavrel-cli-link-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        m_dir = name;
        setenv("XDG_DATA_HOME", (m_dir / "data").c_str(), 1);
        m_sample = MakeSampleImage();
        WriteFile(Path("sample.bin"), m_sample);
    }
    void TearDown() override
    {
        unsetenv("TAVREL_DEV_ROOT");
        fs::remove_all(m_dir);
    }

    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    std::vector<fs::path> KeptDumps() const
    {
        std::vector<fs::path> dumps;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(m_dir / "data/tavrel/dumps", error))
            dumps.push_back(entry.path());
        return dumps;
    }

    fs::path m_dir;
    Bytes m_sample;
};

} // namespace

TEST(ProgressText, ShowsRateAndTimeLeftOnceTheyCanBeTold)
{
    EXPECT_EQ(ProgressText("dump", 0, 999, 1048576, 0.2), "dump   0%  999 of 1048576 bytes");
    EXPECT_EQ(ProgressText("dump", 50, 524288, 1048576, 45.5), "dump  50%  524288 of 1048576 bytes  11.3 KiB/s  0:46 left");
    EXPECT_EQ(ProgressText("upgrade", 80, 1048576, 1048576, 160.0), "upgrade  80%  1048576 of 1048576 bytes  6.4 KiB/s");
}

TEST_F(CliLinkTest, DumpWritesTheReceiversFlashKeepsItAndTracesTheExchange)
{
    const Bytes flash = Flash(m_sample);
    Receiver receiver(Serving(flash));

    const Result dump
        = Link({ "dump", "--port", receiver.Path(), "-o", Path("dump.bin"), "--trace", Path("trace.log") });

    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(ReadFile(Path("dump.bin")), flash);
    EXPECT_NE(dump.out.find("the flash decodes"), std::string::npos) << dump.out;
    EXPECT_NE(dump.err.find("reset the receiver now"), std::string::npos) << dump.err;
    EXPECT_NE(dump.err.find("dump 100%"), std::string::npos) << dump.err;
    const std::vector<fs::path> kept = KeptDumps();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadFile(kept[0]), flash);

    std::ifstream traceFile(Path("trace.log"));
    const std::string trace((std::istreambuf_iterator<char>(traceFile)), {});
    for (const char* frame : { "open port 1 at 115200,n,8,1: done", "recv 1: 56", "send 1: 18", "send 2048:",
             "recv 1: 54", "send 1: 47", "recv 1: 4F", "open port 1 at 115200,N,8,1: done", "recv 1: 50",
             "receiver ready to read", "send 8: C0 00 00 00 A0 10 00 00", "recv 1: 51",
             "send 8: 86 00 00 00 A0 10 00 00", "progress 1048576 of 1048576", "dump done", "port closed" })
        EXPECT_NE(trace.find(frame), std::string::npos) << frame;
    EXPECT_TRUE(receiver.Faults().empty());
}

TEST_F(CliLinkTest, AReceiverThatClosesRightAfterTheLastByteLosesNothing)
{
    const Bytes flash = Flash(m_sample);
    for (int run = 0; run < 3; ++run) {
        Receiver receiver(Serving(flash), true);
        const Result dump = Link({ "dump", "--port", receiver.Path(), "-o", Path("dump.bin"), "--quiet" });
        EXPECT_EQ(dump.status, 0) << dump.err;
        EXPECT_EQ(ReadFile(Path("dump.bin")), flash);
    }
    Receiver receiver(Serving(flash), true);
    const Result verify = Link({ "verify", "--port", receiver.Path(), Path("sample.bin"), "--quiet" });
    EXPECT_EQ(verify.status, 0) << verify.err;
    EXPECT_TRUE(receiver.Faults().empty());
}

TEST_F(CliLinkTest, UpgradeThenVerifyFindsTheImageInTheReceiver)
{
    Receiver receiver(Serving(Bytes(IMAGE_SIZE, 0xFF), 3));

    const Result upgrade = Link({ "upgrade", "--port", receiver.Path(), Path("sample.bin"), "--verify", "--quiet" });
    EXPECT_EQ(upgrade.status, 0) << upgrade.err;
    EXPECT_NE(upgrade.out.find("the receiver holds " + Path("sample.bin")), std::string::npos) << upgrade.out;
    EXPECT_NE(upgrade.err.find("reset the receiver again"), std::string::npos) << upgrade.err;
    EXPECT_EQ(upgrade.err.find("%"), std::string::npos) << "quiet shows no progress: " << upgrade.err;

    const Result verify = Link({ "verify", "--port", receiver.Path(), Path("sample.bin") });
    EXPECT_EQ(verify.status, 0) << verify.err;
    EXPECT_NE(verify.out.find("the receiver holds"), std::string::npos) << verify.out;
    EXPECT_EQ(KeptDumps().size(), 2u);
    EXPECT_TRUE(receiver.Faults().empty());
}

TEST_F(CliLinkTest, VerifyNamesTheRangeAndTheRecordAFaultyCellChanged)
{
    ChannelDatabase db;
    std::copy(m_sample.begin(), m_sample.end(), db.m_Image);
    ASSERT_TRUE(db.DecodeDatabase());
    const long name = FindText(m_sample, std::string(db.m_TvTable[0].name));
    ASSERT_GT(name, 0);
    VirtualReceiverOptions options = Serving(Flash(m_sample), 3);
    options.corruptAt = name + 1;
    Receiver receiver(options);

    const Result verify = Link({ "verify", "--port", receiver.Path(), Path("sample.bin") });
    EXPECT_EQ(verify.status, 1) << verify.err;
    char range[32];
    std::snprintf(range, sizeof range, "0x%05lX (1 byte)", name + 1);
    EXPECT_NE(verify.out.find(range), std::string::npos) << verify.out;
    EXPECT_NE(verify.out.find("1 record differs:\n  tv: changed"), std::string::npos) << verify.out;

    // What an upgrade writes the faulty cell keeps wrong, too.
    const Result upgrade = Link({ "upgrade", "--port", receiver.Path(), Path("sample.bin"), "--verify" });
    EXPECT_EQ(upgrade.status, 1) << upgrade.err;
    EXPECT_NE(upgrade.out.find(range), std::string::npos) << upgrade.out;
}

TEST_F(CliLinkTest, InterruptedDumpWritesNothingAndLetsThePortGo)
{
    VirtualReceiverOptions options = Serving(Flash(m_sample));
    options.stallAfter = 200000;
    Receiver receiver(options);
    std::thread interrupt([&] {
        for (int i = 0; i < 3000 && !receiver.Stalled(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        kill(getpid(), SIGINT);
    });

    const Result dump = Link({ "dump", "--port", receiver.Path(), "-o", Path("dump.bin") });
    interrupt.join();

    EXPECT_EQ(dump.status, 2);
    EXPECT_NE(dump.err.find("the dump was cancelled; nothing was written"), std::string::npos) << dump.err;
    EXPECT_FALSE(fs::exists(Path("dump.bin")));
    EXPECT_TRUE(KeptDumps().empty());
    const int fd = OpenSerialDevice(receiver.Path());
    EXPECT_GE(fd, 0) << std::strerror(errno);
    if (fd >= 0)
        close(fd);
}

TEST(CliLink, ArgumentsAreCheckedBeforeThePortIsTouched)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "dump", "-o", "x.bin" }, "tavrel-cli dump: --port DEVICE is missing\n" },
        { { "dump", "--port", "/dev/ttyUSB0" }, "tavrel-cli dump: -o FILE is missing\n" },
        { { "verify", "--port", "/dev/ttyUSB0", "--xtal", "12M", "a.bin" },
            "tavrel-cli verify: --xtal is 4M, 8M, 13.5M, 16M or 27M, not 12M\n" },
        { { "upgrade", "--port", "/dev/ttyUSB0" }, "tavrel-cli upgrade: missing operand\n" },
        { { "ports", "extra" }, "tavrel-cli ports: too many operands\n" },
    };
    for (const auto& [args, message] : cases) {
        const Result result = Cli(args);
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_EQ(result.err.rfind(message, 0), 0u) << result.err;
    }
}

TEST_F(CliLinkTest, UpgradeRefusesAnImageThatDoesNotDecode)
{
    WriteFile(Path("junk.bin"), Bytes(4096, 0x5A));
    const Result upgrade = Link({ "upgrade", "--port", "/nonexistent/tty", Path("junk.bin") });
    EXPECT_EQ(upgrade.status, 2);
    EXPECT_NE(upgrade.err.find("not a flash image"), std::string::npos) << upgrade.err;
    EXPECT_NE(upgrade.err.find("--force"), std::string::npos) << upgrade.err;

    const MakerBlocks blocks;
    const Result forced
        = Link({ "upgrade", "--port", "/nonexistent/tty", Path("junk.bin"), "--force", "--loaders", blocks.Folder() });
    EXPECT_EQ(forced.status, 2);
    EXPECT_EQ(forced.err, "tavrel-cli: /nonexistent/tty: No such file or directory\n");
}

TEST_F(CliLinkTest, PortsListsTheSerialDevicesAndWhyOneCannotBeUsed)
{
    // ttyUSB0 is free and has a stable name, ttyACM0 is held by another
    // program, ttyS0 has a UART behind it and ttyS1 has none, ttyUSB1 is no
    // terminal at all.
    const fs::path dev = m_dir / "dev";
    fs::create_directories(dev / "serial/by-id");
    int lines[3] = {};
    for (int i = 0; i < 3; ++i) {
        lines[i] = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_TRUE(lines[i] >= 0 && grantpt(lines[i]) == 0 && unlockpt(lines[i]) == 0);
    }
    fs::create_symlink(ptsname(lines[0]), dev / "ttyUSB0");
    fs::create_symlink(ptsname(lines[1]), dev / "ttyACM0");
    fs::create_symlink(ptsname(lines[2]), dev / "ttyS0");
    fs::create_symlink(ptsname(lines[2]), dev / "ttyS1");
    WriteFile(dev / "ttyUSB1", Bytes(1));
    WriteFile(dev / "null", Bytes(1));
    fs::create_symlink("../../ttyUSB0", dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    for (const auto& [name, type] : { std::pair { "ttyS0", "4" }, std::pair { "ttyS1", "0" } }) {
        fs::create_directories(m_dir / "sys/class/tty" / name);
        std::ofstream(m_dir / "sys/class/tty" / name / "type") << type << "\n";
    }
    int held[2] = {};
    ASSERT_EQ(pipe(held), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        const int fd = open((dev / "ttyACM0").c_str(), O_RDWR | O_NOCTTY);
        flock(fd, LOCK_EX);
        char ready = 1;
        [[maybe_unused]] ssize_t n = write(held[1], &ready, 1);
        pause();
        _exit(0);
    }
    char ready = 0;
    ASSERT_EQ(read(held[0], &ready, 1), 1);
    setenv("TAVREL_DEV_ROOT", dev.c_str(), 1);

    const Result ports = Cli({ "ports" });

    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    for (int line : lines)
        close(line);
    EXPECT_EQ(ports.status, 0) << ports.err;
    const std::string d = dev.string();
    const std::string expected = d + "/ttyACM0  Device or resource busy\n"
        + std::string(d.size() + 10, ' ') + "Another program is using the port: tavrel_cli_test";
    EXPECT_EQ(ports.out.rfind(expected, 0), 0u) << ports.out;
    EXPECT_NE(ports.out.find(d + "/ttyS0    ready\n"), std::string::npos) << ports.out;
    EXPECT_NE(ports.out.find(d + "/ttyUSB0  ready  " + d + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\n"),
        std::string::npos)
        << ports.out;
    EXPECT_NE(ports.out.find(d + "/ttyUSB1  Inappropriate ioctl for device\n"), std::string::npos) << ports.out;
    EXPECT_EQ(ports.out.find("ttyS1"), std::string::npos) << ports.out;
    EXPECT_EQ(ports.out.find("null"), std::string::npos) << ports.out;
}

TEST_F(CliLinkTest, DumpSendsTheBlocksOfTavrelLoadersAndNoPlaceholderToARealLine)
{
    fs::create_directory(m_dir / "loaders");
    Bytes dumpLoader(DUMP_LOADER_SIZE);
    for (size_t i = 0; i < dumpLoader.size(); ++i)
        dumpLoader[i] = uint8_t(i * 11 + 5);
    WriteFile(Path("loaders/dump_loader.bin"), dumpLoader);
    setenv("TAVREL_LOADERS", Path("loaders").c_str(), 1);

    const Result listed = Cli({ "loaders" });
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out.rfind("dump_loader.bin       1304  " + Sha256Hex(dumpLoader) + "               "
                  + Path("loaders/dump_loader.bin") + "\n", 0),
        0u)
        << listed.out;
    EXPECT_NE(listed.out.find("stage_two.bin         3412  "), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("placeholder  built in\n"), std::string::npos) << listed.out;

    // The receiver checks every byte of the first stage against the blocks it is told to expect.
    const Bytes flash = Flash(m_sample);
    VirtualReceiverOptions options = Serving(flash);
    options.loaders = LoaderSet::Find(Path("loaders"), {});
    Receiver receiver(options);
    const Result dump = Link({ "dump", "--port", receiver.Path(), "-o", Path("dump.bin"), "--quiet" });
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(ReadFile(Path("dump.bin")), flash);
    EXPECT_TRUE(receiver.Faults().empty());

    // A port that does not open is named before the placeholder upgrade loader, which never goes to a real line.
    const std::pair<std::string, std::string> ports[] = { { "/dev/null", "Inappropriate ioctl for device" },
        { "/dev/pts/999", "No such file or directory" } };
    for (const auto& [port, reason] : ports) {
        const Result upgrade = Link({ "upgrade", "--port", port, Path("sample.bin") });
        EXPECT_EQ(upgrade.status, 2);
        EXPECT_EQ(upgrade.err.rfind("tavrel-cli: " + port + ": " + reason, 0), 0u) << upgrade.err;
        EXPECT_EQ(upgrade.err.find("placeholder"), std::string::npos) << upgrade.err;
        EXPECT_EQ(upgrade.err.find("reset the receiver"), std::string::npos) << upgrade.err;
    }

    WriteFile(Path("loaders/stage_two.bin"), Bytes(100));
    const Result broken = Link({ "verify", "--port", receiver.Path(), Path("sample.bin") });
    EXPECT_EQ(broken.status, 2);
    EXPECT_NE(broken.err.find(Path("loaders/stage_two.bin") + ": 100 bytes, the receiver expects 3412"),
        std::string::npos)
        << broken.err;
    unsetenv("TAVREL_LOADERS");
    InstallLoaders(LoaderSet::BuiltIn());
}

TEST_F(CliLinkTest, ALoaderFolderThatCannotBeReadIsNamedAndNeverWaitedOn)
{
    fs::create_directory(m_dir / "loaders");
    ASSERT_EQ(mkfifo(Path("loaders/dump_loader.bin").c_str(), 0644), 0);
    const std::string pipe = Path("loaders/dump_loader.bin") + ": Is a named pipe, not a file\n";
    struct Case {
        std::vector<std::string> args;
        const char* environment; // TAVREL_LOADERS; nullptr for none
        std::string message;
    };
    const Case cases[] = {
        { { "loaders", "--loaders", Path("loaders") }, nullptr, pipe },
        { { "dump", "--port", "/dev/null", "-o", Path("dump.bin"), "--loaders", Path("loaders") }, nullptr, pipe },
        { { "loaders" }, "", "" },
        { { "loaders", "--loaders", "" }, nullptr, "tavrel-cli loaders: --loaders names a folder; it is empty\n" },
        { { "loaders" }, "\x1B]0;TITLE\a", "tavrel-cli: \\x1B]0;TITLE\\x07: not a folder of loader blocks\n" },
    };
    for (const Case& c : cases) {
        if (c.environment)
            setenv("TAVREL_LOADERS", c.environment, 1);
        const Result result = Cli(c.args);
        unsetenv("TAVREL_LOADERS");
        EXPECT_EQ(result.status, c.message.empty() ? 0 : 2) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\x1B'), std::string::npos) << result.err;
    }
    EXPECT_FALSE(fs::exists(Path("dump.bin")));
    InstallLoaders(LoaderSet::BuiltIn());
}
