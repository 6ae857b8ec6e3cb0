#include "FuzzSample.h"

#include "CsvImport.h"
#include "FuzzFrame.h"
#include "SampleImage.h"

#include <cstring>

namespace {

using FuzzFrame::Check;

uint16_t ProgramsAfter(const ImportPlan::ProgramTable& table)
{
    return static_cast<uint16_t>(table.deleteUnlisted ? table.listed.size() : table.entries.size());
}

} // namespace

FuzzSample::FuzzSample()
    : m_sample(MakeSampleImage())
    , m_db(std::make_unique<ChannelDatabase>())
{
}

ChannelDatabase& FuzzSample::Decoded()
{
    std::memcpy(m_db->m_Image, m_sample.data(), IMAGE_SIZE);
    Check(m_db->DecodeDatabase() == 1, "the sample decodes");
    return *m_db;
}

bool FuzzSample::Unchanged() const
{
    return std::memcmp(m_db->m_Image, m_sample.data(), IMAGE_SIZE) == 0;
}

void FuzzSample::ApplyAndCheck(const ImportPlan& plan)
{
    ChannelDatabase& db = *m_db;
    Check(plan.tv.listed.size() <= plan.tv.entries.size() && plan.radio.listed.size() <= plan.radio.entries.size(),
        "a plan lists each program at most once");
    if (!ApplyImport(db, plan)) {
        Check(Unchanged(), "a refused plan changes nothing");
        return;
    }
    Check(db.DecodeDatabase() == 1, "the changed image decodes");
    Check(db.m_nTvCount == ProgramsAfter(plan.tv), "the TV table holds what the plan promised");
    Check(db.m_nRadioCount == ProgramsAfter(plan.radio), "the radio table holds what the plan promised");
    Check(plan.ChangesNothing() == Unchanged(), "the image changes exactly when the plan says it does");
}
