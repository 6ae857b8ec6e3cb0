#include "VirtualReceiver.h"

#include "ImageFile.h"
#include "LoaderBlocks.h"
#include "LoaderSet.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr uint8_t FIRST_STAGE_MARK = 0x18;
constexpr size_t FIRST_STAGE_BLOCK = 2048;
constexpr uint8_t STREAM_LEAD = 0x55;
constexpr uint8_t STREAM_TRAIL = 0xAA;
constexpr uint8_t STRAY_BYTE = 0x00;
constexpr size_t UPGRADE_HEADER_SIZE = 52;
constexpr uint32_t MAX_IMAGE = 0x100000;
constexpr int REOPEN_TIMEOUT_MS = 10000;
constexpr int SETTLE_MS = 30;

std::string Hex(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

std::string CommandName(uint8_t command)
{
    if (command >= 0x20 && command < 0x7F)
        return std::string("'") + char(command) + "'";
    return "code " + std::to_string(command);
}

void BuildReadFrame(uint8_t* frame, uint8_t first, uint32_t count, bool withHighBits)
{
    std::fill(frame, frame + 8, 0);
    frame[0] = first;
    frame[4] = uint8_t(0xA0 | (withHighBits ? (count >> 24) : 0));
    frame[5] = uint8_t(count >> 16);
    frame[6] = uint8_t(count >> 8);
    frame[7] = uint8_t(count);
}

std::vector<uint8_t> FirstStageFrame(std::span<const uint8_t> loader)
{
    std::vector<uint8_t> frame(1 + FIRST_STAGE_BLOCK, 0);
    frame[0] = FIRST_STAGE_MARK;
    std::copy(loader.begin(), loader.end(), frame.begin() + 1);
    return frame;
}

uint32_t ReadLE32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

} // namespace

VirtualReceiver::VirtualReceiver(VirtualReceiverOptions options)
    : m_Options(std::move(options))
{
    m_nStopEvent = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_Options.corruptAt >= 0 && size_t(m_Options.corruptAt) < m_Options.image.size())
        m_Options.image[size_t(m_Options.corruptAt)] ^= 0xFF;
}

VirtualReceiver::~VirtualReceiver()
{
    if (m_nMaster >= 0)
        ::close(m_nMaster);
    if (m_nStopEvent >= 0)
        ::close(m_nStopEvent);
    if (!m_Options.linkPath.empty() && !m_strDevice.empty())
        ::unlink(m_Options.linkPath.c_str());
}

bool VirtualReceiver::Open()
{
    m_nMaster = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    if (m_nMaster < 0 || grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0
        || ptsname_r(m_nMaster, name, sizeof name) != 0) {
        Fault("cannot create a pseudo-terminal");
        return false;
    }
    // The line is raw from the start, before the program sets it up; the
    // master delivers flushes of the program's input as packets, which is how
    // the receiver sees the program (re)open its port.
    termios tio {};
    tcgetattr(m_nMaster, &tio);
    cfmakeraw(&tio);
    tcsetattr(m_nMaster, TCSANOW, &tio);
    int packetMode = 1;
    ioctl(m_nMaster, TIOCPKT, &packetMode);
    fcntl(m_nMaster, F_SETFL, fcntl(m_nMaster, F_GETFL) | O_NONBLOCK);
    m_strDevice = name;
    // Until its other side has been opened once, the master does not tell
    // whether anybody holds the line.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave >= 0)
        ::close(slave);

    if (!m_Options.linkPath.empty()) {
        ::unlink(m_Options.linkPath.c_str());
        if (::symlink(name, m_Options.linkPath.c_str()) != 0) {
            Fault("cannot create the link " + m_Options.linkPath);
            m_strDevice.clear();
            return false;
        }
    }
    return true;
}

void VirtualReceiver::Stop()
{
    m_bStopped = true;
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(m_nStopEvent, &one, sizeof one);
}

std::vector<std::string> VirtualReceiver::Faults() const
{
    std::lock_guard lock(m_ResultLock);
    return m_Faults;
}

std::vector<uint8_t> VirtualReceiver::ReceivedImage() const
{
    std::lock_guard lock(m_ResultLock);
    return m_ReceivedImage;
}

void VirtualReceiver::Fault(const std::string& text)
{
    {
        std::lock_guard lock(m_ResultLock);
        m_Faults.push_back(text);
    }
    if (m_Report)
        m_Report("fault: " + text);
}

