#pragma once

#include "DumpArchive.h"
#include "TransferEvent.h"
#include "TransferEvents.h"
#include "TransferOptions.h"
#include "TransferOutcome.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class FlashTransfer;

// The transfer a session runs: its kind, stage and options, its bytes, and
// what the protocol said of it, told to the listener as the session's events.
class TransferRun : public TransferEvents {
public:
    // readWanted starts the read of a receiver that is ready.
    TransferRun(TransferListener& listener, std::function<void()> readWanted);

    // A new transfer of that kind: bytes are what an upgrade sends or what
    // a verify expects. It waits for the receiver's reset.
    void Begin(TransferKind kind, std::span<const uint8_t> bytes, const TransferOptions& options);
    // The protocol that runs it; its bytes sent go with an upgrade's progress.
    void Attach(const FlashTransfer* transfer) { m_pTransfer = transfer; }

    TransferKind Kind() const { return m_Kind; }
    TransferStage Stage() const { return m_Stage; }
    // Enters the stage when the transfer is in from, and says so.
    bool Enter(TransferStage from, TransferStage to);
    // Idle again; the listener hears how the transfer ended.
    void End(TransferResult result, int error);
    // The line of a connected port went away while no transfer ran.
    void LostWhileIdle(int error);

    std::span<uint8_t> DumpTarget() { return m_Flash; }
    std::span<const uint8_t> Bytes() const { return m_Bytes; }
    bool DumpDone() const { return m_bDumpDone; }
    bool UpgradeDone() const { return m_bUpgradeDone; }
    // The system's error of a failed rate change that ends the transfer, as
    // the options say it does; 0 while there is none.
    int EndingStall() const { return m_Options.endOnPortFailure ? m_nStallError : 0; }
    // The flash read, kept in the archive before anything is made of it, and
    // held against the expected bytes by a verify.
    TransferOutcome Complete(const DumpArchive& archive);

    void OnProgress(uint32_t total, uint32_t done) override;
    void OnReceiverReady() override;
    void OnUpgradeStarted() override;
    void OnRateChangeFailed(int error) override;
    void OnDumpDone() override { m_bDumpDone = true; }
    void OnUpgradeDone() override { m_bUpgradeDone = true; }

private:
    void Emit(TransferEvent event);

    TransferListener& m_Listener;
    std::function<void()> m_ReadWanted;
    const FlashTransfer* m_pTransfer = nullptr;
    std::atomic<TransferKind> m_Kind{TransferKind::Dump};
    std::atomic<TransferStage> m_Stage{TransferStage::Idle};
    TransferOptions m_Options;
    std::vector<uint8_t> m_Bytes;
    std::vector<uint8_t> m_Flash;
    bool m_bDumpDone = false;
    bool m_bUpgradeDone = false;
    int m_nStallError = 0;
};
