#pragma once

#include <cstdint>
#include <vector>

// Where the user stands in the main window, held by the image offsets of
// the records rather than by positions, so that it can be found again in
// the tree and list rebuilt after the image changed.
struct ViewPlace {
    int node = -1;              // NODE_* of the selected tree node, -1 for none
    uint32_t satellite = 0;     // the node's satellite and transponder
    uint32_t transponder = 0;
    bool satRootExpanded = false;
    std::vector<uint32_t> expandedSatellites;
    int scrollX = 0;
    int scrollY = 0;
    std::vector<uint32_t> selected; // records of the selected rows
};
