#pragma once

#include <string>
#include <string_view>

// Names hold printable text: a control character (0x00 to 0x1F, 0x7F) in a
// name breaks the one-line output of every listing and can drive a terminal.

// The first control character in the text, or npos when there is none.
size_t FindControlCharacter(std::string_view text);

// The text with each control character shown as an escape: \n, \r, \t, or
// \xHH (\x1B for ESC, \x7F for DEL). Other bytes stay as they are.
std::string PrintableText(std::string_view text);

// A name or value as a message echoes it: printable, and cut after its first
// MAX_ECHOED bytes with the length of the whole, so that a huge value does not
// flood the screen.
constexpr size_t MAX_ECHOED = 200;
std::string EchoedText(std::string_view text);
