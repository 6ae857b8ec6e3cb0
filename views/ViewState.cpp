#include "ViewState.h"

ListKey ViewState::ShownList(const ChannelDatabase& db) const
{
    ListKey list { listType, serviceTab, 0, 0 };
    if (satellite < db.m_nSatCount)
        list.satellite = EntryOffset(db.m_SatTable[satellite].entry);
    // A transponder's list was filled from its satellite's transponders.
    if (transponder < MAX_SAT_TPS)
        list.transponder = EntryOffset(db.m_SatTpList[transponder].entry);
    return list;
}
