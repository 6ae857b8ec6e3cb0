#pragma once

#include <optional>
#include <vector>

// The new order of a list's rows after a drop: the dragged rows arrive in
// the order given directly after the drop row (a dragged drop row: after
// the last row before it that stays).
// A drop row of -1, or below -1, puts them on top; the last row or beyond
// appends them. Dragged indices outside the list are skipped.
// Entry k of the result is the old index of the row that now stands at k.
std::vector<int> MoveRows(int rowCount, std::vector<int> dragItems, int dropIndex);

// The drop row that puts the rows `moving` (ascending source indices) so
// that the first of them stands at `position` (from 1) among the rows shown
// (`shown`: the source indices of the rows a filter shows, ascending), the
// others right behind it: the row to drop after, as a drag onto it would,
// or -1 for the top. A position past the rows that stay puts them after the
// last of those. Nothing when every row shown is moving: there is no row
// to place them by.
std::optional<int> DropIndexForPosition(const std::vector<int>& shown, const std::vector<int>& moving, int position);

enum class RowKeyMove { Up, Down, Top, Bottom };

// The position (from 1, among the rows shown) that a keyboard move gives
// the first of the selected rows (`selected`: ascending shown rows), the
// selected rows moving together: one place up or down, or to the top or
// bottom of the rows shown. 0 when nothing is selected, or when the rows
// are to go up (down) and the first (last) of them is already the first
// (last) row shown.
int PositionForKeyMove(RowKeyMove move, const std::vector<int>& selected, int shownCount);