void VirtualReceiver::Notice(const std::string& text)
{
    if (m_Report)
        m_Report(text);
}

int VirtualReceiver::Run()
{
    if (m_nMaster < 0)
        return int(Faults().size());
    if (m_Options.mode != VirtualReceiverOptions::Mode::Upgrade && m_Options.image.empty()) {
        Fault("no flash image to serve");
        return int(Faults().size());
    }
    int played = 0;
    while (!m_bStopped && !m_bHungUp && (m_Options.sessions == 0 || played < m_Options.sessions)) {
        bool done = false;
        switch (m_Options.mode) {
        case VirtualReceiverOptions::Mode::Dump:
            done = DumpSession();
            break;
        case VirtualReceiverOptions::Mode::Upgrade:
            done = UpgradeSession();
            break;
        case VirtualReceiverOptions::Mode::Either:
            done = EitherSession();
            break;
        }
        if (!done)
            break;
        ++played;
        m_nCompleted = played;
    }
    if (played > 0 && played == m_Options.sessions)
        AwaitLineClosed();
    return int(Faults().size());
}

void VirtualReceiver::AwaitLineClosed()
{
    // Closing the master hangs the program's side up, and a hang-up throws
    // away what it has not read yet: the end of the dump.
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_Options.closeGraceMs);
    while (!m_bStopped && !m_bHungUp && Clock::now() < deadline) {
        pollfd fds[2] = {{m_nMaster, POLLIN, 0}, {m_nStopEvent, POLLIN, 0}};
        if (poll(fds, 2, 10) < 0 && errno != EINTR)
            return;
        if (fds[1].revents || (fds[0].revents & POLLHUP))
            return;
        if (fds[0].revents & POLLIN) {
            uint8_t buffer[4097];
            [[maybe_unused]] const ssize_t n = ::read(m_nMaster, buffer, sizeof buffer);
        }
    }
}

const LoaderSet& VirtualReceiver::Loaders() const
{
    return m_Options.loaders ? *m_Options.loaders : InstalledLoaders();
}

bool VirtualReceiver::DumpSession()
{
    if (!Reset("dump"))
        return false;
    if (!ExpectFirstStage(Loaders().Dump().bytes.data(), Loaders().Dump().bytes.size(), "dump loader"))
        return false;
    return DumpAfterFirstStage();
}

bool VirtualReceiver::UpgradeSession()
{
    if (!Reset("upgrade"))
        return false;
    // The program may have reopened its port before the reset's answer was read.
    const uint64_t flushes = m_nFlushesAtReset;
    const int xtal = m_Options.xtal;
    if (!ExpectFirstStage(Loaders().Upgrade(xtal).bytes.data(), Loaders().Upgrade(xtal).bytes.size(), "upgrade loader"))
        return false;
    return UpgradeAfterFirstStage(flushes);
}

bool VirtualReceiver::EitherSession()
{
    if (!Reset("dump or upgrade"))
        return false;
    const uint64_t flushes = m_nFlushesAtReset;
    std::vector<uint8_t> frame(1 + FIRST_STAGE_BLOCK);
    if (!ReadExact(frame.data(), frame.size(), m_Options.answerTimeoutMs)) {
        if (!m_bStopped && !m_bHungUp)
            Fault("no complete first stage: " + std::to_string(m_Input.size()) + " bytes");
        return false;
    }
    if (frame == FirstStageFrame(Loaders().Dump().bytes)) {
        Notice("the program dumps");
        return DumpAfterFirstStage();
    }
    if (frame == FirstStageFrame(Loaders().Upgrade(m_Options.xtal).bytes)) {
        Notice("the program upgrades");
        return UpgradeAfterFirstStage(flushes);
    }
    Fault("wrong first stage: neither the dump loader nor the upgrade loader of crystal "
          + std::to_string(m_Options.xtal));
    return false;
}

