#pragma once

#include "Crystals.h"

#include <atomic>
#include <cstdint>

// The flags a transfer session shares with the protocol it runs. Each is
// written by one thread and polled by another, hence atomics.
struct LinkState {
    std::atomic<unsigned> m_nPort{DEFAULT_PORT};
    std::atomic<int> m_nXtal{DEFAULT_XTAL};
    std::atomic<int> m_bTransferIdle{1};
    std::atomic<int> m_bUpgradeMode{0};
    std::atomic<int> m_bReadRequested{0};
    std::atomic<int> m_bReadAccepted{0};
};
