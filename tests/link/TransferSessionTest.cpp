#include "FakeLink.h"
#include "LinkHarness.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace {

// The fake port, shared by the test and the session's worker.
class SharedPort : public TransferPort {
public:
    SharedPort() { m_Fake.m_bOpen = false; }

    void Arrive(uint8_t byte)
    {
        std::lock_guard lock(m_Lock);
        m_Fake.ArriveByte(byte);
    }
    void Lose(int error)
    {
        std::lock_guard lock(m_Lock);
        m_Fake.m_nLostError = error;
    }
    void RefuseOpening()
    {
        std::lock_guard lock(m_Lock);
        m_Fake.m_bOpenSucceeds = false;
    }
    std::vector<std::string> Calls() const
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.m_Calls;
    }

    bool IsOpen() const override
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.IsOpen();
    }
    int LostError() const override
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.LostError();
    }
    int Read(uint8_t* buffer, int maxCount) override
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.Read(buffer, maxCount);
    }
    int Write(const uint8_t* buffer, int length) override
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.Write(buffer, length);
    }
    bool WaitForInput(int) override
    {
        {
            std::lock_guard lock(m_Lock);
            if (!m_Fake.m_Arrivals.empty())
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return false;
    }
    void DrainOutput() override { }
    void Close() override
    {
        std::lock_guard lock(m_Lock);
        m_Fake.Close();
    }
    bool OpenAndConfigure(unsigned port, const char* settings) override
    {
        std::lock_guard lock(m_Lock);
        if (m_Fake.OpenAndConfigure(port, settings))
            m_Fake.m_nLostError = 0;
        return m_Fake.IsOpen();
    }

private:
    mutable std::mutex m_Lock;
    FakePort m_Fake;
};

// A session on the fake port, and what it tells its user.
struct FakeSession {
    SharedPort port;
    SessionRecorder heard;
    TransferSession session { port, heard };
};

// How a transfer ends, as the window and the command line hear it.
TEST(TransferSessionTest, EndsOfATransfer)
{
    using Result = TransferSession::Result;
    struct Case {
        const char* name;
        bool endOnRateChangeFailure;
        std::function<void(FakeSession&)> act;
        Result result;
        std::vector<std::string> log;
    };
    const auto refuseRateChange = [](FakeSession& link) {
        link.port.RefuseOpening();
        link.port.Arrive('O');
    };
    const Case cases[] = {
        { "the line goes away", false, [](FakeSession& link) { link.port.Lose(EIO); }, Result::LinkLost, { "lost" } },
        { "no reopening at the transfer rate, and nobody to cancel", true, refuseRateChange, Result::Failed,
            { "rate change failed", "failed" } },
        { "no reopening at the transfer rate, and the user cancels", false,
            [&](FakeSession& link) {
                refuseRateChange(link);
                ASSERT_TRUE(SessionRecorder::WaitFor([&] { return link.heard.Heard("rate change failed"); }, 30000));
                EXPECT_EQ(link.session.CurrentStage(), TransferSession::Stage::WaitingForReset);
                link.session.Cancel();
            },
            Result::Cancelled, { "rate change failed" } },
        { "a signal cancels", false, [](FakeSession& link) { link.session.RequestCancel(); }, Result::Cancelled, {} },
    };
    for (const Case& c : cases) {
        FakeSession link;
        link.session.SetEndOnRateChangeFailure(c.endOnRateChangeFailure);
        ASSERT_TRUE(link.session.StartDump()) << c.name;
        c.act(link);
        EXPECT_EQ(link.session.Wait(), c.result) << c.name;
        EXPECT_EQ(link.heard.Log(), c.log) << c.name;
        EXPECT_TRUE(link.session.IsIdle()) << c.name;
        EXPECT_FALSE(link.port.IsOpen()) << c.name;
        EXPECT_EQ(link.port.Calls().front(), "open 4 115200,n,8,1") << c.name;
        EXPECT_TRUE(link.session.TakeDump().empty()) << c.name;
    }
}

TEST(TransferSessionTest, ACancelFromASignalEndsEveryLaterTransferToo)
{
    FakeSession link;
    link.session.RequestCancel();
    link.session.StartDump();
    EXPECT_EQ(link.session.Wait(), TransferSession::Result::Cancelled);
    link.session.StartUpgrade(std::vector<uint8_t>(2048, 1));
    EXPECT_EQ(link.session.Wait(), TransferSession::Result::Cancelled);
}

TEST(TransferSessionTest, ALineLostWhileIdleDisconnects)
{
    FakeSession link;
    ASSERT_TRUE(link.session.Connect());
    EXPECT_TRUE(link.session.IsConnected());
    link.port.Lose(EIO);
    ASSERT_TRUE(SessionRecorder::WaitFor([&] { return link.heard.Heard("lost while idle"); }, 30000));
    EXPECT_FALSE(link.session.IsConnected());
    EXPECT_FALSE(link.port.IsOpen());
}

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// A verify dumps into the session's own buffer, keeps the dump and holds it
// against the bytes it was given; the caller's bytes stay as they were.
TEST(TransferSessionTest, VerifyHoldsTheKeptDumpAgainstTheImage)
{
    const std::vector<uint8_t> flash = PatternImage(IMAGE_SIZE, 11);
    for (const long faulty : { -1L, 70000L }) {
        LinkHarness link;
        VirtualReceiverOptions options;
        options.mode = VirtualReceiverOptions::Mode::Dump;
        options.image = flash;
        options.answerTimeoutMs = 5000;
        options.corruptAt = faulty;
        ASSERT_TRUE(link.StartReceiver(options));
        const std::vector<uint8_t> image(flash.begin(), flash.begin() + 524288);
        const std::vector<uint8_t> before = image;

        ASSERT_TRUE(link.m_Session->StartVerify(image));
        ASSERT_TRUE(SessionRecorder::WaitFor([&] { return link.Heard("ready"); }, 10000));
        link.m_Session->Read();
        ASSERT_EQ(link.m_Session->Wait(), TransferSession::Result::Done);

        const FlashVerification verification = link.m_Session->Verification();
        EXPECT_EQ(verification.compared, 524288u);
        if (faulty < 0)
            EXPECT_TRUE(verification.Same());
        else
            EXPECT_EQ(verification.ranges, (std::vector<ByteRange>{ { uint32_t(faulty), 1 } }));
        EXPECT_EQ(image, before);
        const std::vector<uint8_t> dump = link.m_Session->TakeDump();
        EXPECT_EQ(ReadAll(link.m_Session->KeptPath()), dump);
        EXPECT_EQ(dump.size(), IMAGE_SIZE);
        EXPECT_EQ(std::equal(flash.begin(), flash.end(), dump.begin()), faulty < 0);
    }
}

} // namespace
