#include "TransferSession.h"

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "Crystals.h"
#include "ImageFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

namespace {

// Pauses are cut into slices this long, so that a cancel from a signal
// handler, which wakes nobody, ends them soon.
constexpr auto PAUSE_SLICE = std::chrono::milliseconds(10);

const char* KindName(TransferSession::Kind kind)
{
    switch (kind) {
    case TransferSession::Kind::Dump:
        return "dump";
    case TransferSession::Kind::Verify:
        return "verify";
    case TransferSession::Kind::Upgrade:
        return "upgrade";
    }
    return "";
}

} // namespace

TransferSession::TransferSession(TransferPort& port, Listener& listener)
    : m_Port(port)
    , m_Listener(listener)
{
    m_Worker = std::thread([this] { Run(); });
}

TransferSession::~TransferSession()
{
    {
        std::lock_guard lock(m_PauseLock);
        m_bStopping = true;
        m_Link.m_bTransferIdle = 1;
    }
    m_PauseWake.notify_all();
    {
        std::lock_guard lock(m_Lock);
    }
    m_Wake.notify_all();
    // Closing the port wakes a worker that waits on the line.
    if (Line().IsOpen())
        Line().Close();
    m_Worker.join();
    if (Line().IsOpen())
        Line().Close();
    m_Stage = Stage::Idle;
}

bool TransferSession::TraceTo(const std::string& path, std::string& reason)
{
    auto trace = std::make_unique<TransferTrace>(m_Port, static_cast<TransferEvents&>(*this));
    if (!trace->Open(path, reason))
        return false;
    std::lock_guard step(m_StepLock);
    m_pTrace = std::move(trace);
    return true;
}

void TransferSession::Note(const std::string& text)
{
    if (m_pTrace)
        m_pTrace->Note(text);
}

TransferPort& TransferSession::Line()
{
    return m_pTrace ? static_cast<TransferPort&>(*m_pTrace) : m_Port;
}

TransferEvents& TransferSession::Events()
{
    return m_pTrace ? static_cast<TransferEvents&>(*m_pTrace) : *this;
}

void TransferSession::Choose(unsigned port, int xtal)
{
    m_Link.m_nPort = port;
    m_Link.m_nXtal = xtal >= 0 && xtal < XTAL_COUNT ? xtal : DEFAULT_XTAL;
}

bool TransferSession::OpenChosen()
{
    errno = 0;
    const bool open = Line().OpenAndConfigure(m_Link.m_nPort, XTAL_SETTINGS[m_Link.m_nXtal]);
    m_nPortError = open ? 0 : errno;
    return open;
}

bool TransferSession::Connect()
{
    if (Line().IsOpen())
        Line().Close();
    m_bConnected = OpenChosen();
    return m_bConnected;
}

void TransferSession::Disconnect()
{
    m_bConnected = false;
    Cancel();
}

bool TransferSession::StartDump()
{
    return Start(Kind::Dump);
}

bool TransferSession::StartVerify(std::span<const uint8_t> expected)
{
    {
        std::lock_guard step(m_StepLock);
        m_Expected.assign(expected.begin(), expected.end());
    }
    return Start(Kind::Verify);
}

bool TransferSession::StartUpgrade(std::span<const uint8_t> image)
{
    {
        std::lock_guard step(m_StepLock);
        m_Upgrade.assign(image.begin(), image.end());
    }
    return Start(Kind::Upgrade);
}

