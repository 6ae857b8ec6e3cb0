#pragma once

#include <string_view>

// The receiver's crystals, by crystal index: the name the user picks and the
// line settings a transfer starts with.
constexpr int XTAL_COUNT = 5;
constexpr const char* XTAL_NAMES[XTAL_COUNT] = { "4M", "8M", "13.5M", "16M", "27M" };
constexpr const char* XTAL_SETTINGS[XTAL_COUNT] = { "9600,n,8,1", "19200,n,8,1", "57600,n,8,1", "38400,n,8,1",
    "115200,n,8,1" };
constexpr int DEFAULT_XTAL = 4;

// The ports the user picks from, COM1 to COM10, and the one a first run takes.
constexpr unsigned PORT_COUNT = 10;
constexpr unsigned DEFAULT_PORT = 4;

// The index of a crystal's name ("13.5M"), or -1.
inline int XtalIndex(std::string_view name)
{
    for (int xtal = 0; xtal < XTAL_COUNT; ++xtal) {
        if (name == XTAL_NAMES[xtal])
            return xtal;
    }
    return -1;
}
