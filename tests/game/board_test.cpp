#include "game/board.h"
#include "game/grid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mossaline {
namespace {

TEST(Grid, CellIndicesRunDownColumnsAndTheCrossHas45Holes)
{
    EXPECT_EQ(cell_index(0, 0), 1);
    EXPECT_EQ(cell_index(4, 4), kCentreCell);
    EXPECT_EQ(cell_index(8, 8), 81);
    EXPECT_EQ(cell_index(2, 3), 22);
    for (int index = 1; index <= 81; ++index)
        EXPECT_EQ(cell_index(column_of(index), row_of(index)), index);

    const auto cells = board_cells();
    EXPECT_EQ(cells.front(), 4);
    EXPECT_EQ(cells.back(), 78);
    // The four corners of the grid and the positions without a board slot lie outside.
    for (int corner : {1, 3, 9, 19, 21, 27, 55, 57, 63, 73, 75, 79, 80, 81})
        EXPECT_FALSE(is_board_cell(corner)) << corner;
    for (int arm : kArmCells)
        EXPECT_TRUE(is_board_cell(arm)) << arm;
}

TEST(Board, StartPositionHas44MarblesAroundAnEmptyCentre)
{
    Board board;
    set_start_position(board);
    int marbles = 0, empty = 0, off = 0;
    for (int index = 1; index <= 78; ++index) {
        switch (board.at(index)) {
        case Cell::Marble:
            ++marbles;
            EXPECT_TRUE(is_board_cell(index)) << index;
            break;
        case Cell::Empty:
            ++empty;
            EXPECT_EQ(index, kCentreCell);
            break;
        case Cell::OffBoard:
            ++off;
            EXPECT_FALSE(is_board_cell(index)) << index;
            break;
        }
    }
    EXPECT_EQ(marbles, 44);
    EXPECT_EQ(empty, 1);
    EXPECT_EQ(off, 33);
    EXPECT_EQ(board.at(0), Cell::Empty) << "slot 0 is never written";
    EXPECT_EQ(board.marbles(), 44);
}

TEST(Board, EveryAccessOutsideItsSlotsFails)
{
    Board board;
    EXPECT_NO_THROW(board.at(78));
    for (int index : {-1, 79, 80, 81}) {
        EXPECT_THROW(board.at(index), std::out_of_range) << index;
        EXPECT_THROW(board.set(index, Cell::Marble), std::out_of_range) << index;
    }
}

} // namespace
} // namespace mossaline
