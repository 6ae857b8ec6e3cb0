#include "RowMover.h"

#include <algorithm>
#include <cstddef>

std::vector<int> MoveRows(int rowCount, std::vector<int> dragItems, int dropIndex)
{
    std::vector<bool> dragged(static_cast<std::size_t>(std::max(rowCount, 0)), false);
    std::vector<int> moving;
    for (const int row : dragItems) {
        if (row < 0 || row >= rowCount || dragged[static_cast<std::size_t>(row)])
            continue;
        dragged[static_cast<std::size_t>(row)] = true;
        moving.push_back(row);
    }
    const int last = dropIndex >= rowCount - 1 ? rowCount - 1 : dropIndex;

    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(std::max(rowCount, 0)));
    if (last < 0)
        rows = moving;
    for (int row = 0; row < rowCount; ++row) {
        if (!dragged[static_cast<std::size_t>(row)])
            rows.push_back(row);
        if (row == last)
            rows.insert(rows.end(), moving.begin(), moving.end());
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
