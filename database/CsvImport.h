#pragma once

#include "ChannelDatabase.h"
#include "ImportProblem.h"
#include "RowMatcher.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CodePageText;

// The largest CSV read for an import: far beyond any channel list.
constexpr size_t MAX_CSV_SIZE = 64 << 20;

// The TV and radio rows of a CSV of the export's form, numbers written as
// the export writes them; `source` is the row number.
struct CsvProgramRows {
    std::vector<ChannelRow> programs;
    size_t otherRows = 0; // satellite and transponder rows
    ColumnSet columns;
    // Why the CSV cannot be used, each naming its row.
    std::vector<ImportProblem> errors;
    // How the file was read, when that may surprise.
    std::optional<ImportProblem> remark;
};

// The CSV is the file's bytes, in any encoding DecodeCsvFile reads. An
// offset that is not a number is an error only when offsets are required.
CsvProgramRows ReadCsvProgramRows(std::string_view csv, const CodePageText& names, bool offsetsRequired);

struct ImportOptions {
    MatchMode match = MatchMode::Offset;
    // Match by offset when the CSV is a list of this image, else by reference.
    bool chooseMatch = false;
    // Delete the programs the CSV does not list, from the tables it lists
    // programs of; a CSV that lists no program is refused.
    bool deleteMissing = false;
};

// What an import did, or would do, in numbers.
struct ImportSummary {
    size_t rowsRead = 0;     // every row of the CSV but the header and blank lines
    size_t programRows = 0;  // the TV and radio rows among them
    size_t placed = 0;       // program rows that found their program
    size_t moved = 0;
    size_t renamed = 0;
    size_t locksChanged = 0;
    size_t favouritesChanged = 0;
    size_t deleted = 0;
    size_t notPlaced = 0;

    // "12 rows read, 3 moved, 1 renamed, 0 locks and 2 favourites changed, 0 deleted, 0 not placed"
    std::string Text() const;
};

// What a CSV of the export's form does to the TV and radio tables of an
// image: their order (rows the CSV leaves out follow the listed ones in
// their old order), names, child lock and favourite groups. Worked out in
// full before anything is written, so that a bad CSV changes nothing.
struct ImportPlan {
    // Any error refuses the whole import; each names its row.
    std::vector<ImportProblem> errors;
    // Rows that are not applied, and why.
    std::vector<ImportProblem> notes;
    // What the user should know about the file as a whole: how it was read,
    // edits in columns that are not applied.
    std::vector<ImportProblem> remarks;
    // What applying does, one line each.
    std::vector<std::string> changes;
    MatchMode match = MatchMode::Offset;
    ImportSummary summary;

    struct ProgramTable {
        std::vector<DirectoryEntry> entries;  // the table the plan was made for
        std::vector<ProgramRecord> writes;    // records with a new name, lock or favourites
        std::vector<uint16_t> listed;         // positions, in the CSV's order
        bool deleteUnlisted = false;
    };
    ProgramTable tv;
    ProgramTable radio;

    bool Refused() const { return !errors.empty(); }
    bool ChangesNothing() const { return changes.empty(); }
};

// The CSV is the file's bytes, in any encoding DecodeCsvFile reads.
ImportPlan PlanImport(const ChannelDatabase& db, std::string_view csv, const ImportOptions& options,
    const CodePageText& names);

// Completes a plan whose tables' `listed` and `deleteUnlisted` are set:
// the changes of order and the deletes, and the summary's moved, deleted
// and placed. `source` names what lists the programs ("CSV").
void DescribeImportOrder(const ChannelDatabase& db, ImportPlan& plan, const std::string& source,
    const CodePageText& names);

// Applies a plan made from the database as it is decoded now, through the
// record writers, the deletes and ReorderRecords, and decodes the result.
// False, with the image and tables as they were, when the database is no
// longer the one planned for or an operation refuses.
bool ApplyImport(ChannelDatabase& db, const ImportPlan& plan);
