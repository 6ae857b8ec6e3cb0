#pragma once

#include "CodePageText.h"

#include <QtCore/QString>

#include <cstddef>
#include <string>

// The window's side of the code page conversion: the current ANSI code
// page, with text as QString.
QString AnsiToText(const char* bytes, size_t maxBytes);
std::string TextToAnsi(const QString& text, size_t maxBytes);
