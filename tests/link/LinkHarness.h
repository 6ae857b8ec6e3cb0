#pragma once

#include "ChannelDatabase.h"
#include "PseudoTerminal.h"
#include "TransferSession.h"
#include "VirtualReceiver.h"
#include "cnComm.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What a transfer session tells its user, in order: "ready", "reading",
// "upgrading", "rate change failed", "finished", "failed", "lost" and
// "lost while idle", and the progress apart.
class SessionRecorder : public TransferSession::Listener {
public:
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    bool Heard(const std::string& event) const
    {
        std::lock_guard lock(m_Lock);
        return std::find(m_Log.begin(), m_Log.end(), event) != m_Log.end();
    }
    bool Ended() const { return Heard("finished") || Heard("failed") || Heard("lost"); }
    std::vector<std::string> Log() const
    {
        std::lock_guard lock(m_Lock);
        return m_Log;
    }
    std::vector<uint32_t> Progress() const
    {
        std::lock_guard lock(m_Lock);
        return m_Progress;
    }
    void Forget()
    {
        std::lock_guard lock(m_Lock);
        m_Log.clear();
        m_Progress.clear();
    }

    void OnStage(TransferSession::Stage stage) override
    {
        Record(stage == TransferSession::Stage::ReadyToRead ? "ready"
                : stage == TransferSession::Stage::Reading  ? "reading"
                                                            : "upgrading");
    }
    void OnProgress(uint32_t, uint32_t done) override
    {
        std::lock_guard lock(m_Lock);
        m_Progress.push_back(done);
    }
    void OnRateChangeFailed() override { Record("rate change failed"); }
    void OnFinished(TransferSession::Kind, TransferSession::Result result) override
    {
        Record(result == TransferSession::Result::Done ? "finished" : "failed");
    }
    void OnLinkLost(int, bool duringTransfer) override { Record(duringTransfer ? "lost" : "lost while idle"); }

private:
    void Record(const char* event)
    {
        std::lock_guard lock(m_Lock);
        m_Log.push_back(event);
    }

    mutable std::mutex m_Lock;
    std::vector<std::string> m_Log;
    std::vector<uint32_t> m_Progress;
};

// A transfer session on port 4 with a virtual receiver on a pseudo-terminal behind it.
class LinkHarness : public SessionRecorder {
public:
    explicit LinkHarness(double pauseScale = 0.01)
    {
        m_Session->SetPauseScale(pauseScale);
        m_Session->Choose(4, 4);
    }

    ~LinkHarness() override
    {
        m_Session.reset();
        StopReceiver();
    }

    // With closeWhenDone the receiver closes its line as soon as its
    // sessions end, as the program does when it exits.
    bool StartReceiver(VirtualReceiverOptions options, bool closeWhenDone = false)
    {
        StopReceiver();
        m_Route.reset();
        m_Receiver = std::make_unique<VirtualReceiver>(std::move(options));
        m_Receiver->SetReport([this](const std::string& text) {
            std::fprintf(stderr, "receiver: %s\n", text.c_str());
            std::lock_guard lock(m_ReportLock);
            m_Reports.push_back(text);
        });
        if (!m_Receiver->Open())
            return false;
        m_Route = std::make_unique<PortRoute>(m_Comm, 4, m_Receiver->DevicePath());
        m_ReceiverThread = std::thread([this, closeWhenDone] {
            m_Receiver->Run();
            if (closeWhenDone)
                m_Receiver->HangUp();
        });
        return true;
    }

    void StopReceiver()
    {
        if (!m_Receiver)
            return;
        m_Receiver->Stop();
        if (m_ReceiverThread.joinable())
            m_ReceiverThread.join();
    }

    void ChooseXtal(int xtal) { m_Session->Choose(4, xtal); }

    // Whether the receiver has reported this fault or notice.
    bool ReceiverSaid(const std::string& text) const
    {
        std::lock_guard lock(m_ReportLock);
        return std::find(m_Reports.begin(), m_Reports.end(), text) != m_Reports.end();
    }

    // A whole dump, the read started once the receiver is ready; false on
    // time-out or when it ends otherwise than done.
    bool Dump(int timeoutMs = 30000)
    {
        Forget();
        if (!m_Session->StartDump())
            return false;
        if (!WaitFor([this] { return m_Session->CurrentStage() == TransferSession::Stage::ReadyToRead; }, timeoutMs))
            return false;
        m_Session->Read();
        return WaitFor([this] { return Ended(); }, timeoutMs) && Heard("finished");
    }

    cnComm m_Comm;
    std::unique_ptr<TransferSession> m_Session = std::make_unique<TransferSession>(m_Comm, *this);
    std::unique_ptr<VirtualReceiver> m_Receiver;
    std::unique_ptr<PortRoute> m_Route;
    std::thread m_ReceiverThread;

private:
    mutable std::mutex m_ReportLock;
    std::vector<std::string> m_Reports;
};

inline std::vector<uint8_t> PatternImage(size_t size, uint32_t seed)
{
    std::vector<uint8_t> image(size);
    uint32_t x = seed;
    for (uint8_t& byte : image) {
        x = x * 1664525u + 1013904223u;
        byte = uint8_t(x >> 24);
    }
    return image;
}
