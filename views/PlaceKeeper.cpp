#include "PlaceKeeper.h"

#include "CReportListCtrl.h"
#include "RecordList.h"
#include "ViewState.h"

#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTreeWidget>

#include <algorithm>

namespace {

int SatelliteOfOffset(const ChannelDatabase& db, uint32_t offset)
{
    for (uint16_t i = 0; i < db.m_nSatCount; ++i) {
        if (EntryOffset(db.m_SatTable[i].entry) == offset)
            return i;
    }
    return -1;
}

// The transponders of a satellite in the order its tree node lists them.
std::vector<TransponderRecord> TranspondersOf(const ChannelDatabase& db, uint16_t satIndex)
{
    std::vector<TransponderRecord> tps(MAX_TREE_SAT_TPS);
    if (satIndex >= db.m_nSatCount)
        return {};
    tps.resize(db.CopySatelliteTransponders(tps, db.m_SatTable[satIndex].satId));
    return tps;
}

} // namespace

PlaceKeeper::PlaceKeeper(QTreeWidget& tree, CReportListCtrl& list, const ChannelDatabase& db, const ViewState& view)
    : m_tree(tree)
    , m_list(list)
    , m_db(db)
    , m_view(view)
{
}

ViewPlace PlaceKeeper::Capture(std::span<const TreeNode> nodes) const
{
    ViewPlace place;
    for (const TreeNode& node : nodes) {
        if (node.kind == NODE_SAT_ROOT)
            place.satRootExpanded = node.item->isExpanded();
        else if (node.kind == NODE_SATELLITE && node.item->isExpanded() && node.satIndex < m_db.m_nSatCount)
            place.expandedSatellites.push_back(EntryOffset(m_db.m_SatTable[node.satIndex].entry));
    }
    const QTreeWidgetItem* current = m_tree.currentItem();
    const auto choice = current ? ChooseListForItem(nodes, current) : std::nullopt;
    if (choice) {
        const auto node = std::find_if(nodes.begin(), nodes.end(), [current](const TreeNode& n) { return n.item == current; });
        place.node = node->kind;
        if (choice->satIndex && *choice->satIndex < m_db.m_nSatCount)
            place.satellite = EntryOffset(m_db.m_SatTable[*choice->satIndex].entry);
        if (choice->satIndex && choice->tpIndex) {
            const std::vector<TransponderRecord> tps = TranspondersOf(m_db, *choice->satIndex);
            if (*choice->tpIndex < tps.size())
                place.transponder = EntryOffset(tps[*choice->tpIndex].entry);
        }
    }
    place.scrollX = m_list.horizontalScrollBar()->value();
    place.scrollY = m_list.verticalScrollBar()->value();
    place.selected = SelectedRecords();
    return place;
}

std::optional<TreeChoice> PlaceKeeper::Follow(const ViewPlace& place, std::span<const TreeNode> nodes) const
{
    const auto& expanded = place.expandedSatellites;
    for (const TreeNode& node : nodes) {
        if (node.kind == NODE_SAT_ROOT)
            node.item->setExpanded(place.satRootExpanded);
        else if (node.kind == NODE_SATELLITE && node.satIndex < m_db.m_nSatCount) {
            const uint32_t offset = EntryOffset(m_db.m_SatTable[node.satIndex].entry);
            node.item->setExpanded(std::find(expanded.begin(), expanded.end(), offset) != expanded.end());
        }
    }

    // The node itself, or the nearest of its parents that is still there.
    auto nodeWhere = [&nodes](auto match) { return std::find_if(nodes.begin(), nodes.end(), match); };
    auto found = nodes.end();
    if (place.node == NODE_ALL_PROGRAMS || place.node == NODE_SAT_ROOT)
        found = nodeWhere([&place](const TreeNode& n) { return n.kind == place.node; });
    else if (place.node == NODE_SATELLITE || place.node == NODE_TRANSPONDER) {
        const int sat = SatelliteOfOffset(m_db, place.satellite);
        found = nodeWhere([sat](const TreeNode& n) { return n.kind == NODE_SATELLITE && n.satIndex == sat; });
        if (found != nodes.end() && place.node == NODE_TRANSPONDER) {
            const std::vector<TransponderRecord> tps = TranspondersOf(m_db, static_cast<uint16_t>(sat));
            for (auto child = found + 1; child != nodes.end() && child->kind == NODE_TRANSPONDER; ++child) {
                if (child->tpIndex < tps.size() && EntryOffset(tps[child->tpIndex].entry) == place.transponder) {
                    found = child;
                    break;
                }
            }
        }
        if (found == nodes.end())
            found = nodeWhere([](const TreeNode& n) { return n.kind == NODE_SAT_ROOT; });
    }
    if (found == nodes.end())
        return std::nullopt;

    QTreeWidgetItem* item = found->item;
    {
        const QSignalBlocker quiet(&m_tree);
        m_tree.setCurrentItem(item);
    }
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    m_tree.scrollToItem(item);
    return ChooseListForItem(nodes, item);
}

void PlaceKeeper::Restore(const ViewPlace& place) const
{
    SelectRecords(place.selected);
    m_list.horizontalScrollBar()->setValue(place.scrollX);
    m_list.verticalScrollBar()->setValue(place.scrollY);
}

uint32_t PlaceKeeper::RecordOfRow(int row) const
{
    return RecordOfItem(m_db, m_view, m_list.GetItemData(row));
}

std::vector<uint32_t> PlaceKeeper::SelectedRecords() const
{
    std::vector<uint32_t> records;
    for (const int row : m_list.GetSelectedRows()) {
        const uint32_t record = RecordOfRow(row);
        if (record != NO_RECORD)
            records.push_back(record);
    }
    return records;
}

void PlaceKeeper::SelectRecords(const std::vector<uint32_t>& records) const
{
    if (records.empty())
        return;
    std::vector<uint32_t> wanted = records;
    std::sort(wanted.begin(), wanted.end());
    std::vector<int> rows;
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        if (std::binary_search(wanted.begin(), wanted.end(), RecordOfRow(row)))
            rows.push_back(row);
    }
    m_list.SelectRows(rows);
    if (!rows.empty())
        m_list.selectionModel()->setCurrentIndex(m_list.model()->index(rows.front(), 0), QItemSelectionModel::NoUpdate);
}
