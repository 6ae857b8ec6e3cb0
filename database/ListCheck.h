#pragma once

#include "ChannelDatabase.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

class CodePageText;

enum class FindingKind {
    ProgramWithoutSatellite,
    ProgramWithoutTransponder,
    TransponderWithoutSatellite,
    SatelliteIdTwice,
    TransponderIdTwice,
    DuplicateProgram,
    DuplicateTransponder,
    EntryOutsideImage,
    EntryInDirectoryBlock,
    TableOverCapacity,
    NameWithControlByte,
    NameOutsideCodePage,
    SatelliteWithoutTransponders,
    TransponderWithoutPrograms,
    // The file ends before its flash does: an upgrade refuses it.
    ShortFile,
};
constexpr int FINDING_KIND_COUNT = 15;

// A set of kinds, by their values.
using FindingKinds = std::bitset<FINDING_KIND_COUNT>;

// Error: the receiver may misbehave. Warning: worth a look.
enum class Severity { Error, Warning };

// A record by its directory table and its position there, from 0.
struct RecordRef {
    int table = TABLE_TV;
    uint16_t position = 0;
    bool operator==(const RecordRef&) const = default;
};

// A record as a finding words it, taken when the check ran: a repair that
// follows moves the records.
struct RecordWords {
    int table = TABLE_TV;
    uint32_t number = 0; // in its list, from 1
    // False when the image does not decode: only the number is known.
    bool detailed = false;
    // A transponder's id, frequency and polarisation ('H', 'V', '2', '3').
    uint16_t id = 0;
    uint16_t frequency = 0;
    char polarisation = 'H';
    // A satellite's or program's name in UTF-8, control bytes escaped.
    std::string name;
};

struct Finding {
    FindingKind kind;
    Severity severity;
    // The record the finding is about first; then the record it clashes
    // with, if any.
    std::vector<RecordRef> records;
    // What the text is made of, for a wording of its own: the records in the
    // order of `records`, the numbers in the order the text quotes them
    // (ids, an offset, counts and capacities, a code page, a file's length
    // and its flash), and the table a finding about a whole table names (-1
    // for both program tables).
    std::vector<RecordWords> described;
    std::vector<uint64_t> numbers;
    int table = -1;

    // One line in UTF-8, control bytes escaped. Worded when asked: most
    // findings are only counted.
    std::string Text() const;
};

Severity SeverityOf(FindingKind kind);
// A short plural name such as "duplicate programs", for counts and headings.
const char* FindingKindName(FindingKind kind);
// "program_without_satellite": the name JSON output uses.
const char* FindingKindKey(FindingKind kind);
// What "Remove orphans" and "Remove duplicates" delete.
bool IsOrphan(FindingKind kind);
bool IsDuplicate(FindingKind kind);

// "TV program 12 "BBC"", "transponder 3 (id 7, 11778 V)": numbered from 1 as
// the lists are, on one line. Only the number for a record not decoded.
std::string DescribeRecord(const ChannelDatabase& db, RecordRef record, const CodePageText& names);
RecordWords WordRecord(const ChannelDatabase& db, RecordRef record, const CodePageText& names);
std::string DescribeRecord(const RecordWords& record);

// Reads a database the way a file-system check reads a disk: records that
// name nothing, ids and records listed twice, directory entries that point
// where no record can be, tables over their capacity, names the receiver
// cannot show, and satellites and transponders left empty.
class ListCheck {
public:
    // Whether the last DecodeDatabase got as far as the directory block: it
    // either decoded, or refused the image only for its tables.
    static bool Checkable(const ChannelDatabase& db);

    // Findings in a fixed order: directory first, then records by table and
    // position. An image refused for its tables gets only its directory
    // findings. Names are read through `names`.
    static std::vector<Finding> Run(const ChannelDatabase& db, const CodePageText& names);
    // Only the findings of the kinds in `wanted`, in the same order.
    static std::vector<Finding> Run(const ChannelDatabase& db, const CodePageText& names, const FindingKinds& wanted);

    static size_t CountErrors(const std::vector<Finding>& findings);
};
