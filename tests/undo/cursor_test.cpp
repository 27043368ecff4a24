#include "form1_fixture.h"

#include "game/board_cursor.h"
#include "game/grid.h"
#include "game/marker_grid.h"

#include <optional>

namespace mossaline::testing {
namespace {

constexpr CursorDirection kDirections[]
    = {CursorDirection::Left, CursorDirection::Right, CursorDirection::Up, CursorDirection::Down};

std::optional<int> neighbour(int cell, CursorDirection direction)
{
    int column = column_of(cell);
    int row = row_of(cell);
    switch (direction) {
    case CursorDirection::Left:
        --column;
        break;
    case CursorDirection::Right:
        ++column;
        break;
    case CursorDirection::Up:
        --row;
        break;
    case CursorDirection::Down:
        ++row;
        break;
    }
    if (column < 0 || column > 8 || row < 0 || row > 8 || !is_board_cell(cell_index(column, row)))
        return std::nullopt;
    return cell_index(column, row);
}

TEST(BoardCursor, StepsToTheNeighbourAndStopsAtEveryEdgeOfTheCross)
{
    // Faults: a step across the grid's wrap from one column to the next; a step into a
    // corner or off the grid; edges of the arms not stopping the cursor.
    int stops = 0;
    for (int cell : board_cells())
        for (CursorDirection direction : kDirections) {
            const auto reached
                = cursor_step(hover_grid::left_of(column_of(cell)), hover_grid::top_of(row_of(cell)), direction);
            EXPECT_EQ(reached, neighbour(cell, direction)) << "from " << cell;
            stops += reached ? 0 : 1;
        }
    EXPECT_EQ(stops, 36) << "each arm has 9 unit edges on the outline: 3 at its end, 3 on each side";
}

TEST(BoardCursor, FromOffTheCrossTheFirstStepGoesToTheNearestBoardCell)
{
    // Faults: no way back onto the board from a corner; a tie broken against the arrow.
    const int left = hover_grid::left_of(0);
    const int top = hover_grid::top_of(0);
    EXPECT_EQ(cursor_step(left, top, CursorDirection::Down), cell_index(0, 3));
    EXPECT_EQ(cursor_step(left, top, CursorDirection::Right), cell_index(3, 0));
    EXPECT_EQ(cursor_step(hover_grid::left_of(7), hover_grid::top_of(1), CursorDirection::Up), cell_index(5, 1));
    // The design place, a few twips off cell 39's place, counts as cell 39.
    EXPECT_EQ(cursor_step(3960, 2040, CursorDirection::Down), cell_index(4, 3));
}

class KeyboardPlay : public Form1Fixture { };

TEST_F(KeyboardPlay, DownDownEnterFromTheStartMakesTheFirstJump)
{
    // Faults: the first arrow only snapping onto cell 39; the press judged elsewhere.
    load();
    form.move_cursor(CursorDirection::Down);
    form.move_cursor(CursorDirection::Down);
    form.press_cursor();
    EXPECT_EQ(module.board.at(39), Cell::Empty);
    EXPECT_EQ(module.board.at(40), Cell::Empty);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Gain}));
    EXPECT_TRUE(form.can_undo());
}

TEST_F(KeyboardPlay, AStepActsAsAPointerMotionAndTheEdgeDoesNothing)
{
    // Faults: the marker moved without storing the pointer, so the press judges the old place;
    // the hover flicker left running; a motion sent at the edge.
    load();
    form.Label2_MouseMove();
    form.move_cursor(CursorDirection::Right);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(form.Label2.fore_colour, colours::kCommandRest);
    EXPECT_EQ(module.pointer_x_value(), 1800.0f + 600 * 5);
    EXPECT_EQ(module.pointer_y, 1100 + 600 * 2);
    EXPECT_EQ(form.Shape4.box.left, hover_grid::left_of(5));
    EXPECT_EQ(form.Shape4.box.top, hover_grid::top_of(2));
    form.move_cursor(CursorDirection::Up);
    form.move_cursor(CursorDirection::Up);
    form.Label2_MouseMove();
    form.move_cursor(CursorDirection::Up); // top edge of the cross
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(module.pointer_y, 1100);
    EXPECT_EQ(form.Shape4.box.top, hover_grid::top_of(0));
}

} // namespace
} // namespace mossaline::testing
