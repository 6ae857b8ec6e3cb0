#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Names in the image are bytes in the Windows ANSI code page of the user's
// locale. This converts between those bytes and UTF-8 text.
class CodePageText {
public:
    // A code page the system cannot convert falls back to 1252.
    explicit CodePageText(int codePage);
    ~CodePageText();
    CodePageText(const CodePageText&) = delete;
    CodePageText& operator=(const CodePageText&) = delete;

    int CodePage() const { return m_codePage; }

    // Reads at most maxBytes, up to the first zero byte; bytes the code
    // page does not define read as '?'.
    std::string ToUtf8(const char* bytes, size_t maxBytes) const;
    // At most maxBytes, never splitting a character; characters the code
    // page lacks, and text that is not UTF-8, become '?'.
    std::string FromUtf8(std::string_view text, size_t maxBytes) const;
    // Every character converted, or nothing when one of them has no bytes
    // in the code page or the text is not UTF-8.
    std::optional<std::string> FromUtf8Exactly(std::string_view text) const;

private:
    bool EncodeCharacter(char32_t codePoint, std::string& bytes) const;

    int m_codePage;
    void* m_toUtf8;
    void* m_fromUtf32;
};

// True when every byte belongs to a well-formed UTF-8 sequence.
bool IsUtf8(std::string_view text);

// How much of a text reads as UTF-8.
struct Utf8Reading {
    // The first byte of no well-formed sequence; npos when there is none.
    size_t firstBad = std::string_view::npos;
    // Whether a well-formed sequence of two or more bytes was read.
    bool multiByte = false;
};
Utf8Reading ReadUtf8(std::string_view text);

void AppendUtf8(std::string& text, char32_t codePoint);

// The text with the capital letters of the alphabets the code pages hold
// (Latin, Greek, Cyrillic) made small, so that names compare ignoring case.
std::string FoldedCase(std::string_view text);

// The code page Windows would choose for a locale name such as "zh_CN.UTF-8".
int CodePageForLocale(const char* locale);

// TAVREL_CODEPAGE when set, otherwise the code page of the user's locale.
int CodePageFromEnvironment();

// The code page of names in the image. Programs choose it once at start;
// until one is chosen, the first use takes it from the environment.
void ChooseAnsiCodePage(int codePage);
int AnsiCodePage();

// The converter for AnsiCodePage(), made anew when the choice changes.
const CodePageText& AnsiCodePageText();
