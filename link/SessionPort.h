#pragma once

#include "TransferEvents.h"
#include "TransferPort.h"
#include "TransferTrace.h"

#include <atomic>
#include <memory>
#include <string>

// The port a transfer session owns, and the trace that every byte and every
// protocol event passes through once there is one.
class SessionPort {
public:
    explicit SessionPort(std::unique_ptr<TransferPort> port);
    ~SessionPort();
    SessionPort(const SessionPort&) = delete;
    SessionPort& operator=(const SessionPort&) = delete;

    // Every later use is traced to the file, the events handed on to events;
    // false with the reason when it cannot be written.
    bool TraceTo(const std::string& path, TransferEvents& events, std::string& reason);
    // Notes a step of the session's in the trace, if there is one.
    void Note(const std::string& text);

    // The port and the events, through the trace when there is one.
    TransferPort& Line();
    TransferEvents& Events(TransferEvents& direct);

    // Opens the port at the settings, closing it first; false with the
    // system's reason in OpenError().
    bool Open(unsigned port, const char* settings);
    void Close();
    int OpenError() const { return m_nOpenError; }

private:
    std::unique_ptr<TransferPort> m_pPort;
    std::unique_ptr<TransferTrace> m_pTrace;
    std::atomic<int> m_nOpenError{0};
};
