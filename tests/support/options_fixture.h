#pragma once

#include "form1_fixture.h"

#include "game/grid.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace mossaline::testing {

/// Puts marbles on exactly `cells` of the board and draws them, with the count to match.
inline void put_marbles(Module1& module, Form1Names& form, std::initializer_list<int> cells)
{
    for (int cell : board_cells())
        module.board.set(cell, Cell::Empty);
    for (int cell : cells)
        module.board.set(cell, Cell::Marble);
    form.show_board();
}

/// The window model driven as the player drives the options panel and the commands.
class OptionsFixture : public Form1Fixture {
protected:
    /// The player toggles a box: the platform flips its state, then its handler runs.
    void toggle(Control& box, void (Form1Names::*handler)())
    {
        box.checked = box.checked == 1 ? 0 : 1;
        std::invoke(handler, form);
    }
    /// Moves the pointer onto a cell and clicks the board there.
    void click(int cell) { click_cell(column_of(cell), row_of(cell)); }
    /// "OPTIONS" pressed, opening or closing the panel.
    void press_options() { toggle(form.Check1, &Form1Names::Check1_Click); }

    /// Puts marbles on exactly `cells`, as a game that had got there would.
    void set_position(std::initializer_list<int> cells) { put_marbles(module, form, cells); }

    /// Cells whose marble disc has the given fill colour, shown or hidden.
    std::vector<int> discs_coloured(Colour colour) const
    {
        std::vector<int> cells;
        for (int cell : board_cells())
            if (form.Shape3(cell)->fill_colour == colour)
                cells.push_back(cell);
        return cells;
    }
};

} // namespace mossaline::testing
