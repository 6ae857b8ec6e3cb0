#pragma once

#include "ChannelDatabase.h"
#include "RowMatcher.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CodePageText;

// The largest CSV read for an import: far beyond any channel list.
constexpr size_t MAX_CSV_SIZE = 64 << 20;

struct ImportOptions {
    MatchMode match = MatchMode::Offset;
    // Match by offset when the CSV is a list of this image, else by reference.
    bool chooseMatch = false;
    // Delete the programs the CSV does not list.
    bool deleteMissing = false;
};

// What a CSV of the export's form does to the TV and radio tables of an
// image: their order (rows the CSV leaves out follow the listed ones in
// their old order), names, child lock and favourite groups. Worked out in
// full before anything is written, so that a bad CSV changes nothing.
struct ImportPlan {
    // Any error refuses the whole import; each names its row.
    std::vector<std::string> errors;
    // Rows that are not applied, and why.
    std::vector<std::string> notes;
    // What applying does, one line each.
    std::vector<std::string> changes;
    MatchMode match = MatchMode::Offset;

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

ImportPlan PlanImport(const ChannelDatabase& db, std::string_view csv, const ImportOptions& options,
    const CodePageText& names);

// Applies a plan made from the database as it is decoded now, through the
// record writers, the deletes and ReorderRecords, and decodes the result.
// False, with the image and tables as they were, when the database is no
// longer the one planned for or an operation refuses.
bool ApplyImport(ChannelDatabase& db, const ImportPlan& plan);
