#pragma once

#include "TransferPort.h"
#include "TransferEvents.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

// A log of a transfer for support: sits between the transfer state machine
// and its port and events, passes every call on, and writes each byte sent
// and received, each opening and closing of the port and every event of the
// state machine, one timestamped line each.
class TransferTrace : public TransferPort, public TransferEvents {
public:
    TransferTrace(TransferPort& port, TransferEvents& events);
    ~TransferTrace() override;
    TransferTrace(const TransferTrace&) = delete;
    TransferTrace& operator=(const TransferTrace&) = delete;

    // Starts the file anew; false with the system's reason when it cannot be written.
    bool Open(const std::string& path, std::string& reason);
    // A step of the caller's own: "reading 1048576 bytes", "cancelled".
    void Note(const std::string& text);

    bool IsOpen() const override;
    int LostError() const override;
    int Read(uint8_t* buffer, int maxCount) override;
    int Write(const uint8_t* buffer, int length) override;
    bool WaitForInput(int timeoutMs) override;
    void DrainOutput() override;
    void Close() override;
    bool OpenAndConfigure(unsigned port, const char* settings) override;

    void OnProgress(uint32_t total, uint32_t done) override;
    void OnReceiverReady() override;
    void OnUpgradeStarted() override;
    void OnRateChangeFailed(int error) override;
    void OnDumpDone() override;
    void OnUpgradeDone() override;

private:
    void Line(const std::string& text);
    void Bytes(const char* direction, const uint8_t* bytes, int count);

    TransferPort& m_Port;
    TransferEvents& m_Events;
    std::mutex m_Lock;
    std::FILE* m_pFile = nullptr;
    std::chrono::steady_clock::time_point m_Start;
};
