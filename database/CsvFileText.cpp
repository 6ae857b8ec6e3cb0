#include "CsvFileText.h"

#include "CodePageText.h"

#include <algorithm>

namespace {

CsvFileText FromUtf16(std::string_view bytes, bool bigEndian)
{
    const char* const order = bigEndian ? "UTF-16 big-endian" : "UTF-16 little-endian";
    CsvFileText result;
    if (bytes.size() % 2 != 0) {
        result.error = ImportProblem { ImportProblemKind::Utf16EndsInCharacter, 0, { order }, {} };
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
            result.error = ImportProblem { ImportProblemKind::Utf16BrokenCharacter, 0, { order }, { at + 2 } };
            return result;
        }
        AppendUtf8(result.text, c);
    }
    return result;
}

CsvFileText Unread(const char* encoding, const CodePageText& legacy)
{
    CsvFileText result;
    result.error = ImportProblem { ImportProblemKind::EncodingNotRead, 0, { encoding },
        { static_cast<uint64_t>(legacy.CodePage()) } };
    return result;
}

// A text that begins with a zero byte is neither UTF-8 nor a code page's.
const char* WideEncoding(std::string_view bytes)
{
    const std::string_view zeros("\0\0\0", 3);
    if (bytes.size() >= 4 && (bytes.substr(0, 3) == zeros || bytes.substr(1, 3) == zeros))
        return "UTF-32";
    return "UTF-16 without a byte order mark";
}

// A stray byte at its row and column, counted in lines and characters from 1.
ImportProblem StrayByte(ImportProblemKind kind, std::string_view text, size_t at)
{
    size_t row = 1;
    size_t column = 1;
    for (size_t i = 0; i < at; ++i) {
        if (text[i] == '\n') {
            ++row;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return ImportProblem { kind, static_cast<uint32_t>(row), {}, { column } };
}

} // namespace

CsvFileText DecodeCsvFile(std::string_view bytes, const CodePageText& legacy)
{
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) || bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return Unread("UTF-32", legacy);
    if (bytes.starts_with("\xFF\xFE"))
        return FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return FromUtf16(bytes.substr(2), true);
    CsvFileText result;
    const bool marked = bytes.starts_with("\xEF\xBB\xBF");
    if (marked)
        bytes.remove_prefix(3);
    if (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0'))
        return Unread(WideEncoding(bytes), legacy);
    const Utf8Reading reading = ReadUtf8(bytes);
    if (reading.firstBad == std::string_view::npos) {
        result.text = bytes;
        return result;
    }
    // A file that is UTF-8 but for a stray byte would turn into mojibake as a code page.
    if (marked || reading.multiByte) {
        result.error = StrayByte(marked ? ImportProblemKind::StrayByteAfterMark : ImportProblemKind::StrayByteAmongUtf8,
            bytes, reading.firstBad);
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
    result.note = ImportProblem { ImportProblemKind::ReadAsCodePage, 0, {}, { static_cast<uint64_t>(legacy.CodePage()) } };
    return result;
}
