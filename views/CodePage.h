#pragma once

#include <QtCore/QString>

#include <cstddef>
#include <string>

// Names in the image are bytes in the Windows ANSI code page of the user's
// locale. This converts between those bytes and text.
class CodePageConverter {
public:
    explicit CodePageConverter(int codePage);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

    int CodePage() const { return m_codePage; }

    // Reads at most maxBytes, up to the first zero byte; bytes the code
    // page does not define read as '?'.
    QString ToText(const char* bytes, size_t maxBytes) const;
    // At most maxBytes, never splitting a character; characters the code
    // page lacks become '?'.
    std::string FromText(const QString& text, size_t maxBytes) const;

private:
    int m_codePage;
    void* m_toText;
    void* m_fromText;
};

// The code page Windows would choose for a locale name such as "zh_CN.UTF-8".
int CodePageForLocale(const char* locale);

// TAVREL_CODEPAGE when set, otherwise the code page of the user's locale.
int AnsiCodePage();

// Conversions with the current ANSI code page.
QString AnsiToText(const char* bytes, size_t maxBytes);
std::string TextToAnsi(const QString& text, size_t maxBytes);
