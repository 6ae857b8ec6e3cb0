#include "ViewLists.h"

#include "BigEndian.h"

#include <algorithm>

void ShowSatellite(ChannelDatabase& db, uint16_t satPosition)
{
    const SatelliteRecord& sat = db.m_SatTable[satPosition];
    db.CopySatelliteTransponders(db.m_SatTpList, sat.satId);
    db.m_nSatTpCount = sat.tpCount;
    db.m_nSatTvCount = db.CopySatellitePrograms(db.m_SatTvList, sat.satId, 0);
    db.m_nSatRadioCount = db.CopySatellitePrograms(db.m_SatRadioList, sat.satId, 1);
}

void ShowTransponder(ChannelDatabase& db, uint16_t tpId)
{
    std::vector<ProgramRecord> work(MAX_PROGRAMS);
    const uint16_t count = db.CopyTransponderPrograms(work, tpId);
    db.m_nTpTvCount = 0;
    db.m_nTpRadioCount = 0;
    for (uint16_t i = 0; i < count; ++i) {
        if (work[i].videoPid != 0 && db.m_nTpTvCount < MAX_TP_TV)
            db.m_TpTvList[db.m_nTpTvCount++] = work[i];
        else if (work[i].videoPid == 0 && db.m_nTpRadioCount < MAX_TP_RADIO)
            db.m_TpRadioList[db.m_nTpRadioCount++] = work[i];
    }
}

std::vector<DirectoryEntry> ImageEntries(const ChannelDatabase& db, int tableId)
{
    DirectoryTable header;
    const uint32_t q = db.FindDirectoryTable(tableId, &header);
    std::vector<DirectoryEntry> entries;
    for (uint32_t i = 0; q != 0 && i < header.entryCount; ++i)
        entries.push_back(ReadBE32(db.m_Image + q + DIRECTORY_HEADER_SIZE + 4 * i));
    return entries;
}
