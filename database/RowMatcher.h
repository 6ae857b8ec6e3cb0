#pragma once

#include "ChannelRows.h"

#include <bitset>
#include <span>
#include <vector>

// How rows of two lists of one table find each other. By offset: rows of
// the same image, whose records keep their offsets through every edit. By
// reference: lists of different images, matched by what the records are:
// programs by service id, transponder frequency and polarisation, then by
// name; transponders by satellite name, frequency and polarisation, then by
// frequency and polarisation; satellites by name, then by longitude.
enum class MatchMode { Offset, Reference };

enum class MatchOutcome {
    Matched,
    Unmatched,
    // Several records fit and nothing tells them apart.
    Ambiguous,
    // The record the row names was taken by an earlier row.
    Repeated,
};

struct RowMatch {
    MatchOutcome outcome = MatchOutcome::Unmatched;
    int target = -1;  // Matched: the row of `to`
    int earlier = -1; // Repeated: the row of `from` that took it
};

using ColumnSet = std::bitset<COLUMN_COUNT>;

// For each row of `from`, in order, the row of `to` it stands for; each row
// of `to` is taken once. `columns` are the columns `from` has; `to` has all.
std::vector<RowMatch> MatchRows(std::span<const ChannelRow> from, std::span<const ChannelRow> to, MatchMode mode,
    const ColumnSet& columns);

// Whether `from` looks like a list of the same image as `to`: some rows
// share an offset, and the records at a shared offset have the same id
// (service id of a program, transponder id, satellite id).
bool SameImage(std::span<const ChannelRow> from, std::span<const ChannelRow> to, const ColumnSet& columns);

// The column that says which record a row of this table is.
int IdentityColumn(int tableId);
