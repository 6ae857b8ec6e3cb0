#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "LoaderSet.h"

struct VirtualReceiverOptions {
    // Either: each session plays the dump or the upgrade the program starts.
    enum class Mode { Dump, Upgrade, Either };

    Mode mode = Mode::Dump;
    // Dump: the flash the receiver serves; an upgrade in Either mode writes into it.
    std::vector<uint8_t> image;
    // Either: where the flash is kept after each upgrade; empty for nowhere.
    std::string flashFile;
    // The flash keeps the complement of every byte stored at this offset, so
    // that what it holds differs from what it was given; -1 for none.
    long corruptAt = -1;
    // Upgrade: where the received image is written; empty for none.
    std::string outputFile;
    // The loader blocks the program is expected to send; the installed ones when not given.
    std::optional<LoaderSet> loaders;
    // Crystal index 0..4 the program is expected to have chosen.
    int xtal = 4;
    // Paces the receiver's output at this rate (10 bits a byte); 0 sends as fast as the line takes it.
    unsigned baud = 0;
    // Stops sending the dump stream, or stops taking the upgrade image, after this many bytes.
    long stallAfter = -1;
    // Sends a stray byte together with this command byte; 0 for none.
    int strayCommand = 0;
    // Hangs the line up after this many bytes of the dump stream or the upgrade image.
    long hangUpAfter = -1;
    // Sessions to play; 0 plays until stopped.
    int sessions = 1;
    // Creates a symbolic link to the device at this path; empty for none.
    std::string linkPath;

    int answerTimeoutMs = 30000;
    // A reset is repeated when the program does not answer it within this time.
    int resetIntervalMs = 3000;
    // Upgrade: time before the first progress code and between the codes.
    int codeDelayMs = 500;
    int codeGapMs = 50;
    // Upgrade: time between the last progress code and 'D'. The program
    // answers nothing to two bytes read together, and 'D' must not be lost.
    int doneDelayMs = 500;
    // After the last session the line stays open until the program has
    // closed its side, or this long.
    int closeGraceMs = 5000;
};

// Plays the receiver's side of the flash transfer over a pseudo-terminal:
// it waits for each answer and checks it byte for byte before sending the
// next command. Frames that differ from the protocol are reported as faults.
class VirtualReceiver {
public:
    explicit VirtualReceiver(VirtualReceiverOptions options);
    ~VirtualReceiver();
    VirtualReceiver(const VirtualReceiver&) = delete;
    VirtualReceiver& operator=(const VirtualReceiver&) = delete;

    // Creates the pseudo-terminal (and the link); false with a message in Faults().
    bool Open();
    const std::string& DevicePath() const { return m_strDevice; }

    // Plays the sessions; returns the number of faults reported.
    int Run();
    // Ends Run from any thread (and from a signal handler).
    void Stop();
    // Closes the line, as the end of the program does; on Run's thread.
    void HangUp();

    // Receives every fault and notice as it happens.
    void SetReport(std::function<void(const std::string&)> report) { m_Report = std::move(report); }
    std::vector<std::string> Faults() const;
    std::vector<uint8_t> ReceivedImage() const;
    int CompletedSessions() const { return m_nCompleted; }

private:
    using Clock = std::chrono::steady_clock;

    const LoaderSet& Loaders() const;
    bool DumpSession();
    bool UpgradeSession();
    bool EitherSession();
    bool DumpAfterFirstStage();
    bool UpgradeAfterFirstStage(uint64_t flushesBefore);
    // Keeps the image at the start of the flash, with its faulty cell.
    void StoreFlash(const std::vector<uint8_t>& image);

    bool Reset(const char* what);
    bool ExpectFirstStage(const uint8_t* loader, size_t loaderSize, const char* what);
    bool WaitForReopen(uint64_t flushesBefore, const char* after);
    bool SendCommand(uint8_t command);
    bool SendStream(const uint8_t* bytes, size_t length, long stallAfter, long hangUpAfter);
    bool SendBytes(const uint8_t* bytes, size_t length);
    bool ReadExact(uint8_t* out, size_t count, int idleTimeoutMs);
    bool Expect(const uint8_t* expected, size_t count, const char* what);
    // Takes what the line holds, waiting at most timeoutMs; false once stopped or hung up.
    bool Pump(int timeoutMs);
    void AwaitLineClosed();
    bool Sleep(int milliseconds);
    void Fault(const std::string& text);
    void Notice(const std::string& text);

    VirtualReceiverOptions m_Options;
    int m_nMaster = -1;
    int m_nStopEvent = -1;
    std::string m_strDevice;
    std::atomic<bool> m_bStopped{false};
    bool m_bHungUp = false;
    bool m_bLineOpen = false;

    std::vector<uint8_t> m_Input;
    uint64_t m_nFlushes = 0;
    // The flushes seen when the last reset was sent.
    uint64_t m_nFlushesAtReset = 0;

    std::function<void(const std::string&)> m_Report;
    mutable std::mutex m_ResultLock;
    std::vector<std::string> m_Faults;
    std::vector<uint8_t> m_ReceivedImage;
    std::atomic<int> m_nCompleted{0};
};
