#include "LineSettings.h"

#include <gtest/gtest.h>

namespace {

termios Applied(const char* text)
{
    LineSettings settings;
    EXPECT_TRUE(settings.Parse(text)) << text;
    termios tio {};
    tio.c_lflag = ICANON | ECHO;
    tio.c_iflag = IXON | ICRNL;
    tio.c_cflag = CRTSCTS;
    settings.ApplyTo(tio);
    return tio;
}

constexpr tcflag_t FRAMING = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

TEST(LineSettingsTest, TransferSettingsGiveARawEightBitLine)
{
    for (const char* text : {"115200,n,8,1", "115200,N,8,1", " 115200 , n , 8 , 1 "}) {
        const termios tio = Applied(text);
        EXPECT_EQ(cfgetospeed(&tio), speed_t(B115200));
        EXPECT_EQ(cfgetispeed(&tio), speed_t(B115200));
        EXPECT_EQ(tio.c_cflag & FRAMING, tcflag_t(CS8));
        EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD | CRTSCTS), tcflag_t(CLOCAL | CREAD));
        EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
        EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INPCK), 0u);
        EXPECT_EQ(tio.c_cc[VMIN], 0);
        EXPECT_EQ(tio.c_cc[VTIME], 0);
    }
}

TEST(LineSettingsTest, CrystalRatesAreKnown)
{
    const std::pair<const char*, speed_t> rates[] = {
        {"9600,n,8,1", B9600}, {"19200,n,8,1", B19200}, {"57600,n,8,1", B57600}, {"38400,n,8,1", B38400}};
    for (const auto& [text, speed] : rates) {
        const termios tio = Applied(text);
        EXPECT_EQ(cfgetospeed(&tio), speed) << text;
    }
}

TEST(LineSettingsTest, ParityDataAndStopBitsMapToTheirFlags)
{
    EXPECT_EQ(Applied("9600,e,7,2").c_cflag & FRAMING, tcflag_t(CS7 | PARENB | CSTOPB));
    EXPECT_EQ(Applied("9600,O,5,1.5").c_cflag & FRAMING, tcflag_t(CS5 | PARENB | PARODD | CSTOPB));
    EXPECT_EQ(Applied("9600,m,6,1").c_cflag & FRAMING, tcflag_t(CS6 | PARENB | PARODD | CMSPAR));
    EXPECT_EQ(Applied("9600,S,8,1").c_cflag & FRAMING, tcflag_t(CS8 | PARENB | CMSPAR));
    EXPECT_EQ(Applied("9600,e,8,1").c_iflag & INPCK, tcflag_t(INPCK));
}

TEST(LineSettingsTest, MalformedTextIsRefusedAndChangesNothing)
{
    LineSettings settings;
    ASSERT_TRUE(settings.Parse("38400,n,8,1"));
    for (const char* text : {"", "115200", "115200,n,8", "115200,n,8,1,1", "115200,x,8,1", "115200,n,9,1",
                             "115200,n,4,1", "115200,n,8,3", "115200,n,8,1.0", "12345,n,8,1", "-9600,n,8,1",
                             "9600,nn,8,1", "115200;n;8;1", ",n,8,1", "999999999,n,8,1"})
        EXPECT_FALSE(settings.Parse(text)) << '"' << text << '"';
    EXPECT_EQ(settings.m_nBaud, 38400u);
    EXPECT_EQ(settings.m_cParity, 'n');
}

TEST(LineSettingsTest, BaudOfNamesTheRate)
{
    EXPECT_EQ(LineSettings::BaudOf(B115200), 115200u);
    EXPECT_EQ(LineSettings::BaudOf(B0), 0u);
}

} // namespace