bool TransferSession::Start(Kind kind)
{
    std::lock_guard step(m_StepLock);
    if (m_Stage != Stage::Idle)
        return Line().IsOpen();
    m_pTransfer = std::make_unique<FlashTransfer>(Line(), m_Link, Events(), [this](int ms) { Pause(ms); });
    m_Kind = kind;
    if (kind == Kind::Upgrade) {
        m_pTransfer->SetUpgradeImage(m_Upgrade);
    } else {
        m_Flash.assign(IMAGE_SIZE, ERASED_FLASH);
        m_pTransfer->SetDumpTarget(m_Flash);
    }
    m_Link.m_bUpgradeMode = kind == Kind::Upgrade ? 1 : 0;
    m_Link.m_bReadRequested = 0;
    m_Link.m_bReadAccepted = 0;
    m_Link.m_nDumpStep = 1;
    m_Link.m_nDumpReceived = 0;
    m_bDumpDone = false;
    m_bUpgradeDone = false;
    m_bRateChangeFailed = false;
    {
        std::lock_guard lock(m_Lock);
        m_bEnded = false;
        m_bReadWanted = false;
        m_nError = 0;
    }
    Note(KindName(kind));
    const bool open = Line().IsOpen() || OpenChosen();
    m_Link.m_bTransferIdle = 0;
    m_Stage = Stage::WaitingForReset;
    m_Wake.notify_all();
    return open;
}

void TransferSession::Read()
{
    Stage ready = Stage::ReadyToRead;
    if (!m_Stage.compare_exchange_strong(ready, Stage::Reading))
        return;
    {
        std::lock_guard lock(m_Lock);
        m_bReadWanted = true;
    }
    m_Wake.notify_all();
    m_Listener.OnStage(Stage::Reading);
}

void TransferSession::Cancel()
{
    m_Link.m_bTransferIdle = 1;
    WakePauses();
    // Closing the port makes a step that waits on the line leave at once.
    if (Line().IsOpen())
        Line().Close();
    std::lock_guard step(m_StepLock);
    if (m_Stage != Stage::Idle) {
        End(Result::Cancelled, 0);
    } else if (Line().IsOpen()) {
        Line().Close();
    }
}

void TransferSession::RequestCancel()
{
    m_bCancelRequested = true;
    m_Link.m_bTransferIdle = 1;
}

TransferSession::Result TransferSession::Wait()
{
    std::unique_lock lock(m_Lock);
    m_Ended.wait(lock, [this] { return m_bEnded; });
    return m_Result;
}

int TransferSession::Error() const
{
    std::lock_guard lock(m_Lock);
    return m_nError;
}

std::vector<uint8_t> TransferSession::TakeDump()
{
    std::lock_guard lock(m_Lock);
    return std::move(m_Completed);
}

std::string TransferSession::KeptPath() const
{
    std::lock_guard lock(m_Lock);
    return m_strKeptPath;
}

std::string TransferSession::KeepProblem() const
{
    std::lock_guard lock(m_Lock);
    return m_strKeepProblem;
}

FlashVerification TransferSession::Verification() const
{
    std::lock_guard lock(m_Lock);
    return m_Verification;
}

const char* TransferSession::RateChangeFailureText(Kind kind)
{
    return kind == Kind::Upgrade ? "Can't open port!" : "Can't open the port!";
}

void TransferSession::Run()
{
    std::unique_lock lock(m_Lock);
    while (!m_bStopping) {
        if (m_Stage == Stage::Idle) {
            m_Wake.wait_for(lock, std::chrono::milliseconds(POLL_MS));
            lock.unlock();
            WatchIdleLine();
            lock.lock();
            continue;
        }
        const bool read = std::exchange(m_bReadWanted, false);
        lock.unlock();
        if (read)
            ReadStep();
        else
            PollStep();
        lock.lock();
    }
}

void TransferSession::WatchIdleLine()
{
    std::lock_guard step(m_StepLock);
    if (m_Stage != Stage::Idle || m_bStopping || !Line().IsOpen())
        return;
    const int lost = Line().LostError();
    if (lost == 0)
        return;
    Note(std::string("link lost: ") + std::strerror(lost));
    Line().Close();
    m_bConnected = false;
    m_Listener.OnLinkLost(lost, false);
}

void TransferSession::ReadStep()
{
    std::lock_guard step(m_StepLock);
    if (m_Stage != Stage::Reading || m_bStopping)
        return;
    Note("reading " + std::to_string(IMAGE_SIZE) + " bytes");
    m_pTransfer->StartRead(uint32_t(IMAGE_SIZE));
    AfterStep();
}

