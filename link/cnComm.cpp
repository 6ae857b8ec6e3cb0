#include "cnComm.h"

#include "LineSettings.h"
#include "SerialPorts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Without a status the size of a UART's hardware FIFO is unknown; this
// covers the common 16550 and USB adapters.
constexpr int HARDWARE_FIFO_BYTES = 64;

// Time the line needs for one character at the port's current settings, in microseconds.
long CharacterMicros(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) != 0)
        return 1000;
    const unsigned baud = LineSettings::BaudOf(cfgetospeed(&tio));
    const long rate = baud ? long(baud) : 9600;
    long bits = 1 + 8 + ((tio.c_cflag & CSTOPB) ? 2 : 1) + ((tio.c_cflag & PARENB) ? 1 : 0);
    switch (tio.c_cflag & CSIZE) {
    case CS5: bits -= 3; break;
    case CS6: bits -= 2; break;
    case CS7: bits -= 1; break;
    default: break;
    }
    return bits * 1000000 / rate + 1;
}

// The monitor polls at least this often, so that a stop is seen even
// should its wake-up fail.
constexpr int MONITOR_POLL_MS = 100;

// Wakes whoever polls the event. It can only fail on a full counter, which
// means a wake-up is pending anyway; and every wait it cuts short also ends
// by its own time-out.
void Signal(int eventFd)
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(eventFd, &one, sizeof one);
}

// Clears the event (one that was not set reads as EAGAIN). An event that
// cannot be cleared would wake every later wait at once, so it is made anew.
void Reset(int& eventFd)
{
    uint64_t value = 0;
    if (::read(eventFd, &value, sizeof value) == ssize_t(sizeof value) || errno == EAGAIN)
        return;
    ::close(eventFd);
    eventFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

// The errors with which a line that went away answers.
bool IsLineGone(int error)
{
    return error == EIO || error == ENXIO || error == ENODEV || error == EPIPE;
}

// Bytes received and not yet read; 0 when the line cannot tell.
int QueuedInput(int fd)
{
    int queued = 0;
    if (ioctl(fd, FIONREAD, &queued) != 0)
        return 0;
    return std::max(queued, 0);
}

int MillisecondsUntil(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

} // namespace

cnComm::cnComm(const PortDevices& devices, bool autoStartMonitor)
    : m_Devices(devices)
    , m_bAutoStart(autoStartMonitor)
{
    // A failure here is reported by the next opening, which tries again.
    CreateEvents();
}

cnComm::~cnComm()
{
    CloseDevice();
    CloseEvents();
}

bool cnComm::CreateEvents()
{
    if (m_nStopEvent < 0)
        m_nStopEvent = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_nCloseEvent < 0)
        m_nCloseEvent = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    return m_nStopEvent >= 0 && m_nCloseEvent >= 0;
}

void cnComm::CloseEvents()
{
    if (m_nStopEvent >= 0)
        ::close(m_nStopEvent);
    if (m_nCloseEvent >= 0)
        ::close(m_nCloseEvent);
    m_nStopEvent = -1;
    m_nCloseEvent = -1;
}

bool cnComm::IsOpen() const
{
    return m_hPort >= 0;
}

int cnComm::LostError() const
{
    return m_nLostError;
}

void cnComm::MarkLost(int error)
{
    int none = 0;
    m_nLostError.compare_exchange_strong(none, error ? error : EIO);
}

bool cnComm::OpenPort(unsigned port)
{
    std::lock_guard state(m_StateLock);
    if (IsOpen())
        Close();
    // Without its wake-up events the monitor could not be stopped.
    if (!CreateEvents())
        return false;
    const int fd = OpenSerialDevice(m_Devices.DeviceFor(port));
    if (fd < 0)
        return false;
    {
        std::unique_lock lock(m_PortLock);
        m_hPort = fd;
        m_nLostError = 0;
    }
    if (!m_bAutoStart)
        return true;
    if (!StartMonitor()) {
        Close();
        return false;
    }
    return true;
}

bool cnComm::SetupPort()
{
    std::shared_lock lock(m_PortLock);
    // Only input: a port just opened has no output queued, and flushing the
    // output of a pseudo-terminal throws away what its other side has not
    // read yet, a loader written before the port was reopened among it.
    return m_hPort >= 0 && tcflush(m_hPort, TCIFLUSH) == 0;
}

bool cnComm::ApplySettings(const char* settings)
{
    std::shared_lock lock(m_PortLock);
    termios tio {};
    LineSettings line;
    if (m_hPort < 0 || !settings || !line.Parse(settings) || tcgetattr(m_hPort, &tio) != 0)
        return false;
    line.ApplyTo(tio);
    return tcsetattr(m_hPort, TCSANOW, &tio) == 0;
}

bool cnComm::OpenAndConfigure(unsigned port, const char* settings)
{
    std::lock_guard state(m_StateLock);
    if (port < 1 || port > 1024 || !OpenPort(port))
        return false;
    if (SetupPort() && ApplySettings(settings))
        return true;
    // Whoever asked is told why; the close must not change that.
    const int error = errno;
    Close();
    errno = error;
    return false;
}

void cnComm::Close()
{
    CloseDevice();
}

void cnComm::CloseDevice()
{
    std::lock_guard state(m_StateLock);
    if (!IsOpen())
        return;
    // Readers and writers waiting on the line also give up after their time-out.
    Signal(m_nCloseEvent);
    StopMonitor();
    std::unique_lock lock(m_PortLock);
    const int fd = m_hPort.exchange(-1);
    if (fd >= 0) {
        // A pseudo-terminal reports nothing queued; its flush would reach
        // into what the other side has not read yet.
        int pending = 0;
        if (ioctl(fd, TIOCOUTQ, &pending) != 0 || pending > 0)
            tcflush(fd, TCOFLUSH);
        ioctl(fd, TIOCNXCL);
        ::close(fd);
    }
    Reset(m_nCloseEvent);
}

