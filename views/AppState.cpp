#include "AppState.h"

AppState::AppState()
    : m_pDatabase(std::make_unique<ChannelDatabase>())
{
}

AppState::~AppState() = default;

void AppState::ResetState()
{
    m_pDatabase = std::make_unique<ChannelDatabase>();
    m_bImageLoaded = 0;
    m_bImageDecoded = false;
    m_bRawDump = false;
    m_nListType = LIST_SATELLITES;
    m_nServiceTab = 0;
    m_nCurRow = 0;
    m_bRecordEdited = 0;
    m_bAdvancedMode = 0;
}
