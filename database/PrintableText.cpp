#include "PrintableText.h"

namespace {

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

size_t FindControlCharacter(std::string_view text)
{
    for (size_t at = 0; at < text.size(); ++at)
        if (IsControl(text[at]))
            return at;
    return std::string_view::npos;
}

std::string PrintableText(std::string_view text)
{
    if (FindControlCharacter(text) == std::string_view::npos)
        return std::string(text);
    static const char HEX[] = "0123456789ABCDEF";
    std::string printable;
    printable.reserve(text.size() + 16);
    for (const char c : text) {
        if (!IsControl(c)) {
            printable += c;
            continue;
        }
        switch (c) {
        case '\n': printable += "\\n"; break;
        case '\r': printable += "\\r"; break;
        case '\t': printable += "\\t"; break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            printable += "\\x";
            printable += HEX[byte >> 4];
            printable += HEX[byte & 0x0F];
        }
        }
    }
    return printable;
}

std::string EchoedText(std::string_view text)
{
    if (text.size() <= MAX_ECHOED)
        return PrintableText(text);
    // Never in the middle of a UTF-8 character.
    size_t cut = MAX_ECHOED;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return PrintableText(text.substr(0, cut)) + "... (" + std::to_string(text.size()) + " bytes)";
}
