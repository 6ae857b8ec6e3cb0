#include "ListRepair.h"

#include "ListCheck.h"

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

// Deletes the programs of one tab that are among `doomed`: the rows of the
// all-programs list of that tab, found by table and entry.
void DeleteProgramsOfTab(ChannelDatabase& db, int tab, const std::set<ProgramKey>& doomed)
{
    std::vector<uint16_t> rows;
    uint16_t row = 0;
    for (uint16_t p = 0; p < db.m_nProgCount; ++p) {
        const ProgramRecord& prog = db.m_ProgTable[p];
        if ((prog.videoPid == 0) != (tab == 1))
            continue;
        if (doomed.count({ TableOfProgram(db, p), prog.entry }))
            rows.push_back(row);
        ++row;
    }
    if (!rows.empty())
        db.DeletePrograms(rows, LIST_PROGRAMS, tab);
}

size_t RecordCount(const ChannelDatabase& db)
{
    return size_t(db.m_nSatCount) + db.m_nTpCount + db.m_nTvCount + db.m_nRadioCount;
}

} // namespace

ListRepair::Report ListRepair::Run(ChannelDatabase& db, unsigned kinds, const CodePageText& names)
{
    Report report;
    if (db.m_DecodeProblem != DecodeProblem::None) {
        report.complete = false;
        return report;
    }
    const std::vector<Finding> findings = ListCheck::Run(db, names);

    std::set<ProgramKey> programs;
    std::vector<uint16_t> transponders;
    std::vector<const Finding*> transponderFindings;
    for (const Finding& finding : findings) {
        if (!Chosen(finding.kind, kinds) || finding.records.empty())
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
            if (programs.insert({ record.table, prog.entry }).second)
                report.deleted.push_back(finding.text);
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
            report.kept.push_back(transponderFindings[k]->text + "; kept: another transponder has its id");
            continue;
        }
        doomedTps.push_back(tp);
        report.deleted.push_back(transponderFindings[k]->text);
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
            ++cascaded;
        }
    }

    const size_t before = RecordCount(db);
    bool decodes = true;
    for (int tab = 0; tab < 2 && decodes; ++tab) {
        DeleteProgramsOfTab(db, tab, programs);
        decodes = db.DecodeDatabase() != 0;
    }
    for (size_t from = 0; from < doomedTps.size() && decodes; from += MAX_SAT_TPS) {
        // The delete takes its rows from the transponder view list.
        const size_t n = std::min<size_t>(MAX_SAT_TPS, doomedTps.size() - from);
        std::copy_n(doomedTps.begin() + long(from), n, db.m_SatTpList);
        db.m_nSatTpCount = uint16_t(n);
        std::vector<uint16_t> rows(n);
        for (size_t k = 0; k < n; ++k)
            rows[k] = uint16_t(k);
        db.DeleteTransponders(rows);
        decodes = db.DecodeDatabase() != 0;
    }
    // A directory the deletes refuse to rewrite leaves the records listed.
    report.complete = decodes && before - RecordCount(db) == programs.size() + doomedTps.size() + cascaded;
    return report;
}
