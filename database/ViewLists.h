#pragma once

#include "ChannelDatabase.h"

#include <cstdint>

// The view lists of a database as the record list fills them: row r of a
// transponder list is entry r of m_SatTpList, row r of a transponder's
// program list entry r of m_TpTvList or m_TpRadioList. The window, the
// tools and the tests fill them only here, so that deletes and moves always
// work from list states the window produces.
namespace ViewLists {

// Programs of one transponder examined for its list.
constexpr uint16_t MAX_TP_WORK_LIST = 500;

enum class Outcome {
    Filled,
    // The satellite does not exist or has no transponders: its list shows nothing.
    NoTransponders,
    // The programs found for the satellite differ from its own counts.
    TvCountWrong,
    RadioCountWrong,
};

struct Fill {
    Outcome outcome = Outcome::Filled;
    // Rows the list shows from its view list: m_nSatTpCount for the
    // transponders of a satellite, the programs of the tab's kind for a
    // transponder; 0 for the other list types.
    uint16_t rows = 0;
};

// Everything a fill of the record list does to the view lists: the
// satellite's three lists are emptied, then the lists of listType filled.
// satPosition is a position in m_SatTable, tpRow a row of that satellite's
// transponder list, serviceTab 0 for TV and 1 for radio. A transponder's
// program list fills only the view list of the tab's kind; both counts are
// set, each capped at the programs found and at its list's capacity.
Fill FillViewLists(ChannelDatabase& db, int listType, uint16_t satPosition, uint16_t tpRow, int serviceTab);

} // namespace ViewLists
