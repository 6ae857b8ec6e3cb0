// Feeds arbitrary text as a CSV import of the sample image. The first byte
// chooses the options (bit 0 deletes unlisted programs, bit 1 lets the
// import choose how to match, bit 2 matches by reference, bit 3 reads names
// in code page 936); the rest is the CSV. A plan that is not refused is
// applied, and afterwards the image decodes with the programs the plan
// promised, or, when applying refuses, is exactly as it was.

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "FuzzFrame.h"
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

    // The sample, decoded afresh: an applied import changes the database.
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
    ImportOptions options;
    options.deleteMissing = (choice & 0x01) != 0;
    options.chooseMatch = (choice & 0x02) != 0;
    options.match = (choice & 0x04) != 0 ? MatchMode::Reference : MatchMode::Offset;
    const CodePageText& names = (choice & 0x08) != 0 ? fixture.chinese : fixture.western;
    const std::string_view csv(reinterpret_cast<const char*>(data + 1), size - 1);

    ChannelDatabase& db = fixture.Sample();
    const ImportPlan plan = PlanImport(db, csv, options, names);
    Check(std::memcmp(db.m_Image, fixture.sample.data(), IMAGE_SIZE) == 0, "planning writes nothing");
    if (plan.Refused())
        return 0;
    Check(plan.tv.listed.size() <= plan.tv.entries.size() && plan.radio.listed.size() <= plan.radio.entries.size(),
        "a plan lists each program at most once");

    if (!ApplyImport(db, plan)) {
        Check(std::memcmp(db.m_Image, fixture.sample.data(), IMAGE_SIZE) == 0, "a refused import changes nothing");
        return 0;
    }
    Check(db.DecodeDatabase() == 1, "the imported image decodes");
    Check(db.m_nTvCount == ProgramsAfter(plan.tv), "the TV table holds what the plan promised");
    Check(db.m_nRadioCount == ProgramsAfter(plan.radio), "the radio table holds what the plan promised");
    Check(plan.ChangesNothing() == (std::memcmp(db.m_Image, fixture.sample.data(), IMAGE_SIZE) == 0),
        "the image changes exactly when the plan says it does");
    return 0;
}
