#pragma once

#include "LinkState.h"
#include "TransferPort.h"
#include "TransferSink.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>

class ChannelDatabase;

// The program's side of the byte protocol that dumps the receiver's flash into
// the image buffer or upgrades it from there. Each received command byte is
// answered at once; the only state kept is a few flags and counters.
class FlashTransfer {
public:
    using PauseFunction = std::function<void(int milliseconds)>;

    FlashTransfer(TransferPort& port, LinkState& link, ChannelDatabase& database,
                  std::atomic<int>& imageLoaded, TransferSink& sink, PauseFunction pause);

    // A receive notification of the port numbered port.
    void OnReceive(unsigned port);
    // wParam START_READ_SEND sends the read command for count image bytes.
    void StartRead(unsigned wParam, uint32_t count);
    void ClosePort();
    // The port went away: the window hears of it once and ends the transfer.
    void OnLinkLost(int error);
    // Makes a running bulk read or block sender return, for the thread's end.
    void Abort();
    // Image bytes an upgrade has sent so far.
    uint32_t BytesSent() const { return m_nBytesSent; }

    static constexpr unsigned DUMP_READ_MAX = 1024;
    static constexpr unsigned UPGRADE_READ_MAX = 1000;
    static constexpr unsigned BULK_READ_MAX = 1000;
    static constexpr uint32_t BLOCK_SIZE = 2048;
    static constexpr int SECTION_COUNT = 5;

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
    ChannelDatabase& m_Database;
    std::atomic<int>& m_bImageLoaded;
    TransferSink& m_Sink;
    PauseFunction m_Pause;
    std::atomic<bool> m_bAborted{false};

    uint32_t m_nRemaining = 0;
    // Sections 'C', 'F', 'B', 'E', 'L'; the receiver only ever asks for empty ones.
    uint32_t m_nSectionOffset[SECTION_COUNT] = {};
    uint32_t m_nReserved[SECTION_COUNT] = {};
    uint32_t m_nSectionLength[SECTION_COUNT] = {};
    uint32_t m_nTotalLength = 0;
    uint32_t m_nBytesSent = 0;
};
