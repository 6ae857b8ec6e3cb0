#pragma once

#include <cstdint>

// The operations of the serial port that the transfer state machine uses.
class TransferPort {
public:
    virtual ~TransferPort() = default;

    virtual bool IsOpen() const = 0;
    // The system's error number once the line has gone away (hang-up, I/O
    // error), 0 while it is there; cleared when the port is opened again.
    virtual int LostError() const = 0;
    // Takes only what is already queued; 0 when nothing is.
    virtual int Read(uint8_t* buffer, int maxCount) = 0;
    // Waits for room while the output queue is full; returns the count written.
    virtual int Write(const uint8_t* buffer, int length) = 0;
    // True when input is queued, waiting at most timeoutMs for it.
    virtual bool WaitForInput(int timeoutMs) = 0;
    // Waits until the written bytes have left the line, at most as long as they need.
    virtual void DrainOutput() = 0;
    virtual void Close() = 0;
    virtual bool OpenAndConfigure(unsigned port, const char* settings) = 0;
};
