#pragma once

#include "ChannelDatabase.h"
#include "PseudoTerminal.h"
#include "TransferSession.h"
#include "VirtualReceiver.h"
#include "SerialPorts.h"
#include "cnComm.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

inline const char* StageName(TransferStage stage)
{
    switch (stage) {
    case TransferStage::Idle: return "idle";
    case TransferStage::WaitingForReset: return "waiting for reset";
    case TransferStage::ReadyToRead: return "ready to read";
    case TransferStage::Reading: return "reading";
    case TransferStage::Upgrading: return "upgrading";
    case TransferStage::Stalled: return "stalled";
    }
    return "?";
}

inline const char* ResultName(TransferResult result)
{
    switch (result) {
    case TransferResult::Done: return "done";
    case TransferResult::Cancelled: return "cancelled";
    case TransferResult::PortFailed: return "port failed";
    case TransferResult::LinkLost: return "link lost";
    case TransferResult::Failed: return "failed";
    }
    return "?";
}

// How gtest shows an event that differs.
inline void PrintTo(const TransferEvent& event, std::ostream* out)
{
    if (event.type == TransferEvent::Type::Stage)
        *out << "stage " << StageName(event.stage);
    else if (event.type == TransferEvent::Type::Progress)
        *out << "progress " << event.done << " of " << event.total;
    else
        *out << ResultName(event.result) << " in " << StageName(event.stage);
    if (event.error)
        *out << " (" << std::strerror(event.error) << ")";
}

inline TransferEvent StageEvent(TransferKind kind, TransferStage stage, int error = 0)
{
    return { .type = TransferEvent::Type::Stage, .kind = kind, .stage = stage, .error = error };
}

inline TransferEvent EndEvent(TransferKind kind, TransferStage in, TransferResult result, int error = 0)
{
    return { .type = TransferEvent::Type::End, .kind = kind, .stage = in, .result = result, .error = error };
}

// What a transfer session tells its user, in order: its stages and ends,
// and its progress apart.
class SessionRecorder : public TransferListener {
public:
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 30000)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    void OnEvent(const TransferEvent& event) override
    {
        std::lock_guard lock(m_Lock);
        (event.type == TransferEvent::Type::Progress ? m_Progress : m_Events).push_back(event);
    }

    std::vector<TransferEvent> Events() const
    {
        std::lock_guard lock(m_Lock);
        return m_Events;
    }
    std::vector<TransferEvent> Progress() const
    {
        std::lock_guard lock(m_Lock);
        return m_Progress;
    }
    // The progress done, one after the other.
    std::vector<uint32_t> ProgressDone() const
    {
        std::vector<uint32_t> done;
        for (const TransferEvent& event : Progress())
            done.push_back(event.done);
        return done;
    }
    bool Heard(TransferStage stage) const
    {
        const auto events = Events();
        return std::any_of(events.begin(), events.end(), [stage](const TransferEvent& event) {
            return event.type == TransferEvent::Type::Stage && event.stage == stage;
        });
    }
    bool Ended() const
    {
        const auto events = Events();
        return std::any_of(events.begin(), events.end(),
            [](const TransferEvent& event) { return event.type == TransferEvent::Type::End; });
    }
    void Forget()
    {
        std::lock_guard lock(m_Lock);
        m_Events.clear();
        m_Progress.clear();
    }

private:
    mutable std::mutex m_Lock;
    std::vector<TransferEvent> m_Events;
    std::vector<TransferEvent> m_Progress;
};

// A transfer session on port 4 with a virtual receiver on a pseudo-terminal behind it.
class LinkHarness : public SessionRecorder {
public:
    explicit LinkHarness(double pauseScale = 0.01)
    {
        m_Options.pauseScale = pauseScale;
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
        m_Receiver->SetReport([](const std::string& text) { std::fprintf(stderr, "receiver: %s\n", text.c_str()); });
        if (!m_Receiver->Open())
            return false;
        m_Route = std::make_unique<PortRoute>(m_Ports, 4, m_Receiver->DevicePath());
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

    // A whole dump, the read started once the receiver is ready, to its outcome.
    TransferOutcome Dump()
    {
        Forget();
        if (m_Session->Dump(m_Options) && WaitFor([this] { return Heard(TransferStage::ReadyToRead) || Ended(); }))
            m_Session->Read();
        return m_Session->Wait();
    }

    // The session has let its port go: another opener can take it.
    bool PortLetGo() const
    {
        const int fd = OpenSerialDevice(m_Receiver->DevicePath());
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    }

    PortDevices m_Ports;
    TransferOptions m_Options;
    std::unique_ptr<TransferSession> m_Session
        = std::make_unique<TransferSession>(std::make_unique<cnComm>(m_Ports), *this);
    std::unique_ptr<VirtualReceiver> m_Receiver;
    std::unique_ptr<PortRoute> m_Route;
    std::thread m_ReceiverThread;
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
