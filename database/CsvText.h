#pragma once

#include "ImportProblem.h"

#include <cstddef>
#include <optional>
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
class CsvReader {
public:
    explicit CsvReader(std::string_view text);

    // The next record into fields, whose strings are reused; false at the
    // end of the text, or on a fault that Fault() then names.
    bool Next(std::vector<std::string>& fields);
    const std::optional<ImportProblem>& Fault() const { return m_fault; }
    // The row of the record Next read last, from 1.
    size_t Row() const { return m_row; }

private:
    std::string_view m_text;
    size_t m_at = 0;
    size_t m_row = 0;
    char m_separator;
    std::optional<ImportProblem> m_fault;
};

struct CsvRecords {
    std::vector<std::vector<std::string>> records;
    // Empty when the text was read; otherwise the problem, naming its row.
    std::string error;
};

CsvRecords ParseCsv(std::string_view text);