void TransferSession::PollStep()
{
    const bool input = Line().WaitForInput(POLL_MS);
    std::lock_guard step(m_StepLock);
    if (m_Stage == Stage::Idle || m_bStopping)
        return;
    if (m_bCancelRequested) {
        End(Result::Cancelled, 0);
        return;
    }
    if (input)
        m_pTransfer->OnReceive(m_Link.m_nPort);
    AfterStep();
}

void TransferSession::AfterStep()
{
    if (m_bStopping || m_Stage == Stage::Idle)
        return;
    // A line that goes away right after the last byte lost nothing.
    if (m_bDumpDone) {
        FinishDump();
    } else if (m_bUpgradeDone) {
        End(Result::Done, 0);
    } else if (const int lost = Line().LostError()) {
        Note(std::string("link lost: ") + std::strerror(lost));
        m_bConnected = false;
        End(Result::LinkLost, lost);
    } else if (m_bRateChangeFailed && m_bEndOnRateChangeFailure) {
        End(Result::Failed, 0);
    }
}

void TransferSession::FinishDump()
{
    // Kept before anything is made of it: the raw flash may be the only copy of a channel list.
    std::string path;
    std::string reason;
    if (!m_Archive.Keep(m_Flash, path, reason))
        path.clear();
    FlashVerification verification;
    if (m_Kind == Kind::Verify)
        verification = VerifyFlash(m_Expected, m_Flash, AnsiCodePageText());
    {
        std::lock_guard lock(m_Lock);
        m_Completed = std::move(m_Flash);
        m_strKeptPath = path;
        m_strKeepProblem = reason;
        m_Verification = std::move(verification);
    }
    m_Flash.clear();
    End(Result::Done, 0);
}

void TransferSession::End(Result result, int error)
{
    m_Link.m_bTransferIdle = 1;
    m_Link.m_nDumpStep = 1;
    m_Link.m_bReadRequested = 0;
    m_Link.m_bReadAccepted = 0;
    if (Line().IsOpen())
        Line().Close();
    Note(result == Result::Done ? "finished" : result == Result::Cancelled ? "cancelled" : "failed");
    m_Stage = Stage::Idle;
    // The listener hears of the end before anyone waiting for it goes on.
    if (result == Result::LinkLost)
        m_Listener.OnLinkLost(error, true);
    else if (result != Result::Cancelled)
        m_Listener.OnFinished(m_Kind, result);
    {
        std::lock_guard lock(m_Lock);
        m_bEnded = true;
        m_bReadWanted = false;
        m_Result = result;
        m_nError = error;
    }
    m_Ended.notify_all();
}

void TransferSession::Pause(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now()
        + std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double, std::milli>(milliseconds * m_dPauseScale));
    std::unique_lock lock(m_PauseLock);
    // A pause of a transfer that ended has nothing left to wait for.
    while (!m_bStopping && m_Link.m_bTransferIdle == 0) {
        const auto now = Clock::now();
        if (now >= end)
            return;
        m_PauseWake.wait_for(lock, std::min<Clock::duration>(end - now, PAUSE_SLICE));
    }
}

void TransferSession::WakePauses()
{
    {
        std::lock_guard lock(m_PauseLock);
    }
    m_PauseWake.notify_all();
}

void TransferSession::OnProgress(uint32_t total, uint32_t done)
{
    m_Listener.OnProgress(total, done);
}

void TransferSession::OnReceiverReady()
{
    Stage waiting = Stage::WaitingForReset;
    if (m_Stage.compare_exchange_strong(waiting, Stage::ReadyToRead))
        m_Listener.OnStage(Stage::ReadyToRead);
}

void TransferSession::OnUpgradeStarted()
{
    m_Stage = Stage::Upgrading;
    m_Listener.OnStage(Stage::Upgrading);
}

void TransferSession::OnRateChangeFailed()
{
    m_bRateChangeFailed = true;
    m_Listener.OnRateChangeFailed();
}

void TransferSession::OnDumpDone()
{
    m_bDumpDone = true;
}

void TransferSession::OnUpgradeDone()
{
    m_bUpgradeDone = true;
}
