#include "LineSettings.h"

#include <algorithm>
#include <iterator>

namespace {

struct BaudRate {
    unsigned rate;
    speed_t speed;
};

constexpr BaudRate BAUD_RATES[] = {
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600},
    {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000},
};

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

unsigned LineSettings::BaudOf(speed_t speed)
{
    const auto baud = std::find_if(std::begin(BAUD_RATES), std::end(BAUD_RATES),
                                   [speed](const BaudRate& b) { return b.speed == speed; });
    return baud == std::end(BAUD_RATES) ? 0 : baud->rate;
}

bool LineSettings::Parse(std::string_view text)
{
    std::string_view fields[4];
    for (int i = 0; i < 4; ++i) {
        const size_t comma = text.find(',');
        if ((i < 3) == (comma == std::string_view::npos))
            return false;
        fields[i] = Trim(text.substr(0, comma));
        text = i < 3 ? text.substr(comma + 1) : std::string_view();
    }

    if (fields[0].empty() || fields[0].size() > 8)
        return false;
    unsigned rate = 0;
    for (char c : fields[0]) {
        if (c < '0' || c > '9')
            return false;
        rate = rate * 10 + unsigned(c - '0');
    }
    const auto baud = std::find_if(std::begin(BAUD_RATES), std::end(BAUD_RATES),
                                   [rate](const BaudRate& b) { return b.rate == rate; });
    if (baud == std::end(BAUD_RATES))
        return false;

    if (fields[1].size() != 1)
        return false;
    const char parity = char(fields[1][0] | 0x20);
    if (std::string_view("neoms").find(parity) == std::string_view::npos)
        return false;

    if (fields[2].size() != 1 || fields[2][0] < '5' || fields[2][0] > '8')
        return false;

    if (fields[3] != "1" && fields[3] != "1.5" && fields[3] != "2")
        return false;

    m_nBaud = rate;
    m_Speed = baud->speed;
    m_cParity = parity;
    m_nDataBits = fields[2][0] - '0';
    m_bTwoStopBits = fields[3] != "1";
    return true;
}

void LineSettings::ApplyTo(termios& tio) const
{
    constexpr tcflag_t DATA_BITS[] = {CS5, CS6, CS7, CS8};
    cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | DATA_BITS[m_nDataBits - 5];
    switch (m_cParity) {
    case 'e': tio.c_cflag |= PARENB; break;
    case 'o': tio.c_cflag |= PARENB | PARODD; break;
    case 'm': tio.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case 's': tio.c_cflag |= PARENB | CMSPAR; break;
    default: break;
    }
    if (m_cParity != 'n')
        tio.c_iflag |= INPCK;
    if (m_bTwoStopBits)
        tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, m_Speed);
    cfsetospeed(&tio, m_Speed);
}
