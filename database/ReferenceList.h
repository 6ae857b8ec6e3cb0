#pragma once

#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "ImportProblem.h"
#include "RowMatcher.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CodePageText;

// The order of a channel list that another list is put back into: another
// image (a kept dump is one), a CSV of the export's form, or a plain text
// list with one program a line, "number;name;ONID-TSID-SID".
class ReferenceList {
public:
    enum class Source { Image, Csv, Text };

    // The TV and radio programs of a decoded image.
    static ReferenceList FromImage(const ChannelDatabase& db, const CodePageText& names);
    // A text list: UTF-8 with or without a byte order mark, else the code
    // page of the names. The third field and everything after a third ';'
    // may be left out; blank lines and lines that begin with '#' are
    // skipped. The rows take the order of their numbers.
    static ReferenceList FromText(std::string_view bytes, const CodePageText& names);
    // A file's bytes, whichever of the three forms they are.
    static ReferenceList FromFile(std::string_view bytes, const CodePageText& names);

    Source Kind() const { return m_source; }
    // The TV rows, then the radio rows, each table in its order. A text
    // list does not tell TV from radio: its rows are EITHER_PROGRAM_TABLE.
    const std::vector<ChannelRow>& Rows() const { return m_rows; }
    // What the rows know: name, service id, satellite, transponder,
    // favourites, child lock.
    const ColumnSet& Columns() const { return m_columns; }
    // Why the list cannot be used, each naming its line or row.
    const std::vector<ImportProblem>& Errors() const { return m_errors; }
    // How the file was read, when that may surprise.
    const std::vector<ImportProblem>& Remarks() const { return m_remarks; }
    bool Refused() const { return !m_errors.empty(); }

    // Where a row stands in its source: "line 12", "row 4", "tv 7".
    std::string RowLabel(const ChannelRow& row) const;

private:
    static ReferenceList FromCsv(std::string_view bytes, const CodePageText& names);
    void ReadTextLine(std::string_view line, uint32_t lineNumber);

    Source m_source = Source::Text;
    std::vector<ChannelRow> m_rows;
    ColumnSet m_columns;
    std::vector<ImportProblem> m_errors;
    std::vector<ImportProblem> m_remarks;
};
