#include "SessionPort.h"

#include <cerrno>

SessionPort::SessionPort(std::unique_ptr<TransferPort> port)
    : m_pPort(std::move(port))
{
}

SessionPort::~SessionPort()
{
    Close();
}

bool SessionPort::TraceTo(const std::string& path, TransferEvents& events, std::string& reason)
{
    auto trace = std::make_unique<TransferTrace>(*m_pPort, events);
    if (!trace->Open(path, reason))
        return false;
    m_pTrace = std::move(trace);
    return true;
}

void SessionPort::Note(const std::string& text)
{
    if (m_pTrace)
        m_pTrace->Note(text);
}

TransferPort& SessionPort::Line()
{
    return m_pTrace ? static_cast<TransferPort&>(*m_pTrace) : *m_pPort;
}

TransferEvents& SessionPort::Events(TransferEvents& direct)
{
    return m_pTrace ? static_cast<TransferEvents&>(*m_pTrace) : direct;
}

bool SessionPort::Open(unsigned port, const char* settings)
{
    if (Line().IsOpen())
        Line().Close();
    errno = 0;
    const bool open = Line().OpenAndConfigure(port, settings);
    // A port that refuses without saying why still failed.
    m_nOpenError = open ? 0 : errno ? errno : EIO;
    return open;
}

void SessionPort::Close()
{
    if (Line().IsOpen())
        Line().Close();
}
