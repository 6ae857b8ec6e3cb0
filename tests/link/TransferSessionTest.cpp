#include "FakeLink.h"
#include "LinkHarness.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<uint8_t>;

// The fake port, shared by the test and the session's worker.
class SharedPort : public TransferPort {
public:
    SharedPort() { m_Fake.m_bOpen = false; }

    // Each byte is what one read finds.
    void Arrive(const std::string& bytes)
    {
        std::lock_guard lock(m_Lock);
        for (const char byte : bytes)
            m_Fake.ArriveByte(uint8_t(byte));
    }
    void ArriveStream(Bytes stream)
    {
        std::lock_guard lock(m_Lock);
        m_Fake.Arrive(std::move(stream));
    }
    void Lose(int error)
    {
        std::lock_guard lock(m_Lock);
        m_Fake.m_nLostError = error;
    }
    // Openings fail from now on, for the system's error.
    void RefuseOpening(int error)
    {
        std::lock_guard lock(m_Lock);
        m_Fake.m_bOpenSucceeds = false;
        m_nRefusal = error;
    }
    std::vector<std::string> Calls() const
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.m_Calls;
    }
    Bytes Written() const
    {
        std::lock_guard lock(m_Lock);
        return m_Fake.Written();
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
        else
            errno = m_nRefusal;
        return m_Fake.IsOpen();
    }

private:
    mutable std::mutex m_Lock;
    FakePort m_Fake;
    int m_nRefusal = 0;
};

// A session that owns a fake port, and what it tells its user.
struct FakeSession {
    FakeSession() { session.Choose(4, 4); }

    SharedPort* port = new SharedPort;
    SessionRecorder heard;
    TransferSession session { std::unique_ptr<TransferPort>(port), heard };
};

// What the receiver sends: a reset, the crystal request, the rate change
// and the loader's ready for a dump; a reset, stage two, the header, the
// image and the end for an upgrade.
const std::string DUMP_RESET = "VTOP";
const std::string UPGRADE_RESET = "VZSAD";

// The stream of a read: one byte before the flash and one after.
Bytes ReadStream(const Bytes& flash)
{
    Bytes stream { 0x51 };
    stream.insert(stream.end(), flash.begin(), flash.end());
    stream.push_back(0x00);
    return stream;
}

bool WaitForStage(const FakeSession& link, TransferStage stage)
{
    return SessionRecorder::WaitFor([&] { return link.heard.Heard(stage); });
}

