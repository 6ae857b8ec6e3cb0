#pragma once

#include "LinkState.h"
#include "TransferEvents.h"
#include "TransferPort.h"

#include <cstdint>
#include <functional>
#include <span>

// The program's side of the byte protocol that dumps the receiver's flash into
// a buffer or upgrades it from an image. Each received command byte is
// answered at once; the only state kept is a few flags and counters.
class FlashTransfer {
public:
    using PauseFunction = std::function<void(int milliseconds)>;

    FlashTransfer(TransferPort& port, LinkState& link, TransferEvents& events, PauseFunction pause);

    // Where a dump's image bytes go; a dump stores no more than it holds.
    void SetDumpTarget(std::span<uint8_t> target) { m_DumpTarget = target; }
    // What an upgrade sends: its size is the flash size the receiver is told.
    // Without it an upgrade leaves the receiver's bytes queued.
    void SetUpgradeImage(std::span<const uint8_t> image) { m_UpgradeImage = image; }

    // Input arrived on the port numbered port.
    void OnReceive(unsigned port);
    // Sends the read command for count image bytes.
    void StartRead(uint32_t count);
    // Image bytes an upgrade has sent so far.
    uint32_t BytesSent() const { return m_nBytesSent; }

    static constexpr unsigned DUMP_READ_MAX = 1024;
    static constexpr unsigned UPGRADE_READ_MAX = 1000;
    static constexpr unsigned BULK_READ_MAX = 1000;
    static constexpr uint32_t BLOCK_SIZE = 2048;
    static constexpr int SECTION_COUNT = 5;
    static_assert(UPGRADE_READ_MAX <= DUMP_READ_MAX && BULK_READ_MAX <= DUMP_READ_MAX);

private:
    void DumpStep();
    void BulkRead();
    void UpgradeStep();
    void SendFirstStage(std::span<const uint8_t> loader);
    void PauseAfterFirstStage();
    bool ChangeRate();
    void SendStageTwo();
    void SendUpgradeHeader();
    void SendBlocks(uint32_t length, uint32_t offset);
    void PostProgress(uint32_t percent);
    bool Cancelled() const;
    void Send(const uint8_t* bytes, size_t length);

    TransferPort& m_Port;
    LinkState& m_Link;
    TransferEvents& m_Events;
    std::span<uint8_t> m_DumpTarget;
    std::span<const uint8_t> m_UpgradeImage;
    PauseFunction m_Pause;

    // What one read of the port takes in.
    uint8_t m_Buffer[DUMP_READ_MAX] = {};
    uint32_t m_nRemaining = 0;
    // Sections 'C', 'F', 'B', 'E', 'L'; the receiver only ever asks for empty ones.
    uint32_t m_nSectionOffset[SECTION_COUNT] = {};
    uint32_t m_nReserved[SECTION_COUNT] = {};
    uint32_t m_nSectionLength[SECTION_COUNT] = {};
    uint32_t m_nTotalLength = 0;
    uint32_t m_nBytesSent = 0;
};
