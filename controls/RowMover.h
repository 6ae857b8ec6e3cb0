#pragma once

#include <vector>

// The new order of a list's rows after a drop: the dragged rows (ascending
// indices) arrive in their old relative order directly after the drop row.
// A drop row of -1, or below -1, puts them on top; the last row or beyond
// appends them. Dragged indices outside the list are skipped.
// Entry k of the result is the old index of the row that now stands at k.
std::vector<int> MoveRows(int rowCount, std::vector<int> dragItems, int dropIndex);
