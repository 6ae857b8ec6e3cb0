#pragma once

#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "RowMatcher.h"

#include <string>
#include <string_view>
#include <vector>

class CodePageText;

enum class DiffKind { Removed, Added, Moved, Changed };

// One difference between the records of two images. A moved record left
// the order the others keep; a changed one differs in its own fields.
struct DiffEntry {
    DiffKind kind = DiffKind::Changed;
    int table = TABLE_TV;
    ChannelRow before;                // empty for an added record
    ChannelRow after;                 // empty for a removed record
    std::vector<int> changedColumns;  // Changed only
};

struct ChannelDiff {
    MatchMode match = MatchMode::Offset;
    unsigned tables = ALL_TABLES;
    // By table, then removed, added, moved, changed, each in position order.
    std::vector<DiffEntry> entries;
};

// What changed from image `a` to image `b` in the chosen tables (a set of
// TableBit). Context columns (the satellite or transponder a record
// belongs to) are not compared; by reference neither are the ids, which
// differ from receiver to receiver.
ChannelDiff DiffImages(const ChannelDatabase& a, const ChannelDatabase& b, unsigned tables, MatchMode mode,
    const CodePageText& names);

// Offset when the two images look like versions of one image, else reference.
MatchMode ChooseDiffMatch(const ChannelDatabase& a, const ChannelDatabase& b, const CodePageText& names);

// Texts of an entry: "removed", the position ("7 -> 3" for a move), what the
// record is called, and the changed fields as `name: "a" -> "b", scramble: 0 -> 1`.
const char* DiffKindText(DiffKind kind);
std::string DiffPosition(const DiffEntry& entry);
std::string DiffLabel(const DiffEntry& entry);
// A value as a difference shows it: text quoted, a number as it is ("none" when empty).
std::string DiffValueText(int column, std::string_view value);
std::string DiffDetails(const DiffEntry& entry);

// An entry as one line: `tv: changed 4 "Movie 5": name: "Movie 5" -> "Film 5"`.
std::string DiffLine(const DiffEntry& entry);
// One line per entry.
std::string DiffText(const ChannelDiff& diff);
// One object per table with the arrays "removed", "added", "moved", "changed".
std::string DiffJson(const ChannelDiff& diff);
