#pragma once

#include "CodePageText.h"

#include <QtCore/QString>

#include <cstddef>
#include <string>

// The window's side of the code page conversion: the same converter, with
// text as QString.
class CodePageConverter {
public:
    explicit CodePageConverter(int codePage)
        : m_text(codePage)
    {
    }

    int CodePage() const { return m_text.CodePage(); }

    // Reads at most maxBytes, up to the first zero byte; bytes the code
    // page does not define read as '?'.
    QString ToText(const char* bytes, size_t maxBytes) const;
    // At most maxBytes, never splitting a character; characters the code
    // page lacks become '?'.
    std::string FromText(const QString& text, size_t maxBytes) const;

private:
    CodePageText m_text;
};

// Conversions with the current ANSI code page.
QString AnsiToText(const char* bytes, size_t maxBytes);
std::string TextToAnsi(const QString& text, size_t maxBytes);
