#include "TransferSession.h"

#include "ChannelDatabase.h"
#include "Crystals.h"

#include <chrono>
#include <cstring>
#include <utility>

namespace {

const char* KindName(TransferKind kind)
{
    switch (kind) {
    case TransferKind::Dump:
        return "dump";
    case TransferKind::Verify:
        return "verify";
    case TransferKind::Upgrade:
        return "upgrade";
    }
    return "";
}

const char* ResultName(TransferResult result)
{
    switch (result) {
    case TransferResult::Done:
        return "finished";
    case TransferResult::Cancelled:
        return "cancelled";
    case TransferResult::PortFailed:
        return "the port did not open";
    case TransferResult::LinkLost:
        return "link lost";
    case TransferResult::Failed:
        return "failed";
    }
    return "";
}

} // namespace

TransferSession::TransferSession(std::unique_ptr<TransferPort> port, TransferListener& listener)
    : m_Port(std::move(port))
    , m_Run(listener, [this] { Read(); })
{
    m_Worker = std::thread([this] { Run(); });
}

TransferSession::~TransferSession()
{
    m_bStopping = true;
    m_Link.m_bTransferIdle = 1;
    m_Pauses.Stop();
    {
        std::lock_guard lock(m_Lock);
    }
    m_Wake.notify_all();
    // Closing the port wakes a worker that waits on the line.
    m_Port.Close();
    m_Worker.join();
    m_Port.Close();
}

bool TransferSession::TraceTo(const std::string& path, std::string& reason)
{
    std::lock_guard step(m_StepLock);
    return m_Port.TraceTo(path, m_Run, reason);
}

void TransferSession::Note(const std::string& text)
{
    m_Port.Note(text);
}

void TransferSession::Choose(unsigned port, int xtal)
{
    m_Link.m_nPort = port;
    m_Link.m_nXtal = xtal >= 0 && xtal < XTAL_COUNT ? xtal : DEFAULT_XTAL;
}

bool TransferSession::Connect()
{
    m_bConnected = m_Port.Open(m_Link.m_nPort, XTAL_SETTINGS[m_Link.m_nXtal]);
    return m_bConnected;
}

bool TransferSession::OpenPort()
{
    return m_Port.Line().IsOpen() || m_Port.Open(m_Link.m_nPort, XTAL_SETTINGS[m_Link.m_nXtal]);
}

void TransferSession::Disconnect()
{
    m_bConnected = false;
    Cancel();
}

bool TransferSession::Dump(const TransferOptions& options)
{
    return Start(TransferKind::Dump, {}, options);
}

bool TransferSession::Verify(std::span<const uint8_t> expected, const TransferOptions& options)
{
    return Start(TransferKind::Verify, expected, options);
}

bool TransferSession::Upgrade(std::span<const uint8_t> image, const TransferOptions& options)
{
    return Start(TransferKind::Upgrade, image, options);
}

bool TransferSession::Start(TransferKind kind, std::span<const uint8_t> bytes, const TransferOptions& options)
{
    std::lock_guard step(m_StepLock);
    if (!IsIdle())
        return m_Port.Line().IsOpen();
    {
        std::lock_guard lock(m_Lock);
        m_bEnded = false;
        m_bReadWanted = false;
        m_Outcome = {};
    }
    m_Pauses.SetScale(options.pauseScale);
    m_Run.Begin(kind, bytes, options);
    m_pTransfer = std::make_unique<FlashTransfer>(m_Port.Line(), m_Link, m_Port.Events(m_Run),
        [this](int ms) { m_Pauses.Pause(ms); });
    m_Run.Attach(m_pTransfer.get());
    if (kind == TransferKind::Upgrade)
        m_pTransfer->SetUpgradeImage(m_Run.Bytes());
    else
        m_pTransfer->SetDumpTarget(m_Run.DumpTarget());
    m_Link.m_bUpgradeMode = kind == TransferKind::Upgrade ? 1 : 0;
    m_Link.m_bReadRequested = 0;
    m_Link.m_bReadAccepted = 0;
    Note(KindName(kind));
    const bool open = OpenPort();
    if (!open && options.endOnPortFailure) {
        End(TransferResult::PortFailed, m_Port.OpenError());
        return false;
    }
    m_Link.m_bTransferIdle = 0;
    m_Wake.notify_all();
    return open;
}

