#include "ui_model/bands.h"

#include <gtest/gtest.h>

namespace mossaline {
namespace {

constexpr double kMiddleX = 4200; // inside column 4
constexpr double kMiddleY = 3500; // inside row 4

TEST(Bands, EveryRowAndColumnBandIsOpenAtBothEdges)
{
    for (int line = 0; line < 9; ++line) {
        const double top = 800 + 600 * line;
        EXPECT_EQ(row_band(kMiddleX, top + 0.01), line);
        EXPECT_EQ(row_band(kMiddleX, top + 599.99), line);
        EXPECT_EQ(row_band(kMiddleX, top), std::nullopt) << "edge " << top;
        const double left = 1500 + 600 * line;
        EXPECT_EQ(column_band(left + 0.01, kMiddleY), line);
        EXPECT_EQ(column_band(left + 599.99, kMiddleY), line);
        EXPECT_EQ(column_band(left, kMiddleY), std::nullopt) << "edge " << left;
    }
    EXPECT_EQ(row_band(kMiddleX, 6200), std::nullopt);
    EXPECT_EQ(column_band(6900, kMiddleY), std::nullopt);
    EXPECT_EQ(row_band(kMiddleX, 800.4), 0) << "a hover just below the top edge reaches row 0";
    EXPECT_EQ(row_band(kMiddleX, 800), std::nullopt) << "the same Y rounded for a click does not";
}

TEST(Bands, ArmBandsNeedTheOtherCoordinateInsideTheMiddleThree)
{
    // Rows of the upper and lower arms: only while x lies strictly within columns 3..5.
    for (int row : {0, 1, 2, 6, 7, 8}) {
        const double y = 800 + 600 * row + 300;
        EXPECT_EQ(row_band(3300.5, y), row);
        EXPECT_EQ(row_band(5099.5, y), row);
        EXPECT_EQ(row_band(3300, y), std::nullopt);
        EXPECT_EQ(row_band(5100, y), std::nullopt);
        EXPECT_EQ(row_band(1000, y), std::nullopt);
    }
    // Rows 3..5 hold anywhere across, even far outside the board.
    for (int row : {3, 4, 5})
        for (double x : {-5000.0, 0.0, 3300.0, 9000.0})
            EXPECT_EQ(row_band(x, 800 + 600 * row + 300), row);
    for (int column : {0, 1, 2, 6, 7, 8}) {
        const double x = 1500 + 600 * column + 300;
        EXPECT_EQ(column_band(x, 2600.5), column);
        EXPECT_EQ(column_band(x, 4399.5), column);
        EXPECT_EQ(column_band(x, 2600), std::nullopt);
        EXPECT_EQ(column_band(x, 4400), std::nullopt);
    }
    for (int column : {3, 4, 5})
        for (double y : {-100.0, 0.0, 6000.0, 32767.0})
            EXPECT_EQ(column_band(1500 + 600 * column + 300, y), column);
    // Edges inside the arm width leave the column unchanged while the row still moves.
    EXPECT_EQ(column_band(3900, 1000), std::nullopt);
    EXPECT_EQ(row_band(3900, 1000), 0);
}

} // namespace
} // namespace mossaline
