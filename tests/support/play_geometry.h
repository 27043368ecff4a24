#pragma once

#include "game/board.h"
#include "game/grid.h"

#include <algorithm>
#include <compare>
#include <vector>

namespace mossaline::testing {

/// A legal jump as the board's geometry shows it: a marble at `from` jumps over `over` into `to`.
struct GeometricJump {
    int from; ///< the marble that jumps
    int over; ///< the marble jumped over
    int to; ///< the empty hole it lands in

    /// Jumps order by their cells, so sets of them compare.
    auto operator<=>(const GeometricJump&) const = default;
};

/// True for the grid positions of the cross, told by column and row alone.
constexpr bool on_cross(int column, int row)
{
    const auto inside = [](int line) { return line >= 0 && line < 9; };
    const auto middle = [](int line) { return line >= 3 && line <= 5; };
    return inside(column) && inside(row) && (middle(column) || middle(row));
}

/// Every legal jump on `board`, found by stepping across columns and rows of the cross
/// rather than by index arithmetic, so the grid's wrap from one column to the next can
/// never sneak in a jump.
inline std::vector<GeometricJump> geometric_jumps(const Board& board)
{
    const auto holds = [&board](int column, int row, Cell cell) {
        return on_cross(column, row) && board.at(cell_index(column, row)) == cell;
    };
    constexpr int kSteps[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
    std::vector<GeometricJump> jumps;
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row)
            for (const auto& step : kSteps) {
                const int dc = step[0];
                const int dr = step[1];
                if (holds(column, row, Cell::Marble) && holds(column + dc, row + dr, Cell::Marble)
                    && holds(column + 2 * dc, row + 2 * dr, Cell::Empty))
                    jumps.push_back({cell_index(column, row), cell_index(column + dc, row + dr),
                        cell_index(column + 2 * dc, row + 2 * dr)});
            }
    return jumps;
}

/// Cells of the cross holding a marble, ascending.
inline std::vector<int> marble_cells(const Board& board)
{
    std::vector<int> cells;
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row)
            if (on_cross(column, row) && board.at(cell_index(column, row)) == Cell::Marble)
                cells.push_back(cell_index(column, row));
    std::sort(cells.begin(), cells.end());
    return cells;
}

/// A board of the cross with marbles exactly on `marbles` and every other hole empty.
inline Board board_with_marbles(const std::vector<int>& marbles)
{
    Board board;
    for (int index = 1; index < Board::kSlots; ++index)
        board.set(index, Cell::OffBoard);
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row)
            if (on_cross(column, row))
                board.set(cell_index(column, row), Cell::Empty);
    for (int cell : marbles)
        board.set(cell, Cell::Marble);
    return board;
}

} // namespace mossaline::testing
