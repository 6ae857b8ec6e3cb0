// Feeds arbitrary text as a reference list of the sample image. The first
// byte chooses the options (bit 0 deletes the programs the list does not
// find, bit 1 carries names, bit 2 leaves the order alone, bit 3 reads names
// in code page 936); the rest is the list. Every row the parser keeps has a
// number and a one-line name, each program is found by one row at most,
// every row is counted once, and a plan applied leaves an image that
// decodes with the programs the plan promised.

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "FuzzFrame.h"
#include "PrintableText.h"
#include "ReferencePlan.h"
#include "SampleImage.h"

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace {

using FuzzFrame::Check;

struct Fixture {
    std::vector<uint8_t> sample = MakeSampleImage();
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    CodePageText western { 1252 };
    CodePageText chinese { 936 };

    // The sample, decoded afresh: an applied plan changes the database.
    ChannelDatabase& Sample()
    {
        std::memcpy(db->m_Image, sample.data(), IMAGE_SIZE);
        Check(db->DecodeDatabase() == 1, "the sample decodes");
        return *db;
    }
};

uint16_t ProgramsAfter(const ImportPlan::ProgramTable& table)
{
    return static_cast<uint16_t>(table.deleteUnlisted ? table.listed.size() : table.entries.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fixture fixture;
    if (size == 0)
        return 0;
    const uint8_t choice = data[0];
    const CodePageText& names = (choice & 0x08) != 0 ? fixture.chinese : fixture.western;
    const ReferenceList list
        = ReferenceList::FromText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), names);
    for (const std::string& error : list.Errors())
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
    ChannelDatabase& db = fixture.Sample();
    const ReferencePlan plan = PlanReference(db, list, options, names);
    Check(std::memcmp(db.m_Image, fixture.sample.data(), IMAGE_SIZE) == 0, "planning writes nothing");
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

    if (!ApplyImport(db, plan.changes)) {
        Check(std::memcmp(db.m_Image, fixture.sample.data(), IMAGE_SIZE) == 0, "a refused plan changes nothing");
        return 0;
    }
    Check(db.DecodeDatabase() == 1, "the image decodes");
    Check(db.m_nTvCount == ProgramsAfter(plan.changes.tv), "the TV table holds what the plan promised");
    Check(db.m_nRadioCount == ProgramsAfter(plan.changes.radio), "the radio table holds what the plan promised");
    return 0;
}
