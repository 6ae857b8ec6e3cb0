#pragma once

#include "PortDevices.h"
#include "TransferPort.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <thread>

// One serial port with its monitor thread. "COM<n>" is the name the user sees;
// Devices() says which device is behind it. The monitor turns line events
// into notifications for the notify thread.
class cnComm : public TransferPort {
public:
    // Receives every notification: message, wParam (the port number), lParam.
    using NotifyFunction = std::function<void(unsigned message, unsigned wParam, long lParam)>;

    explicit cnComm(bool autoStartMonitor = true);
    ~cnComm() override;
    cnComm(const cnComm&) = delete;
    cnComm& operator=(const cnComm&) = delete;

    // Discards pending output, stops the monitor and closes the device.
    void Close() override;
    void Init();
    void Uninit();
    bool OpenPort();
    bool SetupPort();
    // Windows mode syntax: "baud,parity,data bits,stop bits", e.g. "115200,n,8,1".
    bool ApplySettings(const char* settings);
    bool OpenAndConfigure(unsigned port, const char* settings) override;
    void SetPortNumber(unsigned port);

    bool IsOpen() const override;
    int LostError() const override;
    int Read(uint8_t* buffer, int maxCount) override;
    int Write(const uint8_t* buffer, int length) override;
    bool WaitForInput(int timeoutMs) override;
    void DrainOutput() override;

    bool StartMonitor();
    bool StopMonitor();

    // The notify thread's entry; notifications are dropped while none is set.
    void SetNotify(NotifyFunction notify);
    // Times the monitor has looked at the line and finished with what it saw.
    uint64_t MonitorRounds() const { return m_nMonitorRounds; }

    unsigned PortNumber() const { return m_nPort; }
    const char* PortName() const { return m_szName; }
    PortDevices& Devices() { return m_Devices; }
    std::string DevicePathFor(unsigned port) const { return m_Devices.DeviceFor(port); }

protected:
    virtual void OnReceive();
    virtual void OnCts(int modemLines);
    virtual void OnDsr(int modemLines);
    virtual void OnRing();
    virtual void OnRlsd();
    virtual void OnError(long flags);
    virtual int MonitorLoop();

    void Post(unsigned message, long lParam);
    // Records that the line went away and tells the notify thread, once per opening.
    void MarkLost(int error);

private:
    void CloseDevice();
    bool CreateEvents();

    std::atomic<unsigned> m_nPort{0};
    std::atomic<int> m_hPort{-1};
    std::atomic<int> m_nLostError{0};
    PortDevices m_Devices;
    char m_szName[20] = {};
    bool m_bAutoStart;

    std::thread m_Monitor;
    std::atomic<bool> m_bRunning{false};
    // Bytes Read has taken since the port opened; lets the monitor tell new arrivals from old ones.
    std::atomic<uint64_t> m_nReadTotal{0};
    std::atomic<uint64_t> m_nMonitorRounds{0};
    // Wakes the monitor when it is to stop.
    int m_nStopEvent = -1;
    // Wakes readers and writers waiting on the line when the port closes.
    int m_nCloseEvent = -1;

    // Reads and writes share the descriptor; opening and closing own it.
    mutable std::shared_mutex m_PortLock;
    // Keeps an open and a close from different threads (a cancel during a
    // rate change) from interleaving.
    std::recursive_mutex m_StateLock;

    std::mutex m_NotifyLock;
    NotifyFunction m_Notify;
};
