#include "CodePage.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <memory>

namespace {

const iconv_t NO_ICONV = reinterpret_cast<iconv_t>(-1);

iconv_t OpenIconv(const char* to, const char* from)
{
    return iconv_open(to, from);
}

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

} // namespace

CodePageConverter::CodePageConverter(int codePage)
    : m_codePage(codePage)
{
    const QByteArray name = "CP" + QByteArray::number(codePage);
    iconv_t toText = OpenIconv("UTF-16LE", name.constData());
    iconv_t fromText = OpenIconv(name.constData(), "UTF-32LE");
    if (toText == NO_ICONV || fromText == NO_ICONV) {
        if (toText != NO_ICONV)
            iconv_close(toText);
        if (fromText != NO_ICONV)
            iconv_close(fromText);
        m_codePage = 1252;
        toText = OpenIconv("UTF-16LE", "CP1252");
        fromText = OpenIconv("CP1252", "UTF-32LE");
    }
    m_toText = toText;
    m_fromText = fromText;
}

CodePageConverter::~CodePageConverter()
{
    if (m_toText != NO_ICONV)
        iconv_close(static_cast<iconv_t>(m_toText));
    if (m_fromText != NO_ICONV)
        iconv_close(static_cast<iconv_t>(m_fromText));
}

QString CodePageConverter::ToText(const char* bytes, size_t maxBytes) const
{
    size_t length = 0;
    bool ascii = true;
    while (length < maxBytes && bytes[length] != 0) {
        if (static_cast<unsigned char>(bytes[length]) >= 0x80)
            ascii = false;
        ++length;
    }
    if (ascii)
        return QString::fromLatin1(bytes, static_cast<qsizetype>(length));

    auto cd = static_cast<iconv_t>(m_toText);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t capacity = 2 * length + 2;
    auto units = std::make_unique<char16_t[]>(capacity);
    char* in = const_cast<char*>(bytes);
    size_t inLeft = length;
    char* out = reinterpret_cast<char*>(units.get());
    size_t outLeft = capacity * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG || outLeft < sizeof(char16_t))
            break;
        // A byte the code page does not define, or a character cut off by
        // the end of the field.
        const char16_t question = u'?';
        std::memcpy(out, &question, sizeof question);
        out += sizeof question;
        outLeft -= sizeof question;
        if (errno == EINVAL)
            break;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    const auto count = static_cast<qsizetype>((capacity * sizeof(char16_t) - outLeft) / sizeof(char16_t));
    return QString(reinterpret_cast<const QChar*>(units.get()), count);
}

std::string CodePageConverter::FromText(const QString& text, size_t maxBytes) const
{
    auto cd = static_cast<iconv_t>(m_fromText);
    std::string result;
    for (const uint value : text.toUcs4()) {
        char32_t codePoint = value;
        char encoded[8];
        char* in = reinterpret_cast<char*>(&codePoint);
        size_t inLeft = sizeof codePoint;
        char* out = encoded;
        size_t outLeft = sizeof encoded;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        size_t length = 1;
        if (codePoint != 0 && iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) {
            length = sizeof encoded - outLeft;
        } else {
            encoded[0] = '?';
        }
        if (result.size() + length > maxBytes)
            break;
        result.append(encoded, length);
    }
    return result;
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

int AnsiCodePage()
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

const CodePageConverter& AnsiConverter()
{
    static std::unique_ptr<CodePageConverter> converter;
    static int requested = 0;
    const int codePage = AnsiCodePage();
    if (!converter || requested != codePage) {
        converter = std::make_unique<CodePageConverter>(codePage);
        requested = codePage;
    }
    return *converter;
}

} // namespace

QString AnsiToText(const char* bytes, size_t maxBytes)
{
    return AnsiConverter().ToText(bytes, maxBytes);
}

std::string TextToAnsi(const QString& text, size_t maxBytes)
{
    return AnsiConverter().FromText(text, maxBytes);
}
