#pragma once

#include <cstdint>

// What the transfer protocol reports while it runs, on the thread that runs it.
class TransferEvents {
public:
    virtual ~TransferEvents() = default;

    // A dump: image bytes stored of total. An upgrade: percent of 100.
    virtual void OnProgress(uint32_t total, uint32_t done) = 0;
    // The receiver runs the dump loader and waits for the read to be started.
    virtual void OnReceiverReady() = 0;
    // The receiver was reset for an upgrade and gets its loader.
    virtual void OnUpgradeStarted() = 0;
    // The port did not open again at the transfer rate, for the system's
    // error; the transfer goes on.
    virtual void OnRateChangeFailed(int error) = 0;
    virtual void OnDumpDone() = 0;
    virtual void OnUpgradeDone() = 0;
};
