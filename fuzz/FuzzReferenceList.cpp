// Feeds arbitrary text as a reference list of the sample image. The first
// byte chooses the options (bit 0 deletes the programs the list does not
// find, bit 1 carries names, bit 2 leaves the order alone, bit 3 reads names
// in code page 936); the rest is the list. Every row the parser keeps has a
// number and a one-line name, each program is found by one row at most,
// every row is counted once, and the plan passes the checks of an applied
// import.

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "FuzzFrame.h"
#include "FuzzSample.h"
#include "PrintableText.h"
#include "ReferencePlan.h"

#include <string_view>
#include <vector>

using FuzzFrame::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzSample sample;
    if (size == 0)
        return 0;
    const uint8_t choice = data[0];
    const CodePageText& names = sample.Names((choice & 0x08) != 0);
    const ReferenceList list
        = ReferenceList::FromText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), names);
    for (const std::string& error : ImportProblemLines(list.Errors()))
        Check(FindControlCharacter(error) == std::string::npos, "an error is one printable line");
    if (list.Refused())
        return 0;
    for (const ChannelRow& row : list.Rows()) {
        Check(ParseNumber(row.Field(COLUMN_POSITION)).has_value(), "a row has a number");
        Check(FindControlCharacter(row.Field(COLUMN_NAME)) == std::string::npos, "a name is printable");
        Check(row.table == EITHER_PROGRAM_TABLE, "a text row belongs to either table");
    }

    ReferenceOptions options;
    options.deleteUnlisted = (choice & 0x01) != 0;
    options.carry = ((choice & 0x02) != 0 ? CARRY_NAMES : 0u) | ((choice & 0x04) != 0 ? 0u : CARRY_ORDER);
    const ReferencePlan plan = PlanReference(sample.Decoded(), list, options, names);
    Check(sample.Unchanged(), "planning writes nothing");
    Check(plan.matches.size() == list.Rows().size(), "every row has an outcome");
    std::vector<bool> taken(plan.programs.size(), false);
    size_t counted = 0;
    for (const ReferencePlan::Table& table : plan.tables)
        counted += table.matched.size() + table.notFound.size() + table.ambiguous.size() + table.repeated.size();
    Check(counted == list.Rows().size(), "every row is counted once");
    for (const RowMatch& match : plan.matches) {
        if (match.outcome != MatchOutcome::Matched)
            continue;
        Check(!taken[static_cast<size_t>(match.target)], "a program is found by one row at most");
        taken[static_cast<size_t>(match.target)] = true;
    }

    sample.ApplyAndCheck(plan.changes);
    return 0;
}
