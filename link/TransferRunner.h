#pragma once

#include "FlashTransfer.h"
#include "LinkState.h"
#include "TransferSink.h"
#include "TransferTrace.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

class ChannelDatabase;

// Runs one dump or upgrade on the calling thread, with neither a worker nor
// an event loop: the command line's way to drive FlashTransfer. It waits on
// the port itself, hands each arrival to the state machine, and plays the
// window's part: it starts the read as soon as the receiver is ready.
class TransferRunner : private TransferSink {
public:
    enum class Result { Done, Cancelled, PortFailed, LinkLost, Failed };
    enum class Stage { WaitingForReset, Reading, Upgrading };

    // What the caller hears while a transfer runs.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void OnStage(Stage stage) = 0;
        // A dump: bytes stored of total. An upgrade: percent of 100, the
        // image's bytes sent so far being BytesSent().
        virtual void OnProgress(uint32_t total, uint32_t done) = 0;
    };

    TransferRunner(TransferPort& port, Listener& listener);
    ~TransferRunner() override;

    // Every later transfer is traced to the file; false with the reason when it cannot be written.
    bool TraceTo(const std::string& path, std::string& reason);
    // Notes a step of the caller's in the trace, if there is one.
    void Note(const std::string& text);
    // Multiplies every protocol pause. Tests shorten the pauses with it.
    void SetPauseScale(double scale) { m_dPauseScale = scale; }

    // Opens the port at the crystal's rate, waits for the receiver's reset
    // and reads its whole flash into into.m_Image.
    Result Dump(unsigned port, int xtal, ChannelDatabase& into);
    // Opens the port at the crystal's rate, waits for the receiver's reset
    // and sends the first image.m_nFlashSize bytes of image.m_Image.
    Result Upgrade(unsigned port, int xtal, ChannelDatabase& image);

    // Ends the running transfer, and any later one, at its next check. Safe
    // from another thread and from a signal handler.
    void Cancel();

    // The system's error for PortFailed and LinkLost.
    int Error() const { return m_nError; }
    // The state machine's message for Failed.
    const std::string& Message() const { return m_strMessage; }
    uint32_t BytesSent() const { return m_pTransfer ? m_pTransfer->BytesSent() : 0; }

    // How often the port is looked at while nothing arrives.
    static constexpr int POLL_MS = 100;

private:
    Result Run(unsigned port, int xtal, ChannelDatabase& database, bool upgrade);
    void Pause(int milliseconds);

    void PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void EnableDumpButton(bool enable) override;
    void SetDumpCaption(const std::string& caption) override;
    void SetStatusText(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;

    TransferPort& m_Port;
    Listener& m_Listener;
    std::unique_ptr<TransferTrace> m_pTrace;
    LinkState m_Link;
    std::atomic<int> m_bImageLoaded{1};
    std::unique_ptr<FlashTransfer> m_pTransfer;
    double m_dPauseScale = 1.0;

    std::atomic<bool> m_bCancelled{false};
    bool m_bDone = false;
    bool m_bReadWanted = false;
    bool m_bFailed = false;
    int m_nError = 0;
    std::string m_strMessage;
};
