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
#include "FuzzSample.h"

#include <string_view>

using FuzzFrame::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzSample sample;
    if (size == 0)
        return 0;
    const uint8_t choice = data[0];
    ImportOptions options;
    options.deleteMissing = (choice & 0x01) != 0;
    options.chooseMatch = (choice & 0x02) != 0;
    options.match = (choice & 0x04) != 0 ? MatchMode::Reference : MatchMode::Offset;
    const CodePageText& names = sample.Names((choice & 0x08) != 0);
    const std::string_view csv(reinterpret_cast<const char*>(data + 1), size - 1);

    const ImportPlan plan = PlanImport(sample.Decoded(), csv, options, names);
    Check(sample.Unchanged(), "planning writes nothing");
    if (!plan.Refused())
        sample.ApplyAndCheck(plan);
    return 0;
}
