#include "PseudoTerminal.h"
#include "cnComm.h"

#include "LinkMessages.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;
using namespace std::chrono_literals;

// Long enough that only a hang reaches it.
constexpr auto HANG = 30s;

// Returns once the monitor has looked at the line after the call: the round
// under way may have begun before it, the next one cannot have.
bool MonitorLooksAgain(const cnComm& comm)
{
    const uint64_t from = comm.MonitorRounds();
    const auto deadline = std::chrono::steady_clock::now() + HANG;
    while (comm.MonitorRounds() < from + 2) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// Collects notifications from the monitor thread.
class NotifyRecorder {
public:
    cnComm::NotifyFunction Function()
    {
        return [this](unsigned message, unsigned wParam, long lParam) {
            std::lock_guard lock(m_Lock);
            m_Messages.push_back({message, wParam, lParam});
            m_Arrived.notify_all();
        };
    }

    size_t Count(unsigned message)
    {
        std::lock_guard lock(m_Lock);
        return size_t(std::count_if(m_Messages.begin(), m_Messages.end(),
                                    [message](const Message& m) { return m.message == message; }));
    }

    bool WaitFor(unsigned message, size_t count)
    {
        const auto deadline = std::chrono::steady_clock::now() + HANG;
        while (Count(message) < count) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::unique_lock lock(m_Lock);
            m_Arrived.wait_for(lock, 10ms);
        }
        return true;
    }

    struct Message {
        unsigned message;
        unsigned wParam;
        long lParam;
    };
    std::mutex m_Lock;
    std::condition_variable m_Arrived;
    std::vector<Message> m_Messages;
};

class CommTest : public ::testing::Test {
protected:
    PseudoTerminal line;
    cnComm comm;
    PortRoute route{comm, 4, line.Path()};
};

TEST_F(CommTest, PortNumbersOutsideOneTo1024AreRefusedUntouched)
{
    EXPECT_FALSE(comm.OpenAndConfigure(0, "115200,n,8,1"));
    EXPECT_FALSE(comm.OpenAndConfigure(1025, "115200,n,8,1"));
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(comm.PortNumber(), 0u);
}

TEST_F(CommTest, PortNumberNamesTheDevice)
{
    comm.SetPortNumber(12);
    EXPECT_STREQ(comm.PortName(), "COM12");
    EXPECT_EQ(comm.DevicePathFor(12), "/dev/ttyS11");
    EXPECT_EQ(comm.DevicePathFor(4), line.Path());
}

TEST_F(CommTest, MissingDeviceOrNonTerminalFailsCleanly)
{
    PortRoute missing(comm, 9, "/nonexistent/ttyUSB9");
    EXPECT_FALSE(comm.OpenAndConfigure(9, "115200,n,8,1"));
    EXPECT_FALSE(comm.IsOpen());
    PortRoute notATerminal(comm, 9, "/dev/null");
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
    ASSERT_TRUE(comm.ApplySettings("9600,e,7,2"));
    tio = line.Settings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(tio.c_cflag & CSTOPB, tcflag_t(CSTOPB));
}

TEST_F(CommTest, MalformedSettingsFailAndLeaveTheLineAsItWas)
{
    EXPECT_FALSE(comm.ApplySettings("115200,n,8,1")); // closed
    ASSERT_TRUE(comm.OpenAndConfigure(4, "38400,n,8,1"));
    for (const char* settings : {"", "115200", "115200,n,8", "115200,n,8,1,1", "115200,x,8,1", "115200,n,9,1",
                                 "115200,n,4,1", "115200,n,8,3", "12345,n,8,1", "-9600,n,8,1", "9600,nn,8,1",
                                 "115200;n;8;1"})
        EXPECT_FALSE(comm.ApplySettings(settings)) << '"' << settings << '"';
    EXPECT_FALSE(comm.ApplySettings(nullptr));
    const termios tio = line.Settings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B38400));
}

TEST_F(CommTest, SecondOpenerOfAPortIsRefusedUntilItIsClosed)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    cnComm other;
    PortRoute otherRoute(other, 4, line.Path());
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
    EXPECT_FALSE(comm.StopMonitor());
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

TEST_F(CommTest, MonitorNotifiesOncePerArrivalOfNewBytes)
{
    NotifyRecorder recorder;
    comm.SetNotify(recorder.Function());
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));

    line.Send({'a', 'b'});
    ASSERT_TRUE(recorder.WaitFor(WM_COM_RECEIVE, 1));
    ASSERT_TRUE(MonitorLooksAgain(comm));
    EXPECT_EQ(recorder.Count(WM_COM_RECEIVE), 1u); // the bytes still wait unread

    line.Send({'c'});
    ASSERT_TRUE(recorder.WaitFor(WM_COM_RECEIVE, 2));
    uint8_t buffer[8];
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 3);
    ASSERT_TRUE(MonitorLooksAgain(comm));
    line.Send({'d'});
    ASSERT_TRUE(recorder.WaitFor(WM_COM_RECEIVE, 3));
    ASSERT_TRUE(MonitorLooksAgain(comm));
    EXPECT_EQ(recorder.Count(WM_COM_RECEIVE), 3u);
    std::lock_guard lock(recorder.m_Lock);
    for (const auto& message : recorder.m_Messages) {
        EXPECT_EQ(message.wParam, 4u);
        EXPECT_EQ(message.lParam, 0);
    }
}

TEST_F(CommTest, NotificationsWithoutANotifyThreadAreDropped)
{
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    line.Send({'x'});
    ASSERT_TRUE(comm.WaitForInput(30000));
    ASSERT_TRUE(MonitorLooksAgain(comm));
    NotifyRecorder recorder;
    comm.SetNotify(recorder.Function());
    ASSERT_TRUE(MonitorLooksAgain(comm));
    EXPECT_EQ(recorder.Count(WM_COM_RECEIVE), 0u);
}

TEST_F(CommTest, HangUpIsReportedOnceAndEndsTheMonitor)
{
    NotifyRecorder recorder;
    comm.SetNotify(recorder.Function());
    ASSERT_TRUE(comm.OpenAndConfigure(4, "115200,n,8,1"));
    EXPECT_EQ(comm.LostError(), 0);
    line.HangUp();
    ASSERT_TRUE(recorder.WaitFor(WM_COM_LOST, 1));
    EXPECT_EQ(comm.LostError(), EIO);

    // A hung-up line neither answers nor makes its readers spin.
    uint8_t buffer[8];
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(comm.WaitForInput(30));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 25ms);
    uint8_t command = 'V';
    comm.Write(&command, 1);
    // Closing joins the monitor: whatever it was to report, it has.
    comm.Close();
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(recorder.Count(WM_COM_LOST), 1u);
}

} // namespace
