#include "CsvFileText.h"

#include "CodePageText.h"

#include <algorithm>

namespace {

CsvFileText FromUtf16(std::string_view bytes, bool bigEndian)
{
    const char* const order = bigEndian ? "UTF-16 big-endian" : "UTF-16 little-endian";
    CsvFileText result;
    if (bytes.size() % 2 != 0) {
        result.error = std::string("the file is ") + order + " and ends in the middle of a character";
        return result;
    }
    auto unit = [&](size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return char16_t(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    for (size_t at = 0; at < bytes.size(); at += 2) {
        char32_t c = unit(at);
        if (c >= 0xD800 && c <= 0xDBFF && at + 3 < bytes.size()) {
            const char16_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                at += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            result.error = std::string("the file is ") + order + " and has a broken character at byte "
                + std::to_string(at + 2);
            return result;
        }
        AppendUtf8(result.text, c);
    }
    return result;
}

std::string CodePageName(int codePage)
{
    if (codePage >= 1250 && codePage <= 1258)
        return "Windows-" + std::to_string(codePage);
    return "code page " + std::to_string(codePage);
}

} // namespace

CsvFileText DecodeCsvFile(std::string_view bytes, const CodePageText& legacy)
{
    if (bytes.starts_with("\xFF\xFE"))
        return FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return FromUtf16(bytes.substr(2), true);
    CsvFileText result;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (IsUtf8(bytes)) {
        result.text = bytes;
        return result;
    }
    // The converter stops at a zero byte, which stays as it is.
    for (size_t at = 0; at <= bytes.size();) {
        const size_t zero = std::min(bytes.find('\0', at), bytes.size());
        result.text += legacy.ToUtf8(bytes.data() + at, zero - at);
        if (zero < bytes.size())
            result.text += '\0';
        at = zero + 1;
    }
    result.note = "read as " + CodePageName(legacy.CodePage()) + ": the file is not UTF-8";
    return result;
}
