#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as RFC 4180 has it: records end in CRLF, a field
// holding a comma, a double quote or a line break stands in double quotes,
// and a double quote inside one is doubled.
void AppendCsvRecord(std::string& text, std::span<const std::string> fields);

// Reads what a spreadsheet saves: a byte order mark, CRLF, LF or CR line
// ends, and tabs or semicolons instead of commas when the first record has
// no comma.
// Record k (from 1) is row k as a spreadsheet numbers it; an empty line is
// a record with one empty field.
struct CsvRecords {
    std::vector<std::vector<std::string>> records;
    // Empty when the text was read; otherwise the problem, naming its row.
    std::string error;
};

CsvRecords ParseCsv(std::string_view text);
