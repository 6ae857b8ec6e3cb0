#pragma once

#include "PortDevices.h"
#include "TransferPort.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <thread>

// One serial port with its monitor thread. "COM<n>" is the name the user sees;
// the devices say which device is behind it. While the port is open the
// monitor watches for the line going away, so that LostError tells even
// when nobody reads.
class cnComm : public TransferPort {
public:
    explicit cnComm(const PortDevices& devices, bool autoStartMonitor = true);
    ~cnComm() override;
    cnComm(const cnComm&) = delete;
    cnComm& operator=(const cnComm&) = delete;

    // Discards pending output, stops the monitor and closes the device.
    void Close() override;
    // Opens the device behind port (1 to 1024) with its settings in Windows
    // mode syntax, "baud,parity,data bits,stop bits", e.g. "115200,n,8,1".
    // Settings the line does not take leave the port closed.
    bool OpenAndConfigure(unsigned port, const char* settings) override;

    bool IsOpen() const override;
    int LostError() const override;
    int Read(uint8_t* buffer, int maxCount) override;
    int Write(const uint8_t* buffer, int length) override;
    bool WaitForInput(int timeoutMs) override;
    void DrainOutput() override;

private:
    bool OpenPort(unsigned port);
    bool SetupPort();
    bool ApplySettings(const char* settings);
    bool StartMonitor();
    bool StopMonitor();
    void MonitorLoop();
    // Records that the line went away, once per opening.
    void MarkLost(int error);
    void CloseDevice();
    bool CreateEvents();
    void CloseEvents();

    std::atomic<int> m_hPort{-1};
    std::atomic<int> m_nLostError{0};
    const PortDevices& m_Devices;
    bool m_bAutoStart;

    std::thread m_Monitor;
    std::atomic<bool> m_bRunning{false};
    // Wakes the monitor when it is to stop.
    int m_nStopEvent = -1;
    // Wakes readers and writers waiting on the line when the port closes.
    int m_nCloseEvent = -1;

    // Reads and writes share the descriptor; opening and closing own it.
    mutable std::shared_mutex m_PortLock;
    // Keeps an open and a close from different threads (a cancel during a
    // rate change) from interleaving.
    std::recursive_mutex m_StateLock;
};
