#pragma once

#include "TransferPort.h"
#include "TransferSink.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

// A log of a transfer for support: sits between the transfer state machine
// and its port and sink, passes every call on, and writes each byte sent
// and received, each opening and closing of the port and everything the
// state machine tells the window, one timestamped line each.
class TransferTrace : public TransferPort, public TransferSink {
public:
    TransferTrace(TransferPort& port, TransferSink& sink);
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

    void PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    void EnableDumpButton(bool enable) override;
    void SetDumpCaption(const std::string& caption) override;
    void SetStatusText(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;

private:
    void Line(const std::string& text);
    void Bytes(const char* direction, const uint8_t* bytes, int count);

    TransferPort& m_Port;
    TransferSink& m_Sink;
    std::mutex m_Lock;
    std::FILE* m_pFile = nullptr;
    std::chrono::steady_clock::time_point m_Start;
};
