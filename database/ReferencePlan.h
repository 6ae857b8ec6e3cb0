#pragma once

#include "CsvImport.h"
#include "ReferenceList.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class CodePageText;

// What a reference list carries into the programs it finds, as bits.
enum ReferenceCarry : unsigned {
    CARRY_ORDER = 1u << 0,
    CARRY_NAMES = 1u << 1,
    CARRY_FAVORITES = 1u << 2,
    CARRY_LOCKS = 1u << 3,
};

// The order, and the favourites and locks when the list has them.
unsigned DefaultCarry(const ReferenceList& list);
// "order,names,favorites,locks", any of them; nullopt for another word.
std::optional<unsigned> ParseCarry(std::string_view text);

struct ReferenceOptions {
    // The satellite (its id) that rows naming no satellite of the image are
    // matched against; none: the one whose programs the most rows find.
    std::optional<uint16_t> satellite;
    unsigned carry = CARRY_ORDER;
    // Deletes the programs the list does not find, from the tables it finds
    // programs in.
    bool deleteUnlisted = false;
};

// What applying a reference list does to an image, worked out in full
// before anything is written: each table gets the matched programs in the
// list's order, then the programs the list does not find in their present
// order.
struct ReferencePlan {
    struct Table {
        int table = TABLE_TV;
        // Rows of the list, in its order.
        std::vector<size_t> matched;
        std::vector<size_t> notFound;
        std::vector<size_t> ambiguous;
        std::vector<size_t> repeated;
        // Programs the list does not find, as indices into `programs`.
        std::vector<size_t> unlisted;
    };

    // The image's TV rows, then its radio rows.
    std::vector<ChannelRow> programs;
    // One per row of the list; a match's target is an index into `programs`.
    std::vector<RowMatch> matches;
    // The satellite that rows without one of the image were matched against.
    std::optional<uint16_t> satellite;
    // TV, radio, and the rows of a text list that found no program: they
    // belong to no table.
    std::array<Table, 3> tables;
    // Names not carried because they do not fit a record.
    size_t namesNotFitting = 0;
    // The writes, deletes and new order, with their summary: what
    // ImageEdit::Import applies.
    ImportPlan changes;

    const Table& TableOf(int tableId) const;
    size_t Matched() const;
};

ReferencePlan PlanReference(const ChannelDatabase& db, const ReferenceList& list, const ReferenceOptions& options,
    const CodePageText& names);
