#pragma once

#include "ImportProblem.h"

#include <optional>
#include <string>
#include <string_view>

class CodePageText;

// The text of a CSV file as a spreadsheet saves it: UTF-8 with or without a
// byte order mark, UTF-16 with a byte order mark in either byte order
// ("Unicode text"), or else the legacy code page of the names. UTF-32, UTF-16
// without a mark and UTF-8 with a stray byte are refused, never guessed at.
struct CsvFileText {
    // UTF-8, without a byte order mark.
    std::string text;
    // How the file was read when that may surprise; none for UTF-8.
    std::optional<ImportProblem> note;
    // Why the file cannot be read; none when it was.
    std::optional<ImportProblem> error;
};

CsvFileText DecodeCsvFile(std::string_view bytes, const CodePageText& legacy);
