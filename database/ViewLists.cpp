#include "ViewLists.h"

#include <algorithm>

namespace ViewLists {

namespace {

void ClearSatelliteLists(ChannelDatabase& db)
{
    db.m_nSatTpCount = 0;
    db.m_nSatTvCount = 0;
    db.m_nSatRadioCount = 0;
    std::fill(std::begin(db.m_SatTpList), std::end(db.m_SatTpList), TransponderRecord {});
    std::fill(std::begin(db.m_SatTvList), std::end(db.m_SatTvList), ProgramRecord {});
    std::fill(std::begin(db.m_SatRadioList), std::end(db.m_SatRadioList), ProgramRecord {});
}

Fill FillSatelliteLists(ChannelDatabase& db, uint16_t satPosition)
{
    if (satPosition >= db.m_nSatCount || db.m_SatTable[satPosition].tpCount == 0)
        return { Outcome::NoTransponders, 0 };
    const SatelliteRecord& sat = db.m_SatTable[satPosition];

    db.m_nSatTvCount = db.CopySatellitePrograms(db.m_SatTvList, sat.satId, 0);
    if (db.m_nSatTvCount != sat.tvCount)
        return { Outcome::TvCountWrong, 0 };
    // Counted past the list's capacity, so that only a real difference warns.
    uint16_t radios = 0;
    for (uint16_t p = 0; p < db.m_nProgCount; ++p) {
        const ProgramRecord& prog = db.m_ProgTable[p];
        if (prog.satId == sat.satId && prog.videoPid == 0) {
            if (radios < MAX_SAT_RADIO)
                db.m_SatRadioList[radios] = prog;
            ++radios;
        }
    }
    db.m_nSatRadioCount = std::min<uint16_t>(radios, MAX_SAT_RADIO);
    if (radios != sat.radioCount)
        return { Outcome::RadioCountWrong, 0 };

    const uint16_t found = db.CopySatelliteTransponders(db.m_SatTpList, sat.satId);
    db.m_nSatTpCount = std::min(sat.tpCount, found);
    return { Outcome::Filled, db.m_nSatTpCount };
}

Fill FillTransponderList(ChannelDatabase& db, uint16_t satPosition, uint16_t tpRow, int serviceTab)
{
    if (satPosition >= db.m_nSatCount)
        return {};
    const uint16_t tps = db.CopySatelliteTransponders(db.m_SatTpList, db.m_SatTable[satPosition].satId);
    if (tpRow >= tps)
        return {};
    const TransponderRecord& tp = db.m_SatTpList[tpRow];

    // The transponder's first programs in m_ProgTable order, no more than it
    // claims to carry.
    const int examined = std::min<int>(tp.tvCount + tp.radioCount, MAX_TP_WORK_LIST);
    const bool tvTab = serviceTab == 0;
    ProgramRecord* target = tvTab ? db.m_TpTvList : db.m_TpRadioList;
    const uint16_t capacity = tvTab ? MAX_TP_TV : MAX_TP_RADIO;
    uint16_t tvFound = 0;
    uint16_t radioFound = 0;
    uint16_t rows = 0;
    for (uint16_t p = 0; p < db.m_nProgCount && tvFound + radioFound < examined; ++p) {
        const ProgramRecord& prog = db.m_ProgTable[p];
        if (prog.tpId != tp.tpId)
            continue;
        const bool tv = prog.videoPid != 0;
        if (tv)
            ++tvFound;
        else
            ++radioFound;
        if (tv == tvTab && rows < capacity)
            target[rows++] = prog;
    }
    db.m_nTpTvCount = std::min(tvFound, MAX_TP_TV);
    db.m_nTpRadioCount = std::min(radioFound, MAX_TP_RADIO);
    return { Outcome::Filled, rows };
}

} // namespace

Fill FillViewLists(ChannelDatabase& db, int listType, uint16_t satPosition, uint16_t tpRow, int serviceTab)
{
    ClearSatelliteLists(db);
    switch (listType) {
    case LIST_TRANSPONDERS:
        return FillSatelliteLists(db, satPosition);
    case LIST_TP_PROGRAMS:
        return FillTransponderList(db, satPosition, tpRow, serviceTab);
    default:
        return {};
    }
}

} // namespace ViewLists