bool VirtualReceiver::DumpAfterFirstStage()
{
    const uint8_t xtalReply = uint8_t('C' + m_Options.xtal);
    if (!SendCommand('T') || !Expect(&xtalReply, 1, "crystal reply"))
        return false;

    const uint64_t flushes = m_nFlushes;
    if (!SendCommand('O') || !WaitForReopen(flushes, "'O'"))
        return false;
    if (!SendCommand('P'))
        return false;
    Notice("ready for the read");

    const uint32_t count = uint32_t(m_Options.image.size());
    uint8_t expected[8];
    BuildReadFrame(expected, 0xC0, count, true);
    uint8_t command[8];
    if (!ReadExact(command, sizeof command, -1))
        return false;
    if (!std::equal(command, command + 8, expected)) {
        std::string got;
        for (uint8_t b : command) {
            got += ' ';
            got += Hex(b);
        }
        Fault("wrong read command:" + got + " for a flash of " + std::to_string(count) + " bytes");
        return false;
    }
    BuildReadFrame(expected, 0x86, count, false);
    if (!SendCommand('Q') || !Expect(expected, 8, "read reply"))
        return false;

    std::vector<uint8_t> stream;
    stream.reserve(m_Options.image.size() + 2);
    stream.push_back(STREAM_LEAD);
    stream.insert(stream.end(), m_Options.image.begin(), m_Options.image.end());
    stream.push_back(STREAM_TRAIL);
    if (!SendStream(stream.data(), stream.size(), m_Options.stallAfter, m_Options.hangUpAfter))
        return false;
    Notice("dump sent");
    return true;
}

