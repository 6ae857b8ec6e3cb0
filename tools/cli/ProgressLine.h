#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

// A transfer's progress on stderr. On a terminal it is one line rewritten
// in place a few times a second; elsewhere (a log, a pipe) a plain line at
// every tenth. Quiet shows nothing.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool terminal, bool quiet);

    // A new transfer: what it is called.
    void Start(const char* what);
    // percent of the whole transfer; done of total bytes moved so far. The
    // rate and the time left are measured from the first of these.
    void Show(unsigned percent, uint64_t done, uint64_t total);
    // Ends the line, so that what follows starts on a line of its own.
    void Finish();

private:
    using Clock = std::chrono::steady_clock;

    std::ostream& m_err;
    bool m_bTerminal;
    bool m_bQuiet;
    std::string m_strWhat;
    bool m_bStarted = false;
    Clock::time_point m_Start;
    Clock::time_point m_LastShown;
    unsigned m_nLastPercent = 0;
    int m_nLastTenth = -1;
    size_t m_nShownWidth = 0;
};

// "dump  42%  440320 of 1048576 bytes  11.2 KiB/s  0:52 left"; the rate and
// the time left only once they can be told.
std::string ProgressText(const std::string& what, unsigned percent, uint64_t done, uint64_t total, double seconds);
