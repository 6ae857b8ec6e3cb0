#pragma once

#include "DumpArchive.h"
#include "FlashTransfer.h"
#include "LinkState.h"
#include "SessionPort.h"
#include "TransferEvent.h"
#include "TransferOptions.h"
#include "TransferOutcome.h"
#include "TransferPauses.h"
#include "TransferPort.h"
#include "TransferRun.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

// One receiver link for the window and the command line alike: it owns the
// port, runs the dump, upgrade and verify flows on a worker thread of its
// own, tells its listener of each stage, of the progress and of every end,
// and hands over each transfer's outcome. A dump reads into a buffer of the
// session's own and keeps it in the dumps folder once complete; an upgrade
// sends a copy of the bytes it was given.
class TransferSession {
public:
    TransferSession(std::unique_ptr<TransferPort> port, TransferListener& listener);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Every later transfer is traced to the file; false with the reason when
    // it cannot be written. Only before the first transfer.
    bool TraceTo(const std::string& path, std::string& reason);
    // Notes a step of the caller's in the trace, if there is one.
    void Note(const std::string& text);

    // The port number and crystal index the next opening uses.
    void Choose(unsigned port, int xtal);
    unsigned Port() const { return m_Link.m_nPort; }
    int Xtal() const { return m_Link.m_nXtal; }

    // Opens the chosen port at its crystal's rate, closing it first; false
    // with the system's reason in PortError().
    bool Connect();
    // Opens the chosen port unless it is open, as each flow does first;
    // false with the system's reason in PortError(). Leaves IsConnected as it is.
    bool OpenPort();
    // Closes the port and ends a running transfer.
    void Disconnect();
    // Whether the last Connect succeeded and nothing has disconnected since;
    // the port itself is closed at the end of every transfer.
    bool IsConnected() const { return m_bConnected; }
    int PortError() const { return m_Port.OpenError(); }

    // The flows. Each starts from idle, opening the chosen port when it is
    // closed, and waits for the receiver's reset until it ends; false when
    // the port does not open (see TransferOptions::endOnPortFailure).
    bool Dump(const TransferOptions& options);
    // A dump whose flash is held against what an upgrade of expected writes.
    bool Verify(std::span<const uint8_t> expected, const TransferOptions& options);
    // Sends the image, all of its bytes.
    bool Upgrade(std::span<const uint8_t> image, const TransferOptions& options);
    // Starts the read of a dump whose receiver is ready.
    void Read();
    // Ends the transfer at once as Cancelled: the port is closed and the
    // worker has left its step when this returns. With no transfer, closes the port.
    void Cancel();
    // Ends the running transfer, and every later one, at its next check.
    // Safe from a signal handler.
    void RequestCancel();
    // Waits until the transfer ends and hands over its outcome, once.
    TransferOutcome Wait();

    TransferStage CurrentStage() const { return m_Run.Stage(); }
    bool IsIdle() const { return CurrentStage() == TransferStage::Idle; }
    // The dumps folder, read from the environment when the session was made.
    const DumpArchive& Archive() const { return m_Archive; }

    // How long the worker waits for input before it looks at the state again.
    static constexpr int POLL_MS = 100;

private:
    bool Start(TransferKind kind, std::span<const uint8_t> bytes, const TransferOptions& options);
    void Run();
    void PollStep();
    void ReadStep();
    void WatchIdleLine();
    void AfterStep();
    // Idle again, the port closed, the outcome kept for Wait.
    void End(TransferResult result, int error, TransferOutcome outcome = {});

    SessionPort m_Port;
    const DumpArchive m_Archive;
    LinkState m_Link;
    std::atomic<bool> m_bConnected{false};
    std::atomic<bool> m_bCancelRequested{false};
    std::atomic<bool> m_bStopping{false};
    TransferPauses m_Pauses{m_Link.m_bTransferIdle};

    // Held by the worker while it runs a step, and by whoever starts or ends
    // a transfer; the transfer and its run belong to the step's holder.
    std::mutex m_StepLock;
    std::unique_ptr<FlashTransfer> m_pTransfer;
    TransferRun m_Run;

    // What the worker and its users exchange.
    std::mutex m_Lock;
    std::condition_variable m_Wake;
    std::condition_variable m_Ended;
    bool m_bReadWanted = false;
    bool m_bEnded = true;
    TransferOutcome m_Outcome;

    std::thread m_Worker;
};