bool VirtualReceiver::UpgradeAfterFirstStage(uint64_t flushes)
{
    if (!WaitForReopen(flushes, "the first stage"))
        return false;

    if (!SendCommand('Z') || !Expect(Loaders().StageTwo().bytes.data(), Loaders().StageTwo().bytes.size(), "stage two"))
        return false;

    uint8_t header[UPGRADE_HEADER_SIZE];
    if (!SendCommand('S'))
        return false;
    if (!ReadExact(header, sizeof header, m_Options.answerTimeoutMs)) {
        if (!m_bStopped && !m_bHungUp)
            Fault("no upgrade header after 'S'");
        return false;
    }
    const uint32_t length = ReadLE32(header + 40);
    const bool wordsClear = std::all_of(header, header + 40, [](uint8_t b) { return b == 0; })
        && std::all_of(header + 44, header + sizeof header, [](uint8_t b) { return b == 0; });
    if (!wordsClear || length == 0 || length > MAX_IMAGE) {
        Fault("wrong upgrade header: length " + std::to_string(length)
              + (wordsClear ? "" : ", other words not zero"));
        return false;
    }

    if (!SendCommand('A'))
        return false;
    std::vector<uint8_t> image;
    image.reserve(length);
    auto lastArrival = Clock::now();
    while (image.size() < length) {
        const size_t taken = image.size();
        if (m_Options.hangUpAfter >= 0 && taken >= size_t(m_Options.hangUpAfter)) {
            Notice("hanging up after " + std::to_string(taken) + " image bytes");
            HangUp();
            return false;
        }
        if (m_Options.stallAfter >= 0 && taken >= size_t(m_Options.stallAfter)) {
            Notice("stalled after " + std::to_string(taken) + " image bytes");
            while (Sleep(1000)) {
            }
            return false;
        }
        if (!m_Input.empty()) {
            size_t take = std::min(m_Input.size(), size_t(length) - taken);
            if (m_Options.hangUpAfter >= 0)
                take = std::min(take, size_t(m_Options.hangUpAfter) - taken);
            if (m_Options.stallAfter >= 0)
                take = std::min(take, size_t(m_Options.stallAfter) - taken);
            image.insert(image.end(), m_Input.begin(), m_Input.begin() + long(take));
            m_Input.erase(m_Input.begin(), m_Input.begin() + long(take));
            lastArrival = Clock::now();
            continue;
        }
        if (!Pump(50))
            return false;
        if (m_Input.empty() && Clock::now() - lastArrival > std::chrono::milliseconds(m_Options.answerTimeoutMs)) {
            Fault("short image: " + std::to_string(taken) + " of " + std::to_string(length) + " bytes");
            return false;
        }
    }
    {
        std::lock_guard lock(m_ResultLock);
        m_ReceivedImage = image;
    }
    if (!m_Options.outputFile.empty()) {
        std::ofstream out(m_Options.outputFile, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        if (!out)
            Fault("cannot write " + m_Options.outputFile);
    }
    if (m_Options.mode == VirtualReceiverOptions::Mode::Either)
        StoreFlash(image);
    Notice("image received: " + std::to_string(length) + " bytes");

    if (!Sleep(m_Options.codeDelayMs))
        return false;
    for (uint8_t code = 1; code <= 16; ++code) {
        if (!SendCommand(code) || !Sleep(code < 16 ? m_Options.codeGapMs : m_Options.doneDelayMs))
            return false;
    }
    const uint64_t flushesBeforeDone = m_nFlushes;
    if (!SendCommand('D') || !WaitForReopen(flushesBeforeDone, "'D'"))
        return false;
    Notice("upgrade done");
    return true;
}

void VirtualReceiver::StoreFlash(const std::vector<uint8_t>& image)
{
    std::copy(image.begin(), image.begin() + long(std::min(image.size(), m_Options.image.size())),
        m_Options.image.begin());
    if (m_Options.corruptAt >= 0 && size_t(m_Options.corruptAt) < std::min(image.size(), m_Options.image.size()))
        m_Options.image[size_t(m_Options.corruptAt)] ^= 0xFF;
    std::string reason;
    if (!m_Options.flashFile.empty() && !WriteImageFile(m_Options.flashFile, m_Options.image, reason))
        Fault("cannot write " + m_Options.flashFile + ": " + reason);
}

bool VirtualReceiver::Reset(const char* what)
{
    // Someone has to hold the line before a reset can reach it.
    while (true) {
        if (!Pump(100))
            return false;
        if (m_bLineOpen)
            break;
    }
    if (!Sleep(SETTLE_MS))
        return false;
    m_Input.clear();
    while (true) {
        Notice(std::string("reset, waiting for the ") + what);
        m_nFlushesAtReset = m_nFlushes;
        if (!SendCommand('V'))
            return false;
        const auto deadline = Clock::now() + std::chrono::milliseconds(m_Options.resetIntervalMs);
        while (m_Input.empty() && Clock::now() < deadline) {
            if (!Pump(20))
                return false;
        }
        if (!m_Input.empty())
            return true;
    }
}

bool VirtualReceiver::ExpectFirstStage(const uint8_t* loader, size_t loaderSize, const char* what)
{
    const std::vector<uint8_t> expected = FirstStageFrame(std::span(loader, loaderSize));
    return Expect(expected.data(), expected.size(), what);
}

bool VirtualReceiver::WaitForReopen(uint64_t flushesBefore, const char* after)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(REOPEN_TIMEOUT_MS);
    while (m_nFlushes == flushesBefore) {
        if (Clock::now() > deadline) {
            Fault(std::string("the port was not reopened after ") + after);
            return false;
        }
        if (!Pump(20))
            return false;
    }
    // The program sets the rate right after the flush that opening the port makes.
    speed_t speed = 0;
    const auto rateDeadline = Clock::now() + std::chrono::milliseconds(REOPEN_TIMEOUT_MS);
    do {
        if (!Sleep(SETTLE_MS))
            return false;
        termios tio {};
        if (tcgetattr(m_nMaster, &tio) == 0)
            speed = cfgetospeed(&tio);
    } while (speed != B115200 && Clock::now() < rateDeadline);
    if (speed != B115200) {
        Fault(std::string("the port is not at 115200 baud after ") + after);
        return false;
    }
    return true;
}

bool VirtualReceiver::SendCommand(uint8_t command)
{
    if (command == m_Options.strayCommand) {
        const uint8_t bytes[2] = {command, STRAY_BYTE};
        Notice("sending " + CommandName(command) + " with a stray byte");
        return SendBytes(bytes, 2);
    }
    return SendBytes(&command, 1);
}

bool VirtualReceiver::SendStream(const uint8_t* bytes, size_t length, long stallAfter, long hangUpAfter)
{
    size_t limit = length;
    if (stallAfter >= 0)
        limit = std::min(limit, size_t(stallAfter));
    if (hangUpAfter >= 0)
        limit = std::min(limit, size_t(hangUpAfter));
    if (!SendBytes(bytes, limit))
        return false;
    if (limit == length)
        return true;
    if (hangUpAfter >= 0 && limit == size_t(hangUpAfter)) {
        Notice("hanging up after " + std::to_string(limit) + " stream bytes");
        HangUp();
        return false;
    }
    Notice("stalled after " + std::to_string(limit) + " stream bytes");
    while (Sleep(1000)) {
    }
    return false;
}

