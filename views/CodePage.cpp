#include "CodePage.h"

QString AnsiToText(const char* bytes, size_t maxBytes)
{
    return QString::fromStdString(AnsiCodePageText().ToUtf8(bytes, maxBytes));
}

std::string TextToAnsi(const QString& text, size_t maxBytes)
{
    return AnsiCodePageText().FromUtf8(text.toStdString(), maxBytes);
}
