#pragma once

#include "TransferPort.h"
#include "TransferSink.h"

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

struct Posted {
    unsigned message;
    uintptr_t wParam;
    intptr_t lParam;
    bool operator==(const Posted&) const = default;
};

// Records window messages and window actions in order.
class RecordingSink : public TransferSink {
public:
    void PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam) override
    {
        m_Posts.push_back({message, wParam, lParam});
    }
    void EnableDumpButton(bool enable) override { m_Actions.push_back(enable ? "enable dump" : "disable dump"); }
    void SetDumpCaption(const std::string& caption) override { m_Actions.push_back("caption " + caption); }
    void SetStatusText(const std::string& text) override { m_Actions.push_back("status " + text); }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        m_Actions.push_back("message " + text + " / " + caption);
    }

    std::vector<intptr_t> Progress() const
    {
        std::vector<intptr_t> done;
        for (const Posted& p : m_Posts)
            if (p.message == 1179)
                done.push_back(p.lParam);
        return done;
    }

    std::vector<Posted> m_Posts;
    std::vector<std::string> m_Actions;
};
