#include "ProgressLine.h"

#include <cstdio>

namespace {

// A terminal line is rewritten at most this often.
constexpr auto TERMINAL_INTERVAL = std::chrono::milliseconds(200);

} // namespace

std::string ProgressText(const std::string& what, unsigned percent, uint64_t done, uint64_t total, double seconds)
{
    char text[160];
    int length = std::snprintf(text, sizeof text, "%s %3u%%  %llu of %llu bytes", what.c_str(), percent,
        static_cast<unsigned long long>(done), static_cast<unsigned long long>(total));
    if (seconds >= 1.0 && done > 0 && length > 0 && size_t(length) < sizeof text) {
        const double rate = double(done) / seconds;
        length += std::snprintf(text + length, sizeof text - size_t(length), "  %.1f KiB/s", rate / 1024.0);
        if (done < total && length > 0 && size_t(length) < sizeof text) {
            const auto left = static_cast<unsigned long long>(double(total - done) / rate + 0.5);
            std::snprintf(text + length, sizeof text - size_t(length), "  %llu:%02llu left", left / 60, left % 60);
        }
    }
    return text;
}

ProgressLine::ProgressLine(std::ostream& err, bool terminal, bool quiet)
    : m_err(err)
    , m_bTerminal(terminal)
    , m_bQuiet(quiet)
{
}

void ProgressLine::Start(const char* what)
{
    m_strWhat = what;
    m_bStarted = false;
    m_nLastPercent = 0;
    m_LastShown = Clock::time_point();
    m_nLastTenth = -1;
    m_nShownWidth = 0;
}

void ProgressLine::Show(unsigned percent, uint64_t done, uint64_t total)
{
    // An upgrade's last word repeats an earlier percentage; the line never goes back.
    if (m_bQuiet || (m_bStarted && percent < m_nLastPercent))
        return;
    m_nLastPercent = percent;
    const Clock::time_point now = Clock::now();
    if (!m_bStarted) {
        m_bStarted = true;
        m_Start = now;
    }
    const double seconds = std::chrono::duration<double>(now - m_Start).count();
    if (m_bTerminal) {
        if (percent < 100 && now - m_LastShown < TERMINAL_INTERVAL)
            return;
        m_LastShown = now;
        std::string text = ProgressText(m_strWhat, percent, done, total, seconds);
        const size_t width = text.size();
        // A shorter line must cover what the longer one before it left.
        if (width < m_nShownWidth)
            text.append(m_nShownWidth - width, ' ');
        m_nShownWidth = width;
        m_err << '\r' << text << std::flush;
        return;
    }
    const int tenth = int(percent / 10);
    if (tenth == m_nLastTenth)
        return;
    m_nLastTenth = tenth;
    m_err << ProgressText(m_strWhat, percent, done, total, seconds) << '\n';
}

void ProgressLine::Finish()
{
    if (m_bTerminal && m_nShownWidth > 0 && !m_bQuiet)
        m_err << '\n';
    m_nShownWidth = 0;
}
