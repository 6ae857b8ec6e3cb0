#include "ImageEdit.h"

#include "CsvImport.h"
#include "ViewLists.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

template <typename Record>
bool Lists(const Record* table, uint16_t count, DirectoryEntry entry)
{
    const uint32_t offset = EntryOffset(entry);
    return std::any_of(table, table + count, [offset](const Record& r) { return EntryOffset(r.entry) == offset; });
}

bool ListsProgram(const ChannelDatabase& db, int table, const ProgramRecord& prog)
{
    return table == TABLE_RADIO ? Lists(db.m_RadioTable, db.m_nRadioCount, prog.entry)
                                : Lists(db.m_TvTable, db.m_nTvCount, prog.entry);
}

template <typename Record>
std::vector<uint32_t> OffsetsOf(const Record* records, size_t count)
{
    std::vector<uint32_t> offsets;
    for (size_t i = 0; i < count; ++i)
        offsets.push_back(EntryOffset(records[i].entry));
    return offsets;
}

template <typename Record>
int PositionOf(const Record* records, uint16_t count, uint32_t offset)
{
    for (uint16_t i = 0; i < count; ++i)
        if (EntryOffset(records[i].entry) == offset)
            return i;
    return -1;
}

// Fills the view lists of `list` and returns the offsets of the records it
// shows, in their order, with the kind of reorder that rewrites them; kind
// -1 when no list of records is shown.
std::pair<int, std::vector<uint32_t>> ShownRecords(ChannelDatabase& db, const ListKey& list)
{
    const bool radio = list.serviceTab != 0;
    switch (list.listType) {
    case LIST_SATELLITES:
        return { REORDER_SATELLITES, OffsetsOf(db.m_SatTable, db.m_nSatCount) };
    case LIST_PROGRAMS:
        return radio ? std::pair(REORDER_RADIO, OffsetsOf(db.m_RadioTable, db.m_nRadioCount))
                     : std::pair(REORDER_TV, OffsetsOf(db.m_TvTable, db.m_nTvCount));
    case LIST_TRANSPONDERS:
    case LIST_TP_PROGRAMS:
        break;
    default:
        return { -1, {} };
    }
    const int sat = PositionOf(db.m_SatTable, db.m_nSatCount, list.satellite);
    if (sat < 0)
        return { -1, {} };
    if (list.listType == LIST_TRANSPONDERS) {
        const ViewLists::Fill fill = ViewLists::FillViewLists(db, LIST_TRANSPONDERS, uint16_t(sat), 0, list.serviceTab);
        return { REORDER_SAT_TPS, OffsetsOf(db.m_SatTpList, fill.rows) };
    }
    const uint16_t tps = db.CopySatelliteTransponders(db.m_SatTpList, db.m_SatTable[sat].satId);
    const int tp = PositionOf(db.m_SatTpList, tps, list.transponder);
    if (tp < 0)
        return { -1, {} };
    const ViewLists::Fill fill
        = ViewLists::FillViewLists(db, LIST_TP_PROGRAMS, uint16_t(sat), uint16_t(tp), list.serviceTab);
    return radio ? std::pair(REORDER_TP_RADIO, OffsetsOf(db.m_TpRadioList, fill.rows))
                 : std::pair(REORDER_TP_TV, OffsetsOf(db.m_TpTvList, fill.rows));
}

// The positions in `shown` of the offsets of `order`; a record listed twice
// takes its positions in turn. Empty unless `order` names each shown record once.
std::vector<uint16_t> PositionsIn(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& order)
{
    if (order.size() != shown.size())
        return {};
    std::multimap<uint32_t, uint16_t> positions;
    for (size_t i = 0; i < shown.size(); ++i)
        positions.emplace(shown[i], uint16_t(i));
    std::vector<uint16_t> result;
    for (const uint32_t offset : order) {
        const auto hit = positions.find(offset);
        if (hit == positions.end())
            return {};
        result.push_back(hit->second);
        positions.erase(hit);
    }
    return result;
}

} // namespace

ImageEdit ImageEdit::WriteSatellite(const SatelliteRecord& sat)
{
    return ImageEdit([sat](ChannelDatabase& db, std::vector<uint32_t>& touched) {
        if (!Lists(db.m_SatTable, db.m_nSatCount, sat.entry))
            return false;
        db.WriteSatellite(sat);
        touched.push_back(EntryOffset(sat.entry));
        return true;
    });
}

ImageEdit ImageEdit::WriteTransponder(const TransponderRecord& tp)
{
    return ImageEdit([tp](ChannelDatabase& db, std::vector<uint32_t>& touched) {
        if (!Lists(db.m_TpTable, db.m_nTpCount, tp.entry))
            return false;
        db.WriteTransponder(tp);
        touched.push_back(EntryOffset(tp.entry));
        return true;
    });
}

ImageEdit ImageEdit::WriteProgram(int table, const ProgramRecord& prog)
{
    return ImageEdit([table, prog](ChannelDatabase& db, std::vector<uint32_t>& touched) {
        if (!ListsProgram(db, table, prog))
            return false;
        db.WriteProgram(prog, table == TABLE_RADIO ? 1 : 0);
        touched.push_back(EntryOffset(prog.entry));
        return true;
    });
}

ImageEdit ImageEdit::WriteProgramFlags(std::vector<std::pair<int, ProgramRecord>> programs)
{
    return ImageEdit([programs = std::move(programs)](ChannelDatabase& db, std::vector<uint32_t>& touched) {
        for (const auto& [table, prog] : programs) {
            if (!ListsProgram(db, table, prog))
                return false;
            db.WriteProgramAttribute(prog, table == TABLE_RADIO ? 1 : 0);
            touched.push_back(EntryOffset(prog.entry));
        }
        return true;
    });
}

ImageEdit ImageEdit::Delete(std::vector<RecordKey> records)
{
    return ImageEdit([records = std::move(records)](ChannelDatabase& db, std::vector<uint32_t>& touched) {
        DeleteRecords(db, records);
        for (const RecordKey& key : records)
            touched.push_back(key.offset);
        return true;
    });
}

ImageEdit ImageEdit::Reorder(const ListKey& list, std::vector<uint32_t> order, std::vector<uint32_t> moved)
{
    return ImageEdit([list, order = std::move(order), moved = std::move(moved)](
                         ChannelDatabase& db, std::vector<uint32_t>& touched) {
        const auto [kind, shown] = ShownRecords(db, list);
        if (kind < 0)
            return true;
        const std::vector<uint16_t> positions = PositionsIn(shown, order);
        if (positions.size() != shown.size() || !db.ReorderRecords(kind, positions))
            return false;
        touched = moved;
        return true;
    });
}

ImageEdit ImageEdit::Import(const ImportPlan& plan)
{
    return ImageEdit([plan = std::make_shared<const ImportPlan>(plan)](
                         ChannelDatabase& db, std::vector<uint32_t>& touched) {
        if (!ApplyImport(db, *plan))
            return false;
        for (const ImportPlan::ProgramTable* table : { &plan->tv, &plan->radio }) {
            for (const ProgramRecord& prog : table->writes)
                touched.push_back(EntryOffset(prog.entry));
        }
        return true;
    });
}

ImageEdit ImageEdit::Repair(unsigned kinds, const CodePageText& names, ListRepair::Report& report)
{
    return ImageEdit([kinds, &names, &report](ChannelDatabase& db, std::vector<uint32_t>& touched) {
        report = ListRepair::Run(db, kinds, names);
        touched = report.offsets;
        return report.complete;
    });
}