// Each flow from its start to its end, as both front ends drive it: what
// the session said, in order, and the outcome it handed over.
TEST(TransferSessionTest, FlowsFromStartToEnd)
{
    using Kind = TransferKind;
    using Stage = TransferStage;
    using Result = TransferResult;
    const Bytes flash = PatternImage(IMAGE_SIZE, 21);
    const Bytes image(flash.begin(), flash.begin() + 4096);
    Bytes otherImage = image;
    otherImage[100] ^= 0xFF;
    const auto readOnceReady = [&](FakeSession& link) {
        link.port->Arrive(DUMP_RESET);
        ASSERT_TRUE(WaitForStage(link, Stage::ReadyToRead));
        link.session.Read();
        link.port->Arrive("Q");
        link.port->ArriveStream(ReadStream(flash));
    };
    struct Case {
        const char* name;
        Kind kind;
        const Bytes* bytes;
        bool endOnPortFailure;
        std::function<void(FakeSession&)> act;
        std::vector<TransferEvent> events;
    };
    const Case cases[] = {
        { "a dump", Kind::Dump, nullptr, false, readOnceReady,
            { StageEvent(Kind::Dump, Stage::ReadyToRead), StageEvent(Kind::Dump, Stage::Reading),
                EndEvent(Kind::Dump, Stage::Reading, Result::Done) } },
        { "a verify that finds the image", Kind::Verify, &image, false, readOnceReady,
            { StageEvent(Kind::Verify, Stage::ReadyToRead), StageEvent(Kind::Verify, Stage::Reading),
                EndEvent(Kind::Verify, Stage::Reading, Result::Done) } },
        { "a verify that does not", Kind::Verify, &otherImage, false, readOnceReady,
            { StageEvent(Kind::Verify, Stage::ReadyToRead), StageEvent(Kind::Verify, Stage::Reading),
                EndEvent(Kind::Verify, Stage::Reading, Result::Done) } },
        { "an upgrade", Kind::Upgrade, &image, false, [](FakeSession& link) { link.port->Arrive(UPGRADE_RESET); },
            { StageEvent(Kind::Upgrade, Stage::Upgrading), EndEvent(Kind::Upgrade, Stage::Upgrading, Result::Done) } },
        { "a cancel before the reset", Kind::Dump, nullptr, false,
            [](FakeSession& link) { link.session.Cancel(); },
            { EndEvent(Kind::Dump, Stage::WaitingForReset, Result::Cancelled) } },
        { "a cancel of a receiver ready to read", Kind::Dump, nullptr, false,
            [](FakeSession& link) {
                link.port->Arrive(DUMP_RESET);
                ASSERT_TRUE(WaitForStage(link, Stage::ReadyToRead));
                link.session.Cancel();
            },
            { StageEvent(Kind::Dump, Stage::ReadyToRead), EndEvent(Kind::Dump, Stage::ReadyToRead, Result::Cancelled) } },
        { "a cancel while reading", Kind::Verify, &image, false,
            [&](FakeSession& link) {
                link.port->Arrive(DUMP_RESET);
                ASSERT_TRUE(WaitForStage(link, Stage::ReadyToRead));
                link.session.Read();
                link.port->Arrive("Q");
                link.port->ArriveStream(Bytes(5000, 0x11));
                ASSERT_TRUE(SessionRecorder::WaitFor([&] { return !link.heard.Progress().empty(); }));
                link.session.Cancel();
            },
            { StageEvent(Kind::Verify, Stage::ReadyToRead), StageEvent(Kind::Verify, Stage::Reading),
                EndEvent(Kind::Verify, Stage::Reading, Result::Cancelled) } },
        { "a cancel while upgrading", Kind::Upgrade, &image, false,
            [](FakeSession& link) {
                link.port->Arrive("V");
                ASSERT_TRUE(WaitForStage(link, Stage::Upgrading));
                link.session.Cancel();
            },
            { StageEvent(Kind::Upgrade, Stage::Upgrading),
                EndEvent(Kind::Upgrade, Stage::Upgrading, Result::Cancelled) } },
        { "no reopening at the transfer rate, and the user cancels", Kind::Dump, nullptr, false,
            [](FakeSession& link) {
                link.port->RefuseOpening(EBUSY);
                link.port->Arrive("O");
                ASSERT_TRUE(WaitForStage(link, Stage::Stalled));
                link.session.Cancel();
            },
            { StageEvent(Kind::Dump, Stage::Stalled, EBUSY), EndEvent(Kind::Dump, Stage::Stalled, Result::Cancelled) } },
        { "no reopening at the transfer rate, and nobody to cancel", Kind::Upgrade, &image, true,
            [](FakeSession& link) {
                link.port->RefuseOpening(EBUSY);
                link.port->Arrive("V");
            },
            { StageEvent(Kind::Upgrade, Stage::Upgrading), StageEvent(Kind::Upgrade, Stage::Stalled, EBUSY),
                EndEvent(Kind::Upgrade, Stage::Stalled, Result::Failed, EBUSY) } },
        { "a signal cancels", Kind::Dump, nullptr, false, [](FakeSession& link) { link.session.RequestCancel(); },
            { EndEvent(Kind::Dump, Stage::WaitingForReset, Result::Cancelled) } },
        { "the line goes away while reading", Kind::Dump, nullptr, false,
            [](FakeSession& link) {
                link.port->Arrive(DUMP_RESET);
                ASSERT_TRUE(WaitForStage(link, Stage::ReadyToRead));
                link.session.Read();
                ASSERT_TRUE(WaitForStage(link, Stage::Reading));
                link.port->Lose(EIO);
            },
            { StageEvent(Kind::Dump, Stage::ReadyToRead), StageEvent(Kind::Dump, Stage::Reading),
                EndEvent(Kind::Dump, Stage::Reading, Result::LinkLost, EIO) } },
        { "the line goes away while upgrading", Kind::Upgrade, &image, false,
            [](FakeSession& link) {
                link.port->Arrive("V");
                ASSERT_TRUE(WaitForStage(link, Stage::Upgrading));
                link.port->Lose(EIO);
            },
            { StageEvent(Kind::Upgrade, Stage::Upgrading),
                EndEvent(Kind::Upgrade, Stage::Upgrading, Result::LinkLost, EIO) } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSession link;
        TransferOptions options;
        options.pauseScale = 0;
        options.endOnPortFailure = c.endOnPortFailure;
        const std::span<const uint8_t> bytes = c.bytes ? std::span<const uint8_t>(*c.bytes) : std::span<const uint8_t>();
        const bool started = c.kind == Kind::Dump ? link.session.Dump(options)
            : c.kind == Kind::Verify              ? link.session.Verify(bytes, options)
                                                  : link.session.Upgrade(bytes, options);
        ASSERT_TRUE(started);
        c.act(link);
        const TransferOutcome outcome = link.session.Wait();

        EXPECT_EQ(link.heard.Events(), c.events);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.result, c.events.back().result);
        EXPECT_EQ(outcome.error, c.events.back().error);
        EXPECT_TRUE(link.session.IsIdle());
        EXPECT_FALSE(link.port->IsOpen());
        EXPECT_EQ(link.port->Calls().front(), "open 4 115200,n,8,1");
        const bool read = outcome.result == Result::Done && c.kind != Kind::Upgrade;
        EXPECT_EQ(outcome.flash, read ? flash : Bytes());
        // Only a whole read is kept.
        EXPECT_EQ(outcome.keptPath.empty(), !read);
        if (read) {
            EXPECT_EQ(outcome.verification.Same(), c.bytes != &otherImage);
        }
        if (outcome.result == Result::Done && c.kind == Kind::Upgrade) {
            const Bytes written = link.port->Written();
            EXPECT_NE(std::search(written.begin(), written.end(), image.begin(), image.end()), written.end());
            EXPECT_EQ(link.heard.Progress().back().bytes, image.size());
        }
    }
}

