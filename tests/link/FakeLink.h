#pragma once

#include "TransferPort.h"
#include "TransferEvents.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// A port that hands out scripted arrivals and records every call.
class FakePort : public TransferPort {
public:
    // Each arrival is what one Read finds queued.
    void Arrive(std::vector<uint8_t> bytes) { m_Arrivals.push_back(std::move(bytes)); }
    void ArriveByte(uint8_t byte) { Arrive({byte}); }

    bool IsOpen() const override { return m_bOpen; }
    int LostError() const override { return m_nLostError; }

    int Read(uint8_t* buffer, int maxCount) override
    {
        ++m_nReads;
        m_MaxCounts.push_back(maxCount);
        if (m_Arrivals.empty())
            return 0;
        std::vector<uint8_t>& next = m_Arrivals.front();
        const size_t n = std::min(next.size(), size_t(maxCount));
        std::copy(next.begin(), next.begin() + long(n), buffer);
        next.erase(next.begin(), next.begin() + long(n));
        if (next.empty())
            m_Arrivals.pop_front();
        return int(n);
    }

    int Write(const uint8_t* buffer, int length) override
    {
        m_Writes.emplace_back(buffer, buffer + length);
        m_Calls.push_back("write " + std::to_string(length));
        return length;
    }

    bool WaitForInput(int timeoutMs) override
    {
        m_Calls.push_back("wait " + std::to_string(timeoutMs));
        if (m_OnWait)
            m_OnWait();
        return !m_Arrivals.empty();
    }

    void DrainOutput() override { m_Calls.push_back("drain"); }

    void Close() override
    {
        m_Calls.push_back("close");
        m_bOpen = false;
    }

    bool OpenAndConfigure(unsigned port, const char* settings) override
    {
        m_Calls.push_back("open " + std::to_string(port) + " " + settings);
        m_bOpen = m_bOpenSucceeds;
        return m_bOpen;
    }

    std::vector<uint8_t> Written() const
    {
        std::vector<uint8_t> all;
        for (const auto& w : m_Writes)
            all.insert(all.end(), w.begin(), w.end());
        return all;
    }

    bool m_bOpen = true;
    int m_nLostError = 0;
    bool m_bOpenSucceeds = true;
    int m_nReads = 0;
    std::vector<int> m_MaxCounts;
    std::deque<std::vector<uint8_t>> m_Arrivals;
    std::vector<std::vector<uint8_t>> m_Writes;
    std::vector<std::string> m_Calls;
    std::function<void()> m_OnWait;
};

// Records the protocol's events in order: "progress 999 of 1048576", "ready",
// "upgrade started", "rate change failed", "dump done", "upgrade done".
class RecordingEvents : public TransferEvents {
public:
    void OnProgress(uint32_t total, uint32_t done) override
    {
        m_Log.push_back("progress " + std::to_string(done) + " of " + std::to_string(total));
        m_Progress.push_back(done);
    }
    void OnReceiverReady() override { m_Log.push_back("ready"); }
    void OnUpgradeStarted() override { m_Log.push_back("upgrade started"); }
    void OnRateChangeFailed(int) override { m_Log.push_back("rate change failed"); }
    void OnDumpDone() override { m_Log.push_back("dump done"); }
    void OnUpgradeDone() override { m_Log.push_back("upgrade done"); }

    void Clear()
    {
        m_Log.clear();
        m_Progress.clear();
    }

    std::vector<std::string> m_Log;
    std::vector<uint32_t> m_Progress;
};
