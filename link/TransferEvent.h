#pragma once

#include <algorithm>
#include <cstdint>

enum class TransferKind { Dump, Verify, Upgrade };

enum class TransferStage {
    Idle,
    WaitingForReset,
    ReadyToRead,
    Reading,
    Upgrading,
    // The port did not open again at the transfer rate; the transfer waits to be cancelled.
    Stalled,
};

enum class TransferResult { Done, Cancelled, PortFailed, LinkLost, Failed };

enum class ProgressUnit { Bytes, Percent };

// What a transfer session reports, in the order it happens.
struct TransferEvent {
    enum class Type { Stage, Progress, End };

    Type type = Type::Stage;
    TransferKind kind = TransferKind::Dump;
    // Stage: the stage entered. Progress: the stage it belongs to. End: the
    // stage the transfer ended in; Idle when the line of a connected port
    // went away while no transfer ran.
    TransferStage stage = TransferStage::Idle;
    // Progress: done of total in unit; a dump counts bytes, an upgrade
    // percent. bytes is the image bytes moved so far, in either.
    uint32_t done = 0;
    uint32_t total = 0;
    ProgressUnit unit = ProgressUnit::Bytes;
    uint32_t bytes = 0;
    // End: how; error is the system's reason (an errno) of PortFailed,
    // LinkLost and Failed, and of the Stalled stage.
    TransferResult result = TransferResult::Done;
    int error = 0;

    // Progress: how far the transfer is, from 0 to 100.
    uint32_t Percent() const { return total ? uint32_t(std::min<uint64_t>(uint64_t(done) * 100 / total, 100)) : 0; }

    bool operator==(const TransferEvent&) const = default;
};

// What the user is told when the port does not open again at the transfer
// rate: the Stalled stage, and a transfer that ends Failed.
inline const char* RateChangeFailureText(TransferKind kind)
{
    return kind == TransferKind::Upgrade ? "Can't open port!" : "Can't open the port!";
}

// Hears a session's events, on the session's worker thread or on the thread
// that called the session.
class TransferListener {
public:
    virtual ~TransferListener() = default;
    virtual void OnEvent(const TransferEvent& event) = 0;
};
