#include "game/grid.h"
#include "ui_model/bands.h"
#include "ui_model/board_geometry.h"
#include "ui_model/control_array.h"
#include "ui_model/form1_design.h"
#include "ui_model/marker_grid.h"
#include "ui_model/window_model.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mossaline {
namespace {

TEST(BoardGeometry, EveryPlaceOfACellAgreesOnWhichCellItIs)
{
    // Faults: a disc drawn a cell away from where a pointer over it lands; the focus ring a
    // band off the hover marker's cell; a marker place that names another cell.
    WindowModel window(form1_design());
    for (int cell : board_cells()) {
        const int column = column_of(cell);
        const int row = row_of(cell);
        const TwipsPoint centre = board_geometry::disc_centre(cell);
        EXPECT_EQ(column_band(centre.x, centre.y), column) << cell;
        EXPECT_EQ(row_band(centre.x, centre.y), row) << cell;
        const TwipsPoint band_centre = board_geometry::band_centre(cell);
        EXPECT_EQ(column_band(band_centre.x, band_centre.y), column) << cell;
        EXPECT_EQ(row_band(band_centre.x, band_centre.y), row) << cell;

        const TwipsRect& disc = window.element("Shape3", cell)->box;
        EXPECT_EQ(disc.left + disc.width / 2.0, centre.x) << cell;
        EXPECT_EQ(disc.top + disc.height / 2.0, centre.y) << cell;

        const TwipsRect hover{hover_grid::left_of(column), hover_grid::top_of(row), 495, 495};
        const TwipsRect square = board_geometry::band_square_of_hover(hover);
        EXPECT_EQ(column_band(square.left + 1, band_centre.y), column) << cell;
        EXPECT_EQ(column_band(square.left + square.width - 1, band_centre.y), column) << cell;
        EXPECT_EQ(row_band(band_centre.x, square.top + 1), row) << cell;
        EXPECT_EQ(row_band(band_centre.x, square.top + square.height - 1), row) << cell;
        EXPECT_EQ(marker_grid::cell_at(marker_grid::left_of(column), marker_grid::top_of(row)), cell);
    }
}

TEST(ControlNames, AnUnknownNameIsRefusedAtOnce)
{
    // Fault: a misspelt name that quietly addresses nothing, so a handler changes no control.
    WindowModel window(form1_design());
    EXPECT_THROW(window.control("Shape55"), std::out_of_range);
    EXPECT_THROW(window.element("Shape33", 39), std::out_of_range);
    EXPECT_THROW(ControlArray(window, "Shape9", kLastGridIndex), std::out_of_range);
    EXPECT_THROW(window.control("Shape3"), std::out_of_range) << "an array is no single control";
    EXPECT_EQ(window.element("Shape3", 41)->name, "Shape3");
    EXPECT_EQ(window.element("Shape3", 1), nullptr) << "a corner of the grid has no disc";
    EXPECT_EQ(ControlArray(window, "Shape7", kLastGridIndex).size(), 45);
}

} // namespace
} // namespace mossaline
