#pragma once

#include "SatelliteTree.h"
#include "ViewPlace.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class ChannelDatabase;
class CReportListCtrl;
class QTreeWidget;
struct ViewState;

// Keeps the user's place in the tree and the record list across a rebuild
// of both from a changed image: the open nodes, the current node, the
// selected records and the scroll.
class PlaceKeeper {
public:
    // The rows of `list` stand for records of `db` as `view` says.
    PlaceKeeper(QTreeWidget& tree, CReportListCtrl& list, const ChannelDatabase& db, const ViewState& view);

    ViewPlace Capture(std::span<const TreeNode> nodes) const;
    // Once the tree is rebuilt: opens the nodes that were open and makes the
    // place's node, or the nearest of its parents still there, current.
    // Returns what that node asks the list for; nothing when none is found.
    std::optional<TreeChoice> Follow(const ViewPlace& place, std::span<const TreeNode> nodes) const;
    // Once the list is rebuilt: selects the place's records and scrolls back.
    void Restore(const ViewPlace& place) const;

    // The records of the selected rows, by their offset in the image.
    std::vector<uint32_t> SelectedRecords() const;

private:
    uint32_t RecordOfRow(int row) const;
    void SelectRecords(const std::vector<uint32_t>& records) const;

    QTreeWidget& m_tree;
    CReportListCtrl& m_list;
    const ChannelDatabase& m_db;
    const ViewState& m_view;
};
