#include "ListRepair.h"

#include "ListCheck.h"
#include "RecordDeletes.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

using ProgramKey = std::pair<int, DirectoryEntry>; // table, entry

bool Chosen(FindingKind kind, unsigned kinds)
{
    return ((kinds & REPAIR_ORPHANS) && IsOrphan(kind)) || ((kinds & REPAIR_DUPLICATES) && IsDuplicate(kind));
}

int TableOfProgram(const ChannelDatabase& db, uint16_t p)
{
    return p < db.m_nTvCount ? TABLE_TV : TABLE_RADIO;
}

size_t RecordCount(const ChannelDatabase& db)
{
    return size_t(db.m_nSatCount) + db.m_nTpCount + db.m_nTvCount + db.m_nRadioCount;
}

} // namespace

std::string ListRepair::KeptLine(const Finding& finding)
{
    return finding.Text() + "; kept: another transponder has its id";
}

ListRepair::Report ListRepair::Run(ChannelDatabase& db, unsigned kinds, const CodePageText& names)
{
    Report report;
    if (db.m_DecodeProblem != DecodeProblem::None) {
        report.complete = false;
        return report;
    }
    FindingKinds chosen;
    for (int kind = 0; kind < FINDING_KIND_COUNT; ++kind)
        chosen[kind] = Chosen(FindingKind(kind), kinds);
    const std::vector<Finding> findings = ListCheck::Run(db, names, chosen);

    std::set<ProgramKey> programs;
    std::vector<uint16_t> transponders;
    std::vector<const Finding*> transponderFindings;
    for (const Finding& finding : findings) {
        if (finding.records.empty())
            continue;
        const RecordRef record = finding.records.front();
        if (record.table == TABLE_TRANSPONDERS) {
            if (std::find(transponders.begin(), transponders.end(), record.position) == transponders.end()) {
                transponders.push_back(record.position);
                transponderFindings.push_back(&finding);
            }
        } else if (record.table == TABLE_TV || record.table == TABLE_RADIO) {
            const ProgramRecord& prog
                = record.table == TABLE_TV ? db.m_TvTable[record.position] : db.m_RadioTable[record.position];
            if (programs.insert({ record.table, prog.entry }).second) {
                report.deleted.push_back(finding.Text());
                report.offsets.push_back(EntryOffset(prog.entry));
            }
        }
    }

    // A transponder is deleted with every program of its id, so one whose
    // id a staying transponder shares would take that one's programs.
    std::vector<TransponderRecord> doomedTps;
    for (size_t k = 0; k < transponders.size(); ++k) {
        const TransponderRecord& tp = db.m_TpTable[transponders[k]];
        bool shared = false;
        for (uint16_t t = 0; t < db.m_nTpCount && !shared; ++t)
            shared = db.m_TpTable[t].tpId == tp.tpId
                && std::find(transponders.begin(), transponders.end(), t) == transponders.end();
        if (shared) {
            report.kept.push_back(*transponderFindings[k]);
            continue;
        }
        doomedTps.push_back(tp);
        report.deleted.push_back(transponderFindings[k]->Text());
        report.offsets.push_back(EntryOffset(tp.entry));
    }
    size_t cascaded = 0;
    for (uint16_t p = 0; p < db.m_nProgCount; ++p) {
        const ProgramRecord& prog = db.m_ProgTable[p];
        const int table = TableOfProgram(db, p);
        const bool onDoomed = std::any_of(
            doomedTps.begin(), doomedTps.end(), [&prog](const TransponderRecord& tp) { return tp.tpId == prog.tpId; });
        if (onDoomed && !programs.count({ table, prog.entry })) {
            const uint16_t position = table == TABLE_TV ? p : uint16_t(p - db.m_nTvCount);
            report.deleted.push_back(DescribeRecord(db, { table, position }, names) + ": on a deleted transponder");
            report.offsets.push_back(EntryOffset(prog.entry));
            ++cascaded;
        }
    }

    std::vector<RecordKey> doomed;
    for (const auto& [table, entry] : programs)
        doomed.push_back({ table, EntryOffset(entry) });
    for (const TransponderRecord& tp : doomedTps)
        doomed.push_back({ TABLE_TRANSPONDERS, EntryOffset(tp.entry) });
    const size_t before = RecordCount(db);
    DeleteRecords(db, doomed);
    const bool decodes = db.DecodeDatabase() != 0;
    // A directory the deletes refuse to rewrite leaves the records listed.
    report.complete = decodes && before - RecordCount(db) == programs.size() + doomedTps.size() + cascaded;
    return report;
}
