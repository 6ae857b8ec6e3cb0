#include "TransferRunner.h"

#include "ChannelDatabase.h"
#include "Crystals.h"
#include "LinkMessages.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// Pauses are cut into slices this long, so that a cancel ends them soon.
constexpr int PAUSE_SLICE_MS = 10;

} // namespace

TransferRunner::TransferRunner(TransferPort& port, Listener& listener)
    : m_Port(port)
    , m_Listener(listener)
{
}

TransferRunner::~TransferRunner() = default;

bool TransferRunner::TraceTo(const std::string& path, std::string& reason)
{
    auto trace = std::make_unique<TransferTrace>(m_Port, static_cast<TransferSink&>(*this));
    if (!trace->Open(path, reason))
        return false;
    m_pTrace = std::move(trace);
    return true;
}

void TransferRunner::Note(const std::string& text)
{
    if (m_pTrace)
        m_pTrace->Note(text);
}

void TransferRunner::Cancel()
{
    m_bCancelled = true;
    m_Link.m_bTransferIdle = 1;
}

TransferRunner::Result TransferRunner::Dump(unsigned port, int xtal, ChannelDatabase& into)
{
    return Run(port, xtal, into, false);
}

TransferRunner::Result TransferRunner::Upgrade(unsigned port, int xtal, ChannelDatabase& image)
{
    return Run(port, xtal, image, true);
}

TransferRunner::Result TransferRunner::Run(unsigned port, int xtal, ChannelDatabase& database, bool upgrade)
{
    if (xtal < 0 || xtal >= XTAL_COUNT)
        xtal = DEFAULT_XTAL;
    m_Link.m_nPort = port;
    m_Link.m_nXtal = xtal;
    m_Link.m_bUpgradeMode = upgrade ? 1 : 0;
    m_Link.m_bReadRequested = 0;
    m_Link.m_bReadAccepted = 0;
    m_Link.m_nDumpStep = 1;
    m_Link.m_nDumpReceived = 0;
    m_bDone = false;
    m_bReadWanted = false;
    m_bFailed = false;
    m_nError = 0;
    m_strMessage.clear();

    TransferPort& line = m_pTrace ? static_cast<TransferPort&>(*m_pTrace) : m_Port;
    TransferSink& sink = m_pTrace ? static_cast<TransferSink&>(*m_pTrace) : *this;
    m_pTransfer = std::make_unique<FlashTransfer>(line, m_Link, database, m_bImageLoaded, sink,
        [this](int milliseconds) { Pause(milliseconds); });
    Note(upgrade ? "upgrade" : "dump");

    if (m_bCancelled)
        return Result::Cancelled;
    errno = 0;
    if (!line.OpenAndConfigure(port, XTAL_SETTINGS[xtal])) {
        m_nError = errno;
        return Result::PortFailed;
    }
    m_Link.m_bTransferIdle = m_bCancelled ? 1 : 0;
    m_Listener.OnStage(Stage::WaitingForReset);

    Result result = Result::Done;
    while (true) {
        if (m_bCancelled) {
            result = Result::Cancelled;
            break;
        }
        // A line that goes away right after the last byte lost nothing.
        if (m_bDone)
            break;
        if (const int lost = line.LostError()) {
            m_nError = lost;
            result = Result::LinkLost;
            break;
        }
        if (m_bFailed) {
            result = Result::Failed;
            break;
        }
        if (m_bReadWanted) {
            // The window's "Read" button, pressed for the user.
            m_bReadWanted = false;
            m_Listener.OnStage(Stage::Reading);
            m_pTransfer->StartRead(START_READ_SEND, uint32_t(IMAGE_SIZE));
            continue;
        }
        if (line.WaitForInput(POLL_MS))
            m_pTransfer->OnReceive(port);
    }
    m_Link.m_bTransferIdle = 1;
    if (line.IsOpen())
        line.Close();
    Note(result == Result::Done ? "finished" : result == Result::Cancelled ? "cancelled" : "failed");
    return result;
}

void TransferRunner::Pause(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration<double, std::milli>(milliseconds * m_dPauseScale);
    while (!m_bCancelled) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long long>(left, PAUSE_SLICE_MS)));
    }
}

void TransferRunner::PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (message == WM_TRANSFER_PROGRESS)
        m_Listener.OnProgress(uint32_t(wParam), uint32_t(lParam));
    else if (message == WM_DUMP_DONE || message == WM_UPGRADE_DONE)
        m_bDone = true;
}

void TransferRunner::EnableDumpButton(bool)
{
}

void TransferRunner::SetDumpCaption(const std::string&)
{
}

void TransferRunner::SetStatusText(const std::string&)
{
    // The state machine changes its status when the receiver is ready for
    // the read, and when an upgrade begins.
    if (m_Link.m_bUpgradeMode)
        m_Listener.OnStage(Stage::Upgrading);
    else if (m_Link.m_nDumpStep == 0 && !m_Link.m_bReadRequested)
        m_bReadWanted = true;
}

void TransferRunner::ShowMessage(const std::string& text, const std::string&)
{
    // In the window a failed reopen leaves the transfer waiting for a cancel;
    // here nobody would give it, so it ends.
    m_strMessage = text;
    m_bFailed = true;
}
