#include "RowMover.h"

#include <cstddef>

std::vector<int> MoveRows(int rowCount, std::vector<int> dragItems, int dropIndex)
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(rowCount) + 1);
    for (int row = 0; row < rowCount; ++row)
        rows.push_back(row);

    int insertAt = dropIndex + 1;
    if (insertAt < 0 || insertAt > rowCount - 1)
        insertAt = rowCount;

    // Each dragged row is inserted at its new place first and its old place
    // removed second, so the indices still to come shift as the rows pass.
    for (std::size_t i = 0; i < dragItems.size(); ++i) {
        int source = dragItems[i];
        if (source < 0 || source >= rowCount)
            continue;
        rows.insert(rows.begin() + insertAt, rows[static_cast<std::size_t>(source)]);
        const bool sourceAtOrAfter = source >= insertAt;
        if (sourceAtOrAfter)
            ++source;
        rows.erase(rows.begin() + source);
        for (std::size_t j = i + 1; j < dragItems.size(); ++j) {
            int& later = dragItems[j];
            if (source < later && later < insertAt)
                --later;
            else if (insertAt < later && later < source)
                ++later;
        }
        if (sourceAtOrAfter)
            ++insertAt;
    }
    return rows;
}
