#pragma once

#include "ChannelDatabase.h"
#include "ImageEdit.h"

#include <cstdint>

// What the window's views show of the image: the list, the TV or Radio tab,
// the satellite and transponder the list was filled for, and whether the
// login opened the advanced fields.
struct ViewState {
    int listType = LIST_SATELLITES;
    int serviceTab = 0;
    // A position in m_SatTable, and a row of that satellite's transponder list.
    uint16_t satellite = 0;
    uint16_t transponder = 0;
    bool advancedMode = false;

    // The list shown, keyed by the offsets of its satellite and transponder.
    ListKey ShownList(const ChannelDatabase& db) const;
};
