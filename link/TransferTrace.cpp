#include "TransferTrace.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

constexpr int BYTES_PER_LINE = 32;
// Continuation lines of bytes start under the first byte.
constexpr const char* CONTINUATION = "             ";

} // namespace

TransferTrace::TransferTrace(TransferPort& port, TransferEvents& events)
    : m_Port(port)
    , m_Events(events)
    , m_Start(std::chrono::steady_clock::now())
{
}

TransferTrace::~TransferTrace()
{
    if (m_pFile)
        std::fclose(m_pFile);
}

bool TransferTrace::Open(const std::string& path, std::string& reason)
{
    std::FILE* file = std::fopen(path.c_str(), "we");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    // Line by line, so that what led up to a hang or a crash is in the file.
    std::setvbuf(file, nullptr, _IOLBF, 0);
    char started[64] = {};
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    std::strftime(started, sizeof started, "%Y-%m-%d %H:%M:%S %z", localtime_r(&now, &local));
    {
        std::lock_guard lock(m_Lock);
        if (m_pFile)
            std::fclose(m_pFile);
        m_pFile = file;
        m_Start = std::chrono::steady_clock::now();
        std::fprintf(m_pFile, "tavrel transfer trace, started %s; seconds since then, bytes in hex\n", started);
    }
    return true;
}

void TransferTrace::Note(const std::string& text)
{
    Line(text);
}

void TransferTrace::Line(const std::string& text)
{
    std::lock_guard lock(m_Lock);
    if (!m_pFile)
        return;
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - m_Start;
    std::fprintf(m_pFile, "%12.6f %s\n", since.count(), text.c_str());
}

void TransferTrace::Bytes(const char* direction, const uint8_t* bytes, int count)
{
    std::string text = std::string(direction) + " " + std::to_string(count) + ":";
    for (int i = 0; i < count; ++i) {
        if (count > BYTES_PER_LINE && i % BYTES_PER_LINE == 0)
            text += std::string("\n") + CONTINUATION;
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        text += hex;
    }
    Line(text);
}

bool TransferTrace::IsOpen() const
{
    return m_Port.IsOpen();
}

int TransferTrace::LostError() const
{
    return m_Port.LostError();
}

int TransferTrace::Read(uint8_t* buffer, int maxCount)
{
    const int n = m_Port.Read(buffer, maxCount);
    if (n > 0)
        Bytes("recv", buffer, n);
    return n;
}

int TransferTrace::Write(const uint8_t* buffer, int length)
{
    const int n = m_Port.Write(buffer, length);
    Bytes("send", buffer, n > 0 ? n : 0);
    if (n < length)
        Line("send: only " + std::to_string(n) + " of " + std::to_string(length) + " bytes went out");
    return n;
}

bool TransferTrace::WaitForInput(int timeoutMs)
{
    return m_Port.WaitForInput(timeoutMs);
}

void TransferTrace::DrainOutput()
{
    m_Port.DrainOutput();
    Line("output drained");
}

void TransferTrace::Close()
{
    m_Port.Close();
    Line("port closed");
}

bool TransferTrace::OpenAndConfigure(unsigned port, const char* settings)
{
    errno = 0;
    const bool opened = m_Port.OpenAndConfigure(port, settings);
    const int error = errno;
    std::string text = "open port " + std::to_string(port) + " at " + (settings ? settings : "?") + ": ";
    text += opened ? "done" : std::string("failed") + (error ? std::string(", ") + std::strerror(error) : "");
    Line(text);
    errno = error;
    return opened;
}

void TransferTrace::OnProgress(uint32_t total, uint32_t done)
{
    Line("progress " + std::to_string(done) + " of " + std::to_string(total));
    m_Events.OnProgress(total, done);
}

void TransferTrace::OnReceiverReady()
{
    Line("receiver ready to read");
    m_Events.OnReceiverReady();
}

void TransferTrace::OnUpgradeStarted()
{
    Line("upgrade started");
    m_Events.OnUpgradeStarted();
}

void TransferTrace::OnRateChangeFailed(int error)
{
    Line("the port did not open at the transfer rate");
    m_Events.OnRateChangeFailed(error);
}

void TransferTrace::OnDumpDone()
{
    Line("dump done");
    m_Events.OnDumpDone();
}

void TransferTrace::OnUpgradeDone()
{
    Line("upgrade done");
    m_Events.OnUpgradeDone();
}
