#pragma once

#include "ChannelDatabase.h"

#include <atomic>
#include <cstdint>
#include <memory>

// The data every window shares for the whole run: the channel database and
// the user-interface state around it.
class AppState {
public:
    AppState();
    ~AppState();

    // Back to the start-up values: an empty database, no image, TV tab.
    void ResetState();

    ChannelDatabase& Database() { return *m_pDatabase; }
    const ChannelDatabase& Database() const { return *m_pDatabase; }

    std::unique_ptr<ChannelDatabase> m_pDatabase;
    // Also set by the transfer worker when a dump has come in.
    std::atomic<int> m_bImageLoaded{0};
    // The last decode of the image succeeded: it may be edited, saved and upgraded.
    bool m_bImageDecoded = false;
    // The image is a dump that did not decode: it is kept only to be saved
    // whole, as read, since the raw flash may be the user's only copy.
    bool m_bRawDump = false;
    int m_nListType = LIST_SATELLITES;
    int m_nServiceTab = 0;
    uint16_t m_nCurRow = 0;
    int m_bRecordEdited = 0;
    int m_bAdvancedMode = 0;
};
