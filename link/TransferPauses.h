#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

// The protocol's pauses, scaled, and cut short as soon as the transfer ends.
class TransferPauses {
public:
    // A pause lasts only while transferIdle is 0.
    explicit TransferPauses(const std::atomic<int>& transferIdle);

    void SetScale(double scale) { m_dScale = scale; }
    void Pause(int milliseconds);
    // Wakes every pause, to look at whether its transfer still runs.
    void Wake();
    // Every pause, this one and later ones, returns at once.
    void Stop();

private:
    const std::atomic<int>& m_TransferIdle;
    std::atomic<double> m_dScale{1.0};
    std::mutex m_Lock;
    std::condition_variable m_Woken;
    bool m_bStopped = false;
};
