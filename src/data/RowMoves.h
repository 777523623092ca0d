#pragma once
// Moving the selected rows of a list one place, as the pages' 上移 and 下移 do: each selected
// row trades places with its neighbour, so the gaps between selected rows are kept. A selection
// is row indexes in ascending order, as a list view gives them.
#include <cstddef>
#include <utility>
#include <vector>

// The rows' new places, or nothing when nothing may move (no selection, or row 0 among it).
template <typename T>
std::vector<int> moveRowsUp(std::vector<T>& rows, const std::vector<int>& selection) {
    if (selection.empty() || selection.front() <= 0) return {};
    std::vector<int> moved;
    for (const int row : selection) {
        std::swap(rows.at(static_cast<std::size_t>(row - 1)), rows.at(static_cast<std::size_t>(row)));
        moved.push_back(row - 1);
    }
    return moved;
}

// The rows' new places, or nothing when nothing may move (no selection, or the last row among it).
template <typename T>
std::vector<int> moveRowsDown(std::vector<T>& rows, const std::vector<int>& selection) {
    if (selection.empty() || selection.back() + 1 >= static_cast<int>(rows.size())) return {};
    std::vector<int> moved(selection.size());
    for (std::size_t k = selection.size(); k-- > 0;) {
        const int row = selection[k];
        std::swap(rows.at(static_cast<std::size_t>(row)), rows.at(static_cast<std::size_t>(row + 1)));
        moved[k] = row + 1;
    }
    return moved;
}
