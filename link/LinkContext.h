#pragma once

#include "LinkState.h"
#include "cnComm.h"

#include <atomic>

class ChannelDatabase;

// The application-wide data the transfer worker works on; owned by the application object.
struct LinkContext {
    cnComm& m_Comm;
    LinkState& m_Link;
    std::atomic<int>& m_bImageLoaded;
    ChannelDatabase& m_Database;
};
