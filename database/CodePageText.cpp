#include "CodePageText.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <memory>

namespace {

const iconv_t NO_ICONV = reinterpret_cast<iconv_t>(-1);
constexpr char32_t NOT_UTF8 = 0xFFFFFFFF;

struct LanguageCodePage {
    const char* language;
    int codePage;
};

constexpr LanguageCodePage LANGUAGES[] = {
    { "ja", 932 }, { "ko", 949 },
    { "ru", 1251 }, { "uk", 1251 }, { "be", 1251 }, { "bg", 1251 }, { "sr", 1251 }, { "mk", 1251 },
    { "cs", 1250 }, { "pl", 1250 }, { "hu", 1250 }, { "ro", 1250 }, { "hr", 1250 }, { "sk", 1250 }, { "sl", 1250 },
    { "el", 1253 }, { "tr", 1254 }, { "he", 1255 },
    { "ar", 1256 }, { "fa", 1256 }, { "ur", 1256 },
    { "et", 1257 }, { "lv", 1257 }, { "lt", 1257 },
    { "vi", 1258 }, { "th", 874 },
};

// The code point at text[at], and how many bytes it takes; NOT_UTF8 with
// length 1 for a byte that starts no well-formed sequence.
char32_t NextCodePoint(std::string_view text, size_t at, size_t& length)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 1;
    if (lead < 0x80)
        return lead;
    size_t extra = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return NOT_UTF8;
    }
    if (at + extra >= text.size())
        return NOT_UTF8;
    for (size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return NOT_UTF8;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return NOT_UTF8;
    length = extra + 1;
    return value;
}

} // namespace

CodePageText::CodePageText(int codePage)
    : m_codePage(codePage)
{
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t toUtf8 = iconv_open("UTF-8", name.c_str());
    iconv_t fromUtf32 = iconv_open(name.c_str(), "UTF-32LE");
    if (toUtf8 == NO_ICONV || fromUtf32 == NO_ICONV) {
        if (toUtf8 != NO_ICONV)
            iconv_close(toUtf8);
        if (fromUtf32 != NO_ICONV)
            iconv_close(fromUtf32);
        m_codePage = 1252;
        toUtf8 = iconv_open("UTF-8", "CP1252");
        fromUtf32 = iconv_open("CP1252", "UTF-32LE");
    }
    m_toUtf8 = toUtf8;
    m_fromUtf32 = fromUtf32;
}

CodePageText::~CodePageText()
{
    if (m_toUtf8 != NO_ICONV)
        iconv_close(static_cast<iconv_t>(m_toUtf8));
    if (m_fromUtf32 != NO_ICONV)
        iconv_close(static_cast<iconv_t>(m_fromUtf32));
}

std::string CodePageText::ToUtf8(const char* bytes, size_t maxBytes) const
{
    size_t length = 0;
    bool ascii = true;
    while (length < maxBytes && bytes[length] != 0) {
        if (static_cast<unsigned char>(bytes[length]) >= 0x80)
            ascii = false;
        ++length;
    }
    if (ascii)
        return std::string(bytes, length);

    auto cd = static_cast<iconv_t>(m_toUtf8);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // No byte of a code page turns into more than four UTF-8 bytes.
    std::string text(4 * length + 4, '\0');
    char* in = const_cast<char*>(bytes);
    size_t inLeft = length;
    char* out = text.data();
    size_t outLeft = text.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG || outLeft == 0)
            break;
        // A byte the code page does not define, or a character cut off by
        // the end of the field.
        *out++ = '?';
        --outLeft;
        if (errno == EINVAL)
            break;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    text.resize(text.size() - outLeft);
    return text;
}

bool CodePageText::EncodeCharacter(char32_t codePoint, std::string& bytes) const
{
    if (codePoint == 0 || codePoint == NOT_UTF8)
        return false;
    if (codePoint < 0x80) {
        bytes.push_back(static_cast<char>(codePoint));
        return true;
    }
    auto cd = static_cast<iconv_t>(m_fromUtf32);
    char encoded[8];
    char* in = reinterpret_cast<char*>(&codePoint);
    size_t inLeft = sizeof codePoint;
    char* out = encoded;
    size_t outLeft = sizeof encoded;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1))
        return false;
    bytes.append(encoded, sizeof encoded - outLeft);
    return true;
}

