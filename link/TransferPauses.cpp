#include "TransferPauses.h"

#include <algorithm>
#include <chrono>

namespace {

// Pauses are cut into slices this long, so that a cancel from a signal
// handler, which wakes nobody, ends them soon.
constexpr auto PAUSE_SLICE = std::chrono::milliseconds(10);

} // namespace

TransferPauses::TransferPauses(const std::atomic<int>& transferIdle)
    : m_TransferIdle(transferIdle)
{
}

void TransferPauses::Pause(int milliseconds)
{
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now()
        + std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double, std::milli>(milliseconds * m_dScale));
    std::unique_lock lock(m_Lock);
    // A pause of a transfer that ended has nothing left to wait for.
    while (!m_bStopped && m_TransferIdle == 0) {
        const auto now = Clock::now();
        if (now >= end)
            return;
        m_Woken.wait_for(lock, std::min<Clock::duration>(end - now, PAUSE_SLICE));
    }
}

void TransferPauses::Wake()
{
    {
        std::lock_guard lock(m_Lock);
    }
    m_Woken.notify_all();
}

void TransferPauses::Stop()
{
    {
        std::lock_guard lock(m_Lock);
        m_bStopped = true;
    }
    m_Woken.notify_all();
}