void TransferSession::Read()
{
    if (!m_Run.Enter(TransferStage::ReadyToRead, TransferStage::Reading))
        return;
    {
        std::lock_guard lock(m_Lock);
        m_bReadWanted = true;
    }
    m_Wake.notify_all();
}

void TransferSession::Cancel()
{
    m_Link.m_bTransferIdle = 1;
    m_Pauses.Wake();
    // Closing the port makes a step that waits on the line leave at once.
    m_Port.Close();
    std::lock_guard step(m_StepLock);
    if (!IsIdle())
        End(TransferResult::Cancelled, 0);
    else
        m_Port.Close();
}

void TransferSession::RequestCancel()
{
    m_bCancelRequested = true;
    m_Link.m_bTransferIdle = 1;
}

TransferOutcome TransferSession::Wait()
{
    std::unique_lock lock(m_Lock);
    m_Ended.wait(lock, [this] { return m_bEnded; });
    return std::move(m_Outcome);
}

void TransferSession::Run()
{
    std::unique_lock lock(m_Lock);
    while (!m_bStopping) {
        if (IsIdle()) {
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
    if (!IsIdle() || m_bStopping || !m_Port.Line().IsOpen())
        return;
    const int lost = m_Port.Line().LostError();
    if (lost == 0)
        return;
    Note(std::string("link lost: ") + std::strerror(lost));
    m_Port.Close();
    m_bConnected = false;
    m_Run.LostWhileIdle(lost);
}

void TransferSession::ReadStep()
{
    std::lock_guard step(m_StepLock);
    if (CurrentStage() != TransferStage::Reading || m_bStopping)
        return;
    Note("reading " + std::to_string(IMAGE_SIZE) + " bytes");
    m_pTransfer->StartRead(uint32_t(IMAGE_SIZE));
    AfterStep();
}

void TransferSession::PollStep()
{
    const bool input = m_Port.Line().WaitForInput(POLL_MS);
    std::lock_guard step(m_StepLock);
    if (IsIdle() || m_bStopping)
        return;
    if (m_bCancelRequested) {
        End(TransferResult::Cancelled, 0);
        return;
    }
    if (input)
        m_pTransfer->OnReceive(m_Link.m_nPort);
    AfterStep();
}

void TransferSession::AfterStep()
{
    if (m_bStopping || IsIdle())
        return;
    // A line that goes away right after the last byte lost nothing.
    if (m_Run.DumpDone()) {
        End(TransferResult::Done, 0, m_Run.Complete(m_Archive));
    } else if (m_Run.UpgradeDone()) {
        End(TransferResult::Done, 0);
    } else if (const int lost = m_Port.Line().LostError()) {
        Note(std::string("link lost: ") + std::strerror(lost));
        m_bConnected = false;
        End(TransferResult::LinkLost, lost);
    } else if (const int stall = m_Run.EndingStall()) {
        End(TransferResult::Failed, stall);
    }
}

void TransferSession::End(TransferResult result, int error, TransferOutcome outcome)
{
    m_Link.m_bTransferIdle = 1;
    m_Link.m_bReadRequested = 0;
    m_Link.m_bReadAccepted = 0;
    m_Port.Close();
    Note(ResultName(result));
    outcome.kind = m_Run.Kind();
    outcome.result = result;
    outcome.error = error;
    // The listener hears of the end before anyone waiting for it goes on.
    m_Run.End(result, error);
    {
        std::lock_guard lock(m_Lock);
        m_bEnded = true;
        m_bReadWanted = false;
        m_Outcome = std::move(outcome);
    }
    m_Ended.notify_all();
}
