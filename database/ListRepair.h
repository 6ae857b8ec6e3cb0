#pragma once

#include "ChannelDatabase.h"
#include "ListCheck.h"

#include <cstdint>
#include <string>
#include <vector>

class CodePageText;

// What "Remove duplicates" and "Remove orphans" delete.
constexpr unsigned REPAIR_DUPLICATES = 1;
constexpr unsigned REPAIR_ORPHANS = 2;

// Deletes the records that the list check names as duplicates or orphans,
// through the delete operations with their cascades: a deleted transponder
// takes its programs with it. Nothing else of the image is rewritten.
class ListRepair {
public:
    struct Report {
        // Every record listed here went and the image decodes; false when
        // the directory could not be rewritten.
        bool complete = true;
        // One line per deleted record: what it was and why it went.
        std::vector<std::string> deleted;
        // The offsets of the records deleted.
        std::vector<uint32_t> offsets;
        // Findings left alone: a transponder whose id another transponder
        // that stays also has, since its programs would go with it.
        std::vector<Finding> kept;
    };

    // A kept finding on one line, and why it was kept.
    static std::string KeptLine(const Finding& finding);

    // `db` must be freshly decoded; it is decoded again afterwards.
    static Report Run(ChannelDatabase& db, unsigned kinds, const CodePageText& names);
};
