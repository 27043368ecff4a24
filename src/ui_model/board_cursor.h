#pragma once

#include "ui_model/board_geometry.h"

#include <optional>

namespace mossaline {

/// A step of the keyboard cursor over the board.
enum class CursorDirection { Left, Right, Up, Down };

/// The board cell one step of the keyboard cursor reaches from where the hover marker stands
/// (its Left and Top). The marker counts as standing on the grid cell nearest to it; from a
/// board cell the step goes to the neighbour that way, or nowhere at the edge of the cross;
/// from a corner cell off the cross it goes to the nearest board cell, the one further that
/// way on a tie.
std::optional<int> cursor_step(int hover_left, int hover_top, CursorDirection direction);

/// The middle of a cell's row and column bands: a pointer motion there lands on that cell.
TwipsPoint cell_centre(int cell);

} // namespace mossaline
