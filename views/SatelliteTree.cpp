#include "SatelliteTree.h"

#include "CodePage.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QTreeWidget>

#include <algorithm>
#include <array>

uint16_t FillSatelliteTree(QTreeWidget& tree, const ChannelDatabase& db, std::span<TreeNode> nodes)
{
    tree.clear();
    std::fill(nodes.begin(), nodes.end(), TreeNode {});
    if (nodes.size() < 2)
        return 0;

    auto* allPrograms = new QTreeWidgetItem(QStringList(QCoreApplication::translate("SatelliteTree", "AllPrograms")));
    auto* satRoot = new QTreeWidgetItem(
        QStringList(QCoreApplication::translate("SatelliteTree", "Satellite(%1)").arg(db.m_nSatCount)));
    nodes[0] = { allPrograms, NODE_ALL_PROGRAMS, 0, 0 };
    nodes[1] = { satRoot, NODE_SAT_ROOT, 0, 0 };
    size_t k = 2;

    std::array<TransponderRecord, MAX_TREE_SAT_TPS> collected;
    QList<QTreeWidgetItem*> satItems;
    for (uint16_t i = 0; i < db.m_nSatCount && k < nodes.size(); ++i) {
        const SatelliteRecord& sat = db.m_SatTable[i];
        const QString label = QString::asprintf("%3d_", i) + AnsiToText(sat.name, NAME_BYTES)
            + QString::asprintf("(%d)", sat.tpCount);
        auto* satItem = new QTreeWidgetItem(QStringList(label));
        satItems.append(satItem);
        nodes[k++] = { satItem, NODE_SATELLITE, i, 0 };

        const uint16_t found = db.CopySatelliteTransponders(collected, sat.satId);
        const uint16_t shown = std::min(sat.tpCount, found);
        QList<QTreeWidgetItem*> tpItems;
        tpItems.reserve(shown);
        for (uint16_t j = 0; j < shown && k < nodes.size(); ++j) {
            auto* tpItem = new QTreeWidgetItem(QStringList(QString::asprintf("%3d_%5d", j, collected[j].frequency)));
            tpItems.append(tpItem);
            nodes[k++] = { tpItem, NODE_TRANSPONDER, 0, j };
        }
        satItem->addChildren(tpItems);
    }
    satRoot->addChildren(satItems);
    tree.addTopLevelItems({ allPrograms, satRoot });
    return static_cast<uint16_t>(k);
}

std::optional<TreeChoice> ChooseListForItem(std::span<const TreeNode> nodes, const QTreeWidgetItem* item)
{
    if (!item)
        return std::nullopt;
    for (const TreeNode& node : nodes) {
        if (node.item != item)
            continue;
        switch (node.kind) {
        case NODE_SAT_ROOT:
            return TreeChoice { LIST_SATELLITES, std::nullopt, std::nullopt };
        case NODE_SATELLITE:
            return TreeChoice { LIST_TRANSPONDERS, node.satIndex, std::nullopt };
        case NODE_TRANSPONDER: {
            TreeChoice choice { LIST_TP_PROGRAMS, std::nullopt, node.tpIndex };
            for (const TreeNode& parent : nodes) {
                if (parent.kind == NODE_SATELLITE && parent.item && parent.item == item->parent()) {
                    choice.satIndex = parent.satIndex;
                    break;
                }
            }
            return choice;
        }
        case NODE_ALL_PROGRAMS:
            return TreeChoice { LIST_PROGRAMS, std::nullopt, std::nullopt };
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}
