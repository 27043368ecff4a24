#pragma once

#include "game/grid.h"
#include "ui_model/control.h"

namespace mossaline {

/// A point in twips of the main window.
struct TwipsPoint {
    float x = 0; ///< to the right
    float y = 0; ///< downwards
};

/// Where the board's grid lies in the main window, in twips: every place that turns a cell
/// into a position on screen, or a position into a cell, starts from these.
namespace board_geometry {

/// From one grid line to the next, across and down.
inline constexpr int kPitch = 600;

/// Left edge of column 0's pointer band.
inline constexpr int kBandsLeft = 1500;
/// Top edge of row 0's pointer band; the marker's cell reckoning reads rows from here too.
inline constexpr int kBandsTop = 800;

/// Left and Top of the last-position marker on column 0 and row 0.
inline constexpr int kMarkerLeft = 1600;
inline constexpr int kMarkerTop = 900;

/// Left and Top of the hover marker on column 0 and row 0: 50 up and left of the
/// last-position marker, so its pointer band's square starts 50 further out.
inline constexpr int kHoverLeft = 1550;
inline constexpr int kHoverTop = 850;

/// Box of the marble disc on column 0 and row 0; the hole ring shares its corner.
inline constexpr TwipsRect kFirstDisc{1560, 840, 495, 495};
/// Side of a hole ring.
inline constexpr int kRingSize = 375;
/// Box of the marble highlight on column 0 and row 0.
inline constexpr TwipsRect kFirstHighlight{1680, 840, 195, 255};

/// A box designed for column 0 and row 0, moved onto the cell's column and row.
constexpr TwipsRect on_cell(TwipsRect first, int cell)
{
    return {first.left + kPitch * column_of(cell), first.top + kPitch * row_of(cell), first.width, first.height};
}

/// The middle of a marble disc: a pointer there is over that cell's marble.
constexpr TwipsPoint disc_centre(int column, int row)
{
    return {static_cast<float>(kFirstDisc.left + kPitch * column) + kFirstDisc.width / 2.0f,
        static_cast<float>(kFirstDisc.top + kPitch * row) + kFirstDisc.height / 2.0f};
}
/// The middle of the cell's marble disc.
constexpr TwipsPoint disc_centre(int cell)
{
    return disc_centre(column_of(cell), row_of(cell));
}

/// The middle of a cell's row and column bands: clear of both edges, and a whole number
/// for the stored Y.
constexpr TwipsPoint band_centre(int cell)
{
    return {static_cast<float>(kBandsLeft + kPitch / 2 + kPitch * column_of(cell)),
        static_cast<float>(kBandsTop + kPitch / 2 + kPitch * row_of(cell))};
}

/// The square of pointer bands around a hover marker at `marker`: where the board's focus
/// ring stands.
constexpr TwipsRect band_square_of_hover(const TwipsRect& marker)
{
    return {marker.left - (kHoverLeft - kBandsLeft), marker.top - (kHoverTop - kBandsTop), kPitch, kPitch};
}

} // namespace board_geometry

} // namespace mossaline
