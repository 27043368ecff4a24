#include "ui_model/board_cursor.h"

#include "game/grid.h"
#include "ui_model/marker_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mossaline {

namespace {

struct Step {
    int columns;
    int rows;
};

Step step_of(CursorDirection direction)
{
    switch (direction) {
    case CursorDirection::Left:
        return {-1, 0};
    case CursorDirection::Right:
        return {1, 0};
    case CursorDirection::Up:
        return {0, -1};
    case CursorDirection::Down:
        return {0, 1};
    }
    return {0, 0};
}

// The hover marker's design place lies a few twips off its grid, so the nearest grid line
// is the one it stands on.
int nearest_line(int position, int origin)
{
    const long line = std::lround((position - origin) / static_cast<double>(board_geometry::kPitch));
    return static_cast<int>(std::clamp<long>(line, 0, kGridSize - 1));
}

int nearest_board_cell(int column, int row, Step step)
{
    int best = 0;
    int best_distance = std::numeric_limits<int>::max();
    int best_progress = std::numeric_limits<int>::min();
    for (int cell : board_cells()) {
        const int dc = column_of(cell) - column;
        const int dr = row_of(cell) - row;
        const int distance = dc * dc + dr * dr;
        const int progress = dc * step.columns + dr * step.rows;
        if (distance < best_distance || (distance == best_distance && progress > best_progress)) {
            best = cell;
            best_distance = distance;
            best_progress = progress;
        }
    }
    return best;
}

} // namespace

std::optional<int> cursor_step(int hover_left, int hover_top, CursorDirection direction)
{
    const int column = nearest_line(hover_left, hover_grid::left_of(0));
    const int row = nearest_line(hover_top, hover_grid::top_of(0));
    const Step step = step_of(direction);
    if (!is_board_cell(cell_index(column, row)))
        return nearest_board_cell(column, row, step);
    const int to_column = column + step.columns;
    const int to_row = row + step.rows;
    if (to_column < 0 || to_column >= kGridSize || to_row < 0 || to_row >= kGridSize)
        return std::nullopt;
    const int cell = cell_index(to_column, to_row);
    if (!is_board_cell(cell))
        return std::nullopt;
    return cell;
}

TwipsPoint cell_centre(int cell)
{
    return board_geometry::band_centre(cell);
}

} // namespace mossaline