int cnComm::Read(uint8_t* buffer, int maxCount)
{
    std::shared_lock lock(m_PortLock);
    const int fd = m_hPort;
    if (fd < 0 || maxCount <= 0)
        return 0;
    int queued = 0;
    if (ioctl(fd, FIONREAD, &queued) != 0 || queued <= 0)
        return 0;
    const ssize_t n = ::read(fd, buffer, size_t(std::min(maxCount, queued)));
    if (n < 0 && IsLineGone(errno))
        MarkLost(errno);
    return n > 0 ? int(n) : 0;
}

int cnComm::Write(const uint8_t* buffer, int length)
{
    std::shared_lock lock(m_PortLock);
    const int fd = m_hPort;
    if (fd < 0 || length <= 0)
        return 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000 + length);
    int written = 0;
    while (written < length) {
        const ssize_t n = ::write(fd, buffer + written, size_t(length - written));
        if (n > 0) {
            written += int(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN) {
            if (IsLineGone(errno))
                MarkLost(errno);
            break;
        }
        const int left = MillisecondsUntil(deadline);
        if (left == 0)
            break;
        pollfd fds[2] = {{fd, POLLOUT, 0}, {m_nCloseEvent, POLLIN, 0}};
        if (poll(fds, 2, left) < 0 && errno != EINTR)
            break;
        if (fds[0].revents & (POLLERR | POLLHUP))
            MarkLost(EIO);
        if (fds[1].revents || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)))
            break;
    }
    return written;
}

bool cnComm::WaitForInput(int timeoutMs)
{
    std::shared_lock lock(m_PortLock);
    pollfd fds[2] = {{m_hPort, POLLIN, 0}, {m_nCloseEvent, POLLIN, 0}};
    const bool ready = m_hPort >= 0 && poll(fds, 2, timeoutMs) > 0;
    const bool hungUp = (fds[0].revents & (POLLERR | POLLHUP)) != 0;
    if (ready && (fds[0].revents & POLLIN) && !hungUp && !(fds[0].revents & POLLNVAL))
        return true;
    // Bytes that arrived before a hang-up are still taken.
    if (hungUp && QueuedInput(m_hPort) > 0)
        return true;
    if (fds[1].revents)
        return false;
    if (hungUp)
        MarkLost(EIO);
    // A closed or hung-up line answers at once; wait out the time anyway so callers do not spin.
    if (m_hPort < 0 || (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)))
        poll(&fds[1], 1, timeoutMs);
    return false;
}

void cnComm::DrainOutput()
{
    std::shared_lock lock(m_PortLock);
    const int fd = m_hPort;
    int pending = 0;
    if (fd < 0 || ioctl(fd, TIOCOUTQ, &pending) != 0)
        return;
    // Bounded by the time the queued bytes and the hardware FIFO need at the current rate.
    const long charMicros = CharacterMicros(fd);
    const auto deadline = std::chrono::steady_clock::now()
        + std::chrono::microseconds(charMicros * (pending + HARDWARE_FIFO_BYTES) + 20000);
    while (pending > 0) {
        pollfd wake = {m_nCloseEvent, POLLIN, 0};
        const int left = MillisecondsUntil(deadline);
        if (left == 0 || poll(&wake, 1, std::min(left, 5)) != 0)
            return;
        if (ioctl(fd, TIOCOUTQ, &pending) != 0)
            return;
    }
    // The last characters may still sit in the transmitter's FIFO.
    unsigned lineStatus = 0;
    while (ioctl(fd, TIOCSERGETLSR, &lineStatus) == 0 && !(lineStatus & TIOCSER_TEMT)) {
        pollfd wake = {m_nCloseEvent, POLLIN, 0};
        const int left = MillisecondsUntil(deadline);
        if (left == 0 || poll(&wake, 1, std::min(left, 2)) != 0)
            return;
    }
}

bool cnComm::StartMonitor()
{
    std::lock_guard state(m_StateLock);
    if (m_Monitor.joinable() || !IsOpen())
        return false;
    Reset(m_nStopEvent);
    m_bRunning = true;
    m_Monitor = std::thread([this] { MonitorLoop(); });
    return true;
}

bool cnComm::StopMonitor()
{
    std::lock_guard state(m_StateLock);
    if (!m_Monitor.joinable())
        return false;
    m_bRunning = false;
    Signal(m_nStopEvent);
    m_Monitor.join();
    Reset(m_nStopEvent);
    return true;
}

void cnComm::MonitorLoop()
{
    // Runs only while the port is open: Close joins it before releasing the descriptor.
    const int fd = m_hPort;
    bool waiting = false;
    while (m_bRunning) {
        // While unread bytes wait the line is not polled at all (a hung-up
        // line would answer every poll at once); it is looked at every 10 ms.
        pollfd fds[2] = {{waiting ? -1 : fd, POLLIN, 0}, {m_nStopEvent, POLLIN, 0}};
        if (poll(fds, 2, waiting ? 10 : MONITOR_POLL_MS) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (fds[0].revents & POLLNVAL) {
            MarkLost(EBADF);
            return;
        }
        const int queued = QueuedInput(fd);
        // After a hang-up the bytes that arrived before it are read first;
        // the line is lost once none are left. An unplugged adapter stays
        // hung up; one report is enough.
        if ((fds[0].revents & (POLLERR | POLLHUP)) && queued == 0) {
            MarkLost(EIO);
            return;
        }
        waiting = queued > 0;
    }
}
