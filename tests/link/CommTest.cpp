#include "PseudoTerminal.h"
#include "SerialPorts.h"
#include "cnComm.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <mutex>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;
using namespace std::chrono_literals;

// Long enough that only a hang reaches it.
constexpr auto HANG = 30s;

class CommTest : public ::testing::Test {
protected:
    PseudoTerminal line;
    PortDevices devices;
    cnComm comm{devices};
    PortRoute route{devices, 4, line.Path()};
};

TEST_F(CommTest, PortNumbersOutsideOneTo1024AreRefused)
{
    PortRoute zero(devices, 0, line.Path());
    EXPECT_FALSE(comm.OpenAndConfigure(0, "115200,n,8,1"));
    EXPECT_FALSE(comm.OpenAndConfigure(1025, "115200,n,8,1"));
    EXPECT_FALSE(comm.IsOpen());
}

TEST(PortDevicesTest, APortOpensItsAssignedDeviceOrTheSerialLineOfItsNumber)
{
    PortDevices devices;
    EXPECT_EQ(devices.DeviceFor(12), "/dev/ttyS11");
    devices.Assign(12, "/dev/ttyUSB0");
    EXPECT_EQ(devices.DeviceFor(12), "/dev/ttyUSB0");
}

TEST(PortFailureTextTest, SaysWhyAndWhatToDo)
{
    const std::string denied = PortFailureText("/dev/ttyS0", EACCES);
    EXPECT_EQ(denied.rfind("/dev/ttyS0: Permission denied\n", 0), 0u) << denied;
    EXPECT_NE(denied.find("group that owns the device"), std::string::npos) << denied;
    EXPECT_TRUE(denied.find("dialout") != std::string::npos || std::filesystem::exists("/dev/ttyS0")) << denied;
    EXPECT_NE(PortFailureText("/dev/ttyS0", EBUSY).find("Another program"), std::string::npos);
    EXPECT_EQ(PortFailureText("/tmp/x", ENOENT), "/tmp/x: No such file or directory");
}

TEST_F(CommTest, MissingDeviceOrNonTerminalFailsCleanly)
{
    PortRoute missing(devices, 9, "/nonexistent/ttyUSB9");
    EXPECT_FALSE(comm.OpenAndConfigure(9, "115200,n,8,1"));
    EXPECT_FALSE(comm.IsOpen());
    PortRoute notATerminal(devices, 9, "/dev/null");
    EXPECT_FALSE(comm.OpenAndConfigure(9, "115200,n,8,1"));
    EXPECT_FALSE(comm.IsOpen());
}

TEST_F(CommTest, SettingsStringBecomesARawLine)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,N,8,1"));
    termios tio = line.Settings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B115200));
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD | CSTOPB | CRTSCTS), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);

    // A pseudo-terminal keeps the rate and the stop bits; framing is tested on LineSettings.
    ASSERT_TRUE(comm.OpenAndConfigure(4, "9600,e,7,2"));
    tio = line.Settings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(tio.c_cflag & CSTOPB, tcflag_t(CSTOPB));
}

// A port that fails is not left open, so that the next opening tries again.
TEST_F(CommTest, MalformedSettingsFailAndLeaveThePortClosed)
{
    const char* const malformed[] = {"", "115200", "115200,n,8", "115200,n,8,1,1", "115200,x,8,1", "115200,n,9,1",
                                     "115200,n,4,1", "115200,n,8,3", "12345,n,8,1", "-9600,n,8,1", "9600,nn,8,1",
                                     "115200;n;8;1", nullptr};
    for (const char* settings : malformed) {
        ASSERT_TRUE(comm.OpenAndConfigure(4, "38400,n,8,1"));
        EXPECT_FALSE(comm.OpenAndConfigure(4, settings)) << '"' << (settings ? settings : "null") << '"';
        EXPECT_FALSE(comm.IsOpen());
    }
}

TEST_F(CommTest, SecondOpenerOfAPortIsRefusedUntilItIsClosed)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    cnComm other(devices);
    EXPECT_FALSE(other.OpenAndConfigure(4, "115200,n,8,1"));
    EXPECT_FALSE(other.IsOpen());
    comm.Close();
    EXPECT_TRUE(other.OpenAndConfigure(4, "115200,n,8,1"));
}

TEST_F(CommTest, CloseIsHarmlessTwiceAndThePortReopens)
{
    comm.Close();
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    comm.Close();
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    // Opening an open port starts afresh.
    ASSERT_TRUE(comm.OpenAndConfigure(4, "9600,n,8,1"));
    EXPECT_TRUE(comm.IsOpen());
}

TEST_F(CommTest, CloseFromAnotherThreadDuringReopeningIsSafe)
{
    // The main window cancels while the worker changes the rate.
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i)
            comm.OpenAndConfigure(4, "115200,N,8,1");
        done = true;
    });
    while (!done)
        comm.Close();
    worker.join();
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_TRUE(comm.OpenAndConfigure(4, "115200,N,8,1"));
}

TEST_F(CommTest, ReadTakesWhatIsQueuedAndWriteHandsOverEveryByte)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    uint8_t buffer[16];
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 0);
    EXPECT_FALSE(comm.WaitForInput(5));

    line.Send({1, 2, 3});
    EXPECT_TRUE(comm.WaitForInput(30000));
    EXPECT_EQ(comm.Read(buffer, 2), 2);
    EXPECT_EQ(comm.Read(buffer + 2, sizeof buffer), 1);
    EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{1, 2, 3}));

    // Far more than the line buffers: Write waits for room as the other end reads.
    Bytes image(300000);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = uint8_t(i * 13);
    Bytes received;
    std::thread reader([&] { received = line.Receive(image.size()); });
    EXPECT_EQ(comm.Write(image.data(), int(image.size())), int(image.size()));
    reader.join();
    EXPECT_EQ(received, image);
}

TEST_F(CommTest, CloseWakesAWriteWaitingForRoom)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    // Left alone, a write of a mebibyte waits for room for over a quarter of an hour.
    Bytes image(1 << 20, 0x5A);
    std::packaged_task<int()> write([&] { return comm.Write(image.data(), int(image.size())); });
    std::future<int> written = write.get_future();
    std::thread writer(std::move(write));
    // Once a byte has come through, the line is full or soon will be.
    ASSERT_EQ(line.Receive(1).size(), 1u);
    std::thread closer([&] { comm.Close(); });
    const bool woken = written.wait_for(HANG) == std::future_status::ready;
    EXPECT_TRUE(woken);
    if (!woken)
        line.Receive(image.size());
    writer.join();
    closer.join();
    const int total = written.get();
    EXPECT_GT(total, 0);
    EXPECT_LT(total, int(image.size()));
    EXPECT_EQ(comm.Write(image.data(), 10), 0);
}

TEST_F(CommTest, AHangUpIsSeenWithNobodyReading)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    EXPECT_EQ(comm.LostError(), 0);
    line.HangUp();
    const auto deadline = std::chrono::steady_clock::now() + HANG;
    while (comm.LostError() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    EXPECT_EQ(comm.LostError(), EIO);

    // A hung-up line neither answers nor makes its readers spin.
    uint8_t buffer[8];
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(comm.WaitForInput(30));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 25ms);
    uint8_t command = 'V';
    comm.Write(&command, 1);
    EXPECT_EQ(comm.LostError(), EIO);
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
}

} // namespace
