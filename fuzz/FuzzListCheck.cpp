// Feeds arbitrary bytes as a flash image to the list check or, when the
// image decodes and the end of the input chooses one, to a repair. The check
// names only records that exist, each finding on one line; the repair
// rewrites nothing but the directory block and, when it says it is
// complete, leaves an image that decodes without the records it deleted.

#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "FuzzFrame.h"
#include "ListCheck.h"
#include "ListRepair.h"
#include "PrintableText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using FuzzFrame::Check;

bool OneLine(const std::string& text)
{
    return !text.empty() && text.find('\n') == std::string::npos;
}

size_t RecordCount(const ChannelDatabase& db)
{
    return size_t(db.m_nSatCount) + db.m_nTpCount + db.m_nTvCount + db.m_nRadioCount;
}

// A decoded image has no finding that only a refused one may have. Wording
// every finding would cost more than the check: the first of each kind is
// worded, and every name a finding quotes must be printable.
void CheckFindings(const ChannelDatabase& db, const CodePageText& names)
{
    const bool decoded = db.m_DecodeProblem == DecodeProblem::None;
    const uint16_t counts[TABLE_COUNT] = { db.m_nSatCount, db.m_nTpCount, db.m_nTvCount, db.m_nRadioCount };
    bool worded[FINDING_KIND_COUNT] = {};
    for (const Finding& finding : ListCheck::Run(db, names)) {
        if (!std::exchange(worded[static_cast<int>(finding.kind)], true))
            Check(OneLine(finding.Text()), "a finding is one line");
        for (const RecordWords& words : finding.described)
            Check(FindControlCharacter(words.name) == std::string::npos, "a quoted name is printable");
        Check(finding.severity == SeverityOf(finding.kind), "a finding has its kind's severity");
        Check(!decoded
                || (finding.kind != FindingKind::EntryOutsideImage && finding.kind != FindingKind::TableOverCapacity),
            "a decoded image has no entry outside the image and no table over its capacity");
        for (const RecordRef& record : finding.records) {
            Check(record.table >= 0 && record.table < TABLE_COUNT, "a finding names a table");
            Check(record.position < (decoded ? counts[record.table] : TABLE_CAPACITY[record.table]),
                "a finding names a record the table holds");
        }
    }
}

void CheckRepair(ChannelDatabase& db, unsigned kinds, const CodePageText& names)
{
    // Buffers live across inputs: a megabyte allocated per input would halve the rate.
    static std::vector<uint8_t> before(IMAGE_SIZE);
    std::memcpy(before.data(), db.m_Image, IMAGE_SIZE);
    const size_t records = RecordCount(db);
    const size_t block = db.m_nDirBlockOffset;

    const ListRepair::Report report = ListRepair::Run(db, kinds, names);
    Check(std::memcmp(db.m_Image, before.data(), block) == 0
            && std::memcmp(db.m_Image + block + BLOCK_MARKER_OFFSET, before.data() + block + BLOCK_MARKER_OFFSET,
                   IMAGE_SIZE - block - BLOCK_MARKER_OFFSET)
                == 0,
        "a repair changed bytes outside the directory block");
    for (const std::string& line : report.deleted)
        Check(OneLine(line), "a deleted record is one line");
    for (const Finding& finding : report.kept)
        Check(OneLine(ListRepair::KeptLine(finding)), "a kept finding is one line");
    if (!report.complete)
        return;
    Check(db.m_DecodeProblem == DecodeProblem::None, "a complete repair leaves an image that decodes");
    Check(records - RecordCount(db) == report.deleted.size(), "a complete repair deleted what it lists");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A few MiB: on the heap once, for every input.
    static ChannelDatabase& db = *new ChannelDatabase;
    static const CodePageText names(1252);
    FuzzFrame::Load(db, data, size);
    const bool decoded = db.DecodeDatabase() != 0;
    if (!ListCheck::Checkable(db))
        return 0;
    // The repair runs the check itself: one check per input keeps the rate.
    FuzzedDataProvider in(data, size);
    const unsigned kinds = in.ConsumeIntegralInRange<unsigned>(0, REPAIR_DUPLICATES | REPAIR_ORPHANS);
    if (kinds != 0 && decoded)
        CheckRepair(db, kinds, names);
    else
        CheckFindings(db, names);
    return 0;
}
