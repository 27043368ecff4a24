#pragma once

#include <array>

namespace mossaline {

/// Columns and rows of the square grid the cross is cut from.
inline constexpr int kGridSize = 9;
/// Highest cell index of the grid (column 8, row 8).
inline constexpr int kLastGridIndex = 81;
/// The centre hole, empty at the start.
inline constexpr int kCentreCell = 41;

/// Cell index of a grid position: indices run down a column, then on to the next column.
constexpr int cell_index(int column, int row)
{
    return 9 * column + row + 1;
}
/// Column of a cell index in 1..81.
constexpr int column_of(int index)
{
    return (index - 1) / 9;
}
/// Row of a cell index in 1..81.
constexpr int row_of(int index)
{
    return (index - 1) % 9;
}

/// True for the 45 grid positions of the cross: the middle three columns and rows.
constexpr bool is_board_cell(int index)
{
    if (index < 1 || index > kLastGridIndex)
        return false;
    const int column = column_of(index);
    const int row = row_of(index);
    return (column >= 3 && column <= 5) || (row >= 3 && row <= 5);
}

/// The 45 cell indices of the cross, ascending.
constexpr std::array<int, 45> board_cells()
{
    std::array<int, 45> cells{};
    int n = 0;
    for (int index = 1; index <= kLastGridIndex; ++index)
        if (is_board_cell(index))
            cells[n++] = index;
    return cells;
}

/// The 18 cells of the four arms outside the middle three columns.
inline constexpr std::array<int, 18> kArmCells{4, 5, 6, 13, 14, 15, 22, 23, 24, 58, 59, 60, 67, 68, 69, 76, 77, 78};

} // namespace mossaline