// The command line ends on a port that does not open; the window waits for it.
TEST(TransferSessionTest, APortThatDoesNotOpenGivesTheSystemsReason)
{
    for (const bool end : { true, false }) {
        SCOPED_TRACE(end);
        FakeSession link;
        link.port->RefuseOpening(ENOENT);
        EXPECT_FALSE(link.session.OpenPort());
        EXPECT_EQ(link.session.PortError(), ENOENT);
        TransferOptions options;
        options.endOnPortFailure = end;
        EXPECT_FALSE(link.session.Dump(options));
        if (!end) {
            EXPECT_EQ(link.session.CurrentStage(), TransferStage::WaitingForReset);
            link.session.Cancel();
        }
        const TransferOutcome outcome = link.session.Wait();
        const TransferResult result = end ? TransferResult::PortFailed : TransferResult::Cancelled;
        EXPECT_EQ(outcome.result, result);
        EXPECT_EQ(outcome.error, end ? ENOENT : 0);
        EXPECT_EQ(link.heard.Events(),
            (std::vector<TransferEvent>{
                EndEvent(TransferKind::Dump, TransferStage::WaitingForReset, result, end ? ENOENT : 0) }));
        EXPECT_TRUE(link.session.IsIdle());
    }
}

TEST(TransferSessionTest, ACancelFromASignalEndsEveryLaterTransferToo)
{
    FakeSession link;
    link.session.RequestCancel();
    link.session.Dump({});
    EXPECT_EQ(link.session.Wait().result, TransferResult::Cancelled);
    link.session.Upgrade(Bytes(2048, 1), {});
    EXPECT_EQ(link.session.Wait().result, TransferResult::Cancelled);
}

TEST(TransferSessionTest, ALineLostWhileIdleDisconnects)
{
    FakeSession link;
    ASSERT_TRUE(link.session.Connect());
    EXPECT_TRUE(link.session.IsConnected());
    link.port->Lose(EIO);
    ASSERT_TRUE(SessionRecorder::WaitFor([&] { return link.heard.Ended(); }));
    EXPECT_EQ(link.heard.Events(),
        (std::vector<TransferEvent>{
            EndEvent(TransferKind::Dump, TransferStage::Idle, TransferResult::LinkLost, EIO) }));
    EXPECT_FALSE(link.session.IsConnected());
    EXPECT_FALSE(link.port->IsOpen());
}

Bytes ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

// A verify dumps into the session's own buffer, keeps the dump and holds it
// against the bytes it was given; the caller's bytes stay as they were.
TEST(TransferSessionTest, VerifyHoldsTheKeptDumpAgainstTheImage)
{
    const Bytes flash = PatternImage(IMAGE_SIZE, 11);
    const std::pair<long, bool> cases[] = { { -1, false }, { 70000, false }, { -1, true } };
    for (const auto& [faulty, closesWhenDone] : cases) {
        SCOPED_TRACE(closesWhenDone ? "the receiver closes right after the last byte" : "");
        LinkHarness link;
        link.m_Options.readWhenReady = true;
        VirtualReceiverOptions options;
        options.mode = VirtualReceiverOptions::Mode::Dump;
        options.image = flash;
        options.answerTimeoutMs = 5000;
        options.corruptAt = faulty;
        ASSERT_TRUE(link.StartReceiver(options, closesWhenDone));
        const Bytes image(flash.begin(), flash.begin() + 524288);
        const Bytes before = image;

        ASSERT_TRUE(link.m_Session->Verify(image, link.m_Options));
        const TransferOutcome outcome = link.m_Session->Wait();
        ASSERT_EQ(outcome.result, TransferResult::Done);

        const FlashVerification& verification = outcome.verification;
        EXPECT_EQ(verification.compared, 524288u);
        if (faulty < 0)
            EXPECT_TRUE(verification.Same());
        else
            EXPECT_EQ(verification.ranges, (std::vector<ByteRange>{ { uint32_t(faulty), 1 } }));
        EXPECT_EQ(image, before);
        EXPECT_EQ(ReadAll(outcome.keptPath), outcome.flash);
        EXPECT_EQ(outcome.flash.size(), IMAGE_SIZE);
        EXPECT_EQ(std::equal(flash.begin(), flash.end(), outcome.flash.begin()), faulty < 0);
    }
}

} // namespace
