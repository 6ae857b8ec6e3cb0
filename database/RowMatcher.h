#pragma once

#include "ChannelRows.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CodePageText;

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

// The table of a reference row that does not say whether it is a TV or a
// radio program: it finds a program of either table.
constexpr int EITHER_PROGRAM_TABLE = -1;

// The TV and radio programs of an image, as rows, indexed for the rows of
// reference lists to find them. A row finds its program by satellite,
// service id, frequency and polarization; then by service id alone where
// exactly one program of its satellite has it; then by NameKey. A row's
// satellite is the image's satellite of the same name, else the one chosen,
// else any. The programs must outlive the matcher.
class ReferenceMatcher {
public:
    ReferenceMatcher(std::span<const ChannelRow> programs, const CodePageText& names);

    // The satellite (its id) whose programs the most rows find by service
    // id, or by name where a row has none; the first of equals.
    std::optional<uint16_t> MostMatchedSatellite(std::span<const ChannelRow> from, const ColumnSet& columns) const;

    // For each row, in order, the program it stands for (an index into the
    // programs); each program is taken once.
    std::vector<RowMatch> Match(
        std::span<const ChannelRow> from, const ColumnSet& columns, std::optional<uint16_t> satellite) const;

private:
    using Index = std::unordered_map<std::string_view, std::vector<int>>;

    template <typename Fits>
    static std::vector<int> Candidates(const Index& index, std::string_view key, Fits fits);

    std::span<const ChannelRow> m_programs;
    const CodePageText& m_names;
    std::vector<std::string> m_nameKeys;
    Index m_byService;
    Index m_byName;
    // Satellite ids, in the order of their first program.
    std::vector<std::string_view> m_satellites;
    std::unordered_map<std::string, std::string_view> m_satelliteNamed;
};

// A program name as the receiver keeps it, for comparing: encoded in the
// code page and cut to the bytes a record holds, never inside a character,
// then without trailing spaces and in small letters.
std::string NameKey(std::string_view name, const CodePageText& names);

// Whether `from` looks like a list of the same image as `to`: some rows
// share an offset, and the records at a shared offset have the same id
// (service id of a program, transponder id, satellite id).
bool SameImage(std::span<const ChannelRow> from, std::span<const ChannelRow> to, const ColumnSet& columns);

// The column that says which record a row of this table is.
int IdentityColumn(int tableId);