std::string CodePageText::FromUtf8(std::string_view text, size_t maxBytes) const
{
    std::string result;
    std::string encoded;
    for (size_t at = 0; at < text.size();) {
        size_t length = 1;
        const char32_t codePoint = NextCodePoint(text, at, length);
        at += length;
        encoded.clear();
        if (!EncodeCharacter(codePoint, encoded))
            encoded.assign(1, '?');
        if (result.size() + encoded.size() > maxBytes)
            break;
        result += encoded;
    }
    return result;
}

std::optional<std::string> CodePageText::FromUtf8Exactly(std::string_view text) const
{
    std::string result;
    for (size_t at = 0; at < text.size();) {
        size_t length = 1;
        const char32_t codePoint = NextCodePoint(text, at, length);
        at += length;
        if (!EncodeCharacter(codePoint, result))
            return std::nullopt;
    }
    return result;
}

bool IsUtf8(std::string_view text)
{
    return ReadUtf8(text).firstBad == std::string_view::npos;
}

Utf8Reading ReadUtf8(std::string_view text)
{
    Utf8Reading reading;
    for (size_t at = 0; at < text.size();) {
        size_t length = 1;
        if (NextCodePoint(text, at, length) == NOT_UTF8)
            reading.firstBad = std::min(reading.firstBad, at);
        reading.multiByte = reading.multiByte || length > 1;
        at += length;
    }
    return reading;
}

int CodePageForLocale(const char* locale)
{
    if (!locale)
        return 1252;
    const std::string name(locale);
    const std::string language = name.substr(0, name.find_first_of("_.@"));
    if (language == "zh") {
        const bool traditional = name.rfind("zh_TW", 0) == 0 || name.rfind("zh_HK", 0) == 0;
        return traditional ? 950 : 936;
    }
    for (const LanguageCodePage& entry : LANGUAGES) {
        if (language == entry.language)
            return entry.codePage;
    }
    return 1252;
}

int CodePageFromEnvironment()
{
    if (const char* forced = std::getenv("TAVREL_CODEPAGE"); forced && *forced) {
        const int codePage = std::atoi(forced);
        if (codePage > 0)
            return codePage;
    }
    for (const char* variable : { "LC_ALL", "LC_CTYPE", "LANG" }) {
        if (const char* value = std::getenv(variable); value && *value)
            return CodePageForLocale(value);
    }
    return 1252;
}

namespace {

int chosenCodePage = 0;

} // namespace

void ChooseAnsiCodePage(int codePage)
{
    chosenCodePage = codePage;
}

int AnsiCodePage()
{
    if (chosenCodePage == 0)
        chosenCodePage = CodePageFromEnvironment();
    return chosenCodePage;
}

const CodePageText& AnsiCodePageText()
{
    static std::unique_ptr<CodePageText> converter;
    static int requested = 0;
    const int codePage = AnsiCodePage();
    if (!converter || requested != codePage) {
        converter = std::make_unique<CodePageText>(codePage);
        requested = codePage;
    }
    return *converter;
}

void AppendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += char(c);
    } else if (c < 0x800) {
        text += char(0xC0 | (c >> 6));
        text += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += char(0xE0 | (c >> 12));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
    } else {
        text += char(0xF0 | (c >> 18));
        text += char(0x80 | ((c >> 12) & 0x3F));
        text += char(0x80 | ((c >> 6) & 0x3F));
        text += char(0x80 | (c & 0x3F));
    }
}

namespace {

char32_t SmallLetter(char32_t c)
{
    const bool even = c % 2 == 0;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)
        || (c >= 0xFF21 && c <= 0xFF3A))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177) || (c >= 0x460 && c <= 0x481)
            || (c >= 0x48A && c <= 0x4BF))
        && even)
        return c + 1;
    if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && !even)
        return c + 1;
    switch (c) {
    case 0x178:
        return 0xFF;
    case 0x386:
        return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
        return c + 0x25;
    case 0x38C:
        return 0x3CC;
    case 0x38E:
    case 0x38F:
        return c + 0x3F;
    default:
        return c;
    }
}

} // namespace

std::string FoldedCase(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            folded += static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + 0x20 : lead);
            ++at;
            continue;
        }
        size_t length = 1;
        const char32_t codePoint = NextCodePoint(text, at, length);
        if (codePoint == NOT_UTF8)
            folded += text[at];
        else
            AppendUtf8(folded, SmallLetter(codePoint));
        at += length;
    }
    return folded;
}
