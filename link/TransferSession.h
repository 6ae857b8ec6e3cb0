#pragma once

#include "DumpArchive.h"
#include "FlashTransfer.h"
#include "FlashVerify.h"
#include "LinkState.h"
#include "TransferEvents.h"
#include "TransferPort.h"
#include "TransferTrace.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

// One receiver link for the window and the command line alike: the port,
// the worker thread that runs the transfer protocol on it, the state of the
// transfer and its buffers. A dump reads into a buffer of the session's own,
// keeps it in the dumps folder once complete and only then hands it over;
// an upgrade sends a copy of the bytes it was given.
class TransferSession : private TransferEvents {
public:
    enum class Kind { Dump, Verify, Upgrade };
    enum class Stage { Idle, WaitingForReset, ReadyToRead, Reading, Upgrading };
    enum class Result { Done, Cancelled, PortFailed, LinkLost, Failed };

    // What the session tells its user, on the worker thread (OnStage for
    // Reading on the thread that called Read).
    class Listener {
    public:
        virtual ~Listener() = default;
        // ReadyToRead, Reading or Upgrading.
        virtual void OnStage(Stage stage) = 0;
        // A dump: bytes stored of total. An upgrade: percent of 100, the
        // bytes sent so far being BytesSent().
        virtual void OnProgress(uint32_t total, uint32_t done) = 0;
        // The port did not open again at the transfer rate.
        virtual void OnRateChangeFailed() = 0;
        // A transfer of that kind ended by itself: Done, or Failed after a
        // failed rate change when the session was told to end on one.
        virtual void OnFinished(Kind kind, Result result) = 0;
        // The line went away (error is the system's), cutting a transfer short
        // when duringTransfer. The port is closed and the session disconnected.
        virtual void OnLinkLost(int error, bool duringTransfer) = 0;
    };

    TransferSession(TransferPort& port, Listener& listener);
    ~TransferSession() override;
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Every later transfer is traced to the file; false with the reason when
    // it cannot be written. Only before the first transfer.
    bool TraceTo(const std::string& path, std::string& reason);
    // Notes a step of the caller's in the trace, if there is one.
    void Note(const std::string& text);
    // Multiplies every protocol pause. Tests shorten the pauses with it.
    void SetPauseScale(double scale) { m_dPauseScale = scale; }
    // A failed rate change ends the transfer as Failed, where otherwise it
    // goes on and waits for a cancel.
    void SetEndOnRateChangeFailure(bool end) { m_bEndOnRateChangeFailure = end; }

    // The port number and crystal index the next opening uses.
    void Choose(unsigned port, int xtal);
    unsigned Port() const { return m_Link.m_nPort; }
    int Xtal() const { return m_Link.m_nXtal; }

    // Opens the chosen port at its crystal's rate, closing it first; false
    // with the system's reason in PortError().
    bool Connect();
    // Closes the port and ends a running transfer.
    void Disconnect();
    // Whether the last Connect succeeded and nothing has disconnected since;
    // the port itself is closed at the end of every transfer.
    bool IsConnected() const { return m_bConnected; }
    int PortError() const { return m_nPortError; }

    // Each starts a transfer from idle, opening the chosen port when it is
    // closed, and returns whether the port is open. The transfer starts
    // either way and waits for the receiver's reset until it is cancelled.
    bool StartDump();
    // A dump, then its flash held against what an upgrade of expected writes.
    bool StartVerify(std::span<const uint8_t> expected);
    // Sends the image, all of its bytes.
    bool StartUpgrade(std::span<const uint8_t> image);
    // Starts the read of a dump whose receiver is ready.
    void Read();
    // Ends the transfer at once: the port is closed and the worker has left
    // its step when this returns. With no transfer, closes the port.
    void Cancel();
    // Ends the running transfer, and every later one, at its next check.
    // Safe from a signal handler.
    void RequestCancel();
    // Waits until the running transfer ends and says how.
    Result Wait();

    Stage CurrentStage() const { return m_Stage; }
    Kind CurrentKind() const { return m_Kind; }
    bool IsIdle() const { return m_Stage == Stage::Idle; }
    // The system's error of the last transfer that ended as LinkLost.
    int Error() const;
    // Image bytes an upgrade has sent so far; on the worker thread only.
    uint32_t BytesSent() const { return m_pTransfer ? m_pTransfer->BytesSent() : 0; }
    uint32_t DumpReceived() const { return m_Link.m_nDumpReceived; }

    // The flash of the last completed dump or verify, handed over once.
    std::vector<uint8_t> TakeDump();
    // Where the last completed dump was kept; empty when it was not, with
    // the reason in KeepProblem().
    std::string KeptPath() const;
    std::string KeepProblem() const;
    // The dumps folder, read from the environment when the session was made.
    const DumpArchive& Archive() const { return m_Archive; }
    // What the last completed verify found.
    FlashVerification Verification() const;

    // What the user is told when the port does not open again at the
    // transfer rate.
    static const char* RateChangeFailureText(Kind kind);

    // How long the worker waits for input before it looks at the state again.
    static constexpr int POLL_MS = 100;

private:
    bool Start(Kind kind);
    bool OpenChosen();
    TransferPort& Line();
    TransferEvents& Events();
    void Run();
    void PollStep();
    void ReadStep();
    void WatchIdleLine();
    void AfterStep();
    void FinishDump();
    // Idle again, the port closed; the listener hears of every end but a cancel.
    void End(Result result, int error);
    void Pause(int milliseconds);
    void WakePauses();

    void OnProgress(uint32_t total, uint32_t done) override;
    void OnReceiverReady() override;
    void OnUpgradeStarted() override;
    void OnRateChangeFailed() override;
    void OnDumpDone() override;
    void OnUpgradeDone() override;

    TransferPort& m_Port;
    Listener& m_Listener;
    const DumpArchive m_Archive;
    LinkState m_Link;
    std::unique_ptr<TransferTrace> m_pTrace;
    std::atomic<double> m_dPauseScale{1.0};
    bool m_bEndOnRateChangeFailure = false;
    std::atomic<bool> m_bConnected{false};
    int m_nPortError = 0;
    std::atomic<Stage> m_Stage{Stage::Idle};
    std::atomic<Kind> m_Kind{Kind::Dump};
    std::atomic<bool> m_bCancelRequested{false};
    std::atomic<bool> m_bStopping{false};

    // Held by the worker while it runs a step, and by whoever starts or ends
    // a transfer; everything below it belongs to the step's holder.
    std::mutex m_StepLock;
    std::unique_ptr<FlashTransfer> m_pTransfer;
    std::vector<uint8_t> m_Flash;
    std::vector<uint8_t> m_Upgrade;
    std::vector<uint8_t> m_Expected;
    bool m_bDumpDone = false;
    bool m_bUpgradeDone = false;
    bool m_bRateChangeFailed = false;

    // What the worker and its users exchange.
    mutable std::mutex m_Lock;
    std::condition_variable m_Wake;
    std::condition_variable m_Ended;
    bool m_bReadWanted = false;
    bool m_bEnded = true;
    Result m_Result = Result::Done;
    int m_nError = 0;
    std::vector<uint8_t> m_Completed;
    std::string m_strKeptPath;
    std::string m_strKeepProblem;
    FlashVerification m_Verification;

    std::mutex m_PauseLock;
    std::condition_variable m_PauseWake;

    std::thread m_Worker;
};
