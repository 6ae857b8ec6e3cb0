#include "RowMover.h"

#include <algorithm>
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

std::optional<int> DropIndexForPosition(const std::vector<int>& shown, const std::vector<int>& moving, int position)
{
    // The shown rows that stay, in order; the moved rows go after the
    // (position - 1)th of them.
    std::vector<int> staying;
    for (const int row : shown) {
        if (!std::binary_search(moving.begin(), moving.end(), row))
            staying.push_back(row);
    }
    if (staying.empty())
        return std::nullopt;
    const int before = position - 1;
    if (before <= 0)
        return -1;
    const std::size_t last = std::min(static_cast<std::size_t>(before), staying.size()) - 1;
    return staying[last];
}

int PositionForKeyMove(RowKeyMove move, const std::vector<int>& selected, int shownCount)
{
    if (selected.empty())
        return 0;
    switch (move) {
    case RowKeyMove::Up:
        // Just before the row above the first of them.
        return selected.front();
    case RowKeyMove::Down: {
        if (selected.back() >= shownCount - 1)
            return 0;
        // Just after the row below the last of them: behind every row that
        // stays up to that one.
        const int below = selected.back() + 1;
        const int staying = below + 1 - static_cast<int>(selected.size());
        return staying + 1;
    }
    case RowKeyMove::Top:
        return 1;
    case RowKeyMove::Bottom:
        break;
    }
    return shownCount;
}
