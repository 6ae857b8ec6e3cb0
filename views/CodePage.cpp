#include "CodePage.h"

QString CodePageConverter::ToText(const char* bytes, size_t maxBytes) const
{
    return QString::fromStdString(m_text.ToUtf8(bytes, maxBytes));
}

std::string CodePageConverter::FromText(const QString& text, size_t maxBytes) const
{
    return m_text.FromUtf8(text.toStdString(), maxBytes);
}

QString AnsiToText(const char* bytes, size_t maxBytes)
{
    return QString::fromStdString(AnsiCodePageText().ToUtf8(bytes, maxBytes));
}

std::string TextToAnsi(const QString& text, size_t maxBytes)
{
    return AnsiCodePageText().FromUtf8(text.toStdString(), maxBytes);
}