bool VirtualReceiver::SendBytes(const uint8_t* bytes, size_t length)
{
    const auto start = Clock::now();
    // Ten bits a byte on the line; chunks of about 10 ms keep the pace even.
    const size_t chunk = m_Options.baud ? std::max<size_t>(1, m_Options.baud / 1000) : length;
    size_t sent = 0;
    while (sent < length) {
        if (m_bStopped || m_bHungUp)
            return false;
        const size_t want = std::min(chunk, length - sent);
        const ssize_t n = ::write(m_nMaster, bytes + sent, want);
        if (n > 0) {
            sent += size_t(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
            Fault("cannot write to the line");
            return false;
        } else {
            pollfd fds[2] = {{m_nMaster, POLLOUT, 0}, {m_nStopEvent, POLLIN, 0}};
            poll(fds, 2, 10);
            continue;
        }
        if (m_Options.baud) {
            const auto due = start + std::chrono::microseconds(uint64_t(sent) * 10000000 / m_Options.baud);
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
            if (wait.count() > 0 && !Sleep(int(wait.count())))
                return false;
        }
    }
    return true;
}

bool VirtualReceiver::ReadExact(uint8_t* out, size_t count, int idleTimeoutMs)
{
    auto lastArrival = Clock::now();
    size_t seen = m_Input.size();
    while (m_Input.size() < count) {
        if (!Pump(50))
            return false;
        // Judged after looking at the line: a receiver that was not scheduled
        // for a while has not been kept waiting by the program.
        if (m_Input.size() != seen) {
            seen = m_Input.size();
            lastArrival = Clock::now();
        } else if (idleTimeoutMs >= 0 && Clock::now() - lastArrival > std::chrono::milliseconds(idleTimeoutMs)) {
            return false;
        }
    }
    std::copy(m_Input.begin(), m_Input.begin() + long(count), out);
    m_Input.erase(m_Input.begin(), m_Input.begin() + long(count));
    return true;
}

bool VirtualReceiver::Expect(const uint8_t* expected, size_t count, const char* what)
{
    std::vector<uint8_t> got(count);
    if (!ReadExact(got.data(), count, m_Options.answerTimeoutMs)) {
        if (!m_bStopped && !m_bHungUp)
            Fault(std::string("no complete ") + what + ": " + std::to_string(m_Input.size()) + " of "
                  + std::to_string(count) + " bytes");
        return false;
    }
    const auto mismatch = std::mismatch(got.begin(), got.end(), expected);
    if (mismatch.first != got.end()) {
        const auto at = mismatch.first - got.begin();
        Fault(std::string("wrong ") + what + ": byte " + std::to_string(at) + " is " + Hex(*mismatch.first)
              + ", expected " + Hex(*mismatch.second));
        return false;
    }
    return true;
}

bool VirtualReceiver::Pump(int timeoutMs)
{
    if (m_bStopped || m_bHungUp)
        return false;
    pollfd fds[2] = {{m_nMaster, POLLIN | POLLPRI, 0}, {m_nStopEvent, POLLIN, 0}};
    const int ready = poll(fds, 2, timeoutMs);
    if (m_bStopped || fds[1].revents)
        return false;
    if (ready <= 0) {
        m_bLineOpen = ready == 0;
        return true;
    }
    m_bLineOpen = !(fds[0].revents & POLLHUP);
    if (fds[0].revents & (POLLIN | POLLPRI)) {
        uint8_t buffer[4097];
        const ssize_t n = ::read(m_nMaster, buffer, sizeof buffer);
        if (n > 0) {
            if (buffer[0] == TIOCPKT_DATA)
                m_Input.insert(m_Input.end(), buffer + 1, buffer + n);
            else if (buffer[0] & TIOCPKT_FLUSHREAD)
                ++m_nFlushes;
            return true;
        }
    }
    // Nobody holds the line right now (the program reopens its port): do not spin.
    if (fds[0].revents & POLLHUP)
        return Sleep(5);
    return true;
}

bool VirtualReceiver::Sleep(int milliseconds)
{
    if (m_bStopped)
        return false;
    pollfd stop = {m_nStopEvent, POLLIN, 0};
    return poll(&stop, 1, milliseconds) == 0 && !m_bStopped;
}

void VirtualReceiver::HangUp()
{
    if (m_nMaster >= 0)
        ::close(m_nMaster);
    m_nMaster = -1;
    m_bHungUp = true;
}
