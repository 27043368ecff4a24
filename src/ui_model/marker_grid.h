#pragma once

#include "ui_model/board_geometry.h"

namespace mossaline {

/// Where the last-position marker stands for a grid line, and which cell a marker position names.
namespace marker_grid {

/// Marker Left for a grid column.
constexpr int left_of(int column)
{
    return board_geometry::kMarkerLeft + board_geometry::kPitch * column;
}
/// Marker Top for a grid row.
constexpr int top_of(int row)
{
    return board_geometry::kMarkerTop + board_geometry::kPitch * row;
}

/// Cell index named by a marker position; the row term reads from the bands' top, not the
/// marker's, so a marker on
/// its grid lands a sixth of a row past the cell and rounds back onto it.
int cell_at(int left, int top);

} // namespace marker_grid

/// Where the hover marker stands for a grid line: 50 twips up and left of the last-position marker.
namespace hover_grid {

/// Hover marker Left for a grid column.
constexpr int left_of(int column)
{
    return board_geometry::kHoverLeft + board_geometry::kPitch * column;
}
/// Hover marker Top for a grid row.
constexpr int top_of(int row)
{
    return board_geometry::kHoverTop + board_geometry::kPitch * row;
}

} // namespace hover_grid

} // namespace mossaline
