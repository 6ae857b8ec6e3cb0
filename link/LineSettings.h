#pragma once

#include <string_view>

#include <termios.h>

// A serial line's framing in the Windows mode syntax "baud,parity,data,stop",
// for example "115200,n,8,1": parity n, e, o, m or s in either case, 5 to 8
// data bits, 1, 1.5 or 2 stop bits.
struct LineSettings {
    unsigned m_nBaud = 0;
    speed_t m_Speed = B0;
    char m_cParity = 'n';
    int m_nDataBits = 8;
    // 1.5 stop bits go out as 2: the terminal interface has nothing between.
    bool m_bTwoStopBits = false;

    // False, leaving the settings unchanged, when the text is malformed.
    bool Parse(std::string_view text);
    // A raw line with these settings, the receiver enabled and no flow control.
    void ApplyTo(termios& tio) const;

    // The rate a terminal speed stands for; 0 for speeds without one.
    static unsigned BaudOf(speed_t speed);
};
