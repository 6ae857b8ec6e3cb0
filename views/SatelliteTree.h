#pragma once

#include "ChannelDatabase.h"

#include <cstdint>
#include <optional>
#include <span>

class QTreeWidget;
class QTreeWidgetItem;

constexpr int NODE_SAT_ROOT = 0;
constexpr int NODE_SATELLITE = 1;
constexpr int NODE_TRANSPONDER = 2;
constexpr int NODE_ALL_PROGRAMS = 3;

constexpr int MAX_TREE_NODES = 8150;
// Transponders collected per satellite for its child nodes.
constexpr int MAX_TREE_SAT_TPS = 500;

struct TreeNode {
    QTreeWidgetItem* item;
    int kind;
    uint16_t satIndex;
    uint16_t tpIndex;
};

// Rebuilds the tree: "AllPrograms", then Satellite(n) with one node per
// satellite and under it one per transponder. Returns the number of nodes
// written to `nodes`; a satellite claiming more transponders than it has
// shows the ones it has.
uint16_t FillSatelliteTree(QTreeWidget& tree, const ChannelDatabase& db, std::span<TreeNode> nodes);

// What selecting a tree item asks the record list for.
struct TreeChoice {
    int listType;
    std::optional<uint16_t> satIndex;
    std::optional<uint16_t> tpIndex;
};

std::optional<TreeChoice> ChooseListForItem(std::span<const TreeNode> nodes, const QTreeWidgetItem* item);
