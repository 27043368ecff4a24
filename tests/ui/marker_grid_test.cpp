#include "game/grid.h"
#include "ui_model/marker_grid.h"
#include "ui_model/rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace mossaline {
namespace {

TEST(MarkerGrid, EveryMarkerPlaceNamesItsOwnCell)
{
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row)
            EXPECT_EQ(
                marker_grid::cell_at(marker_grid::left_of(column), marker_grid::top_of(row)), cell_index(column, row));
    // The design position, between grid places, names cell 39.
    EXPECT_EQ(marker_grid::cell_at(3960, 2100), 39);
    // The design column with the lowest row band.
    EXPECT_EQ(marker_grid::cell_at(3960, marker_grid::top_of(8)), 45);
    EXPECT_EQ(hover_grid::left_of(4), marker_grid::left_of(4) - 50);
    EXPECT_EQ(hover_grid::top_of(2), marker_grid::top_of(2) - 50);
}

TEST(Rounding, HalfwayGoesToEvenAndExtremesSaturate)
{
    EXPECT_EQ(round_half_even_16(800.4), 800);
    EXPECT_EQ(round_half_even_16(800.5), 800);
    EXPECT_EQ(round_half_even_16(801.5), 802);
    EXPECT_EQ(round_half_even_16(-2.5), -2);
    EXPECT_EQ(round_half_even_16(-3.5), -4);
    EXPECT_EQ(round_half_even_16(32766.6), 32767);
    EXPECT_EQ(round_half_even_16(32767.5), 32767);
    EXPECT_EQ(round_half_even_16(1e9), 32767);
    EXPECT_EQ(round_half_even_16(-40000), -32768);
    EXPECT_EQ(round_half_even_16(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(round_half_even_16(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace mossaline
