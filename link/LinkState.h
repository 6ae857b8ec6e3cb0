#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// The link state shared by the main window and the transfer worker. Each
// flag is written by one thread and polled by the other, hence atomics.
struct LinkState {
    std::atomic<unsigned> m_nPort{4};
    std::atomic<int> m_nXtal{4};
    std::atomic<int> m_nWorkThreadId{0};
    // The worker's receive buffer and read command. The worker clears it when
    // a read starts; other threads leave it alone, or they race its reads.
    uint8_t m_TransferBuf[1024] = {};
    std::atomic<int> m_bTransferIdle{1};
    std::atomic<int> m_bUpgradeMode{0};
    std::atomic<int> m_bReadRequested{0};
    std::atomic<int> m_bReadAccepted{0};
    std::atomic<int> m_nDumpStep{1};
    std::atomic<uint32_t> m_nDumpReceived{0};
    std::atomic<int> m_nLastPercent{0};
    // Counts transfer starts and ends, so that a window action the worker
    // asked for in one transfer is dropped once that transfer is over.
    std::atomic<uint32_t> m_nTransferSerial{0};
    // Where a dump's bytes go (IMAGE_SIZE of them); null for the image
    // buffer. A dump into a buffer of its own leaves the image and
    // m_bImageLoaded alone. Set by the main window while no transfer runs.
    std::atomic<uint8_t*> m_pDumpTarget{nullptr};
    // Where the worker traces every transfer; empty for no trace. Set once,
    // before the worker starts.
    std::string m_strTraceFile;
};
