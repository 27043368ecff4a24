#pragma once

#include "play_geometry.h"
#include "recording_cue_player.h"
#include "scripted_random.h"

#include "ui_model/board_geometry.h"
#include "ui_model/form1.h"
#include "ui_model/marker_grid.h"
#include "ui_model/module1.h"

#include <algorithm>
#include <string>
#include <vector>

namespace mossaline::testing {

/// Twips X of the centre of a grid column's marble discs.
constexpr float column_middle(int column)
{
    return board_geometry::disc_centre(column, 0).x;
}
/// Twips Y of the centre of a grid row's marble discs.
constexpr float row_middle(int row)
{
    return board_geometry::disc_centre(0, row).y;
}

/// One game's state and main window model, driven the way the window system drives it.
/// Unlike a gtest fixture, a test can set up as many of these as it needs.
struct PlayTable {
    Module1 module; ///< the shared state
    RecordingCuePlayer cues; ///< every cue played
    ScriptedRandom random; ///< draws for the timers, none unless a test scripts them
    int exits = 0; ///< how often EXIT ended the program
    Form1 window_model{module, cues, random, [this] { ++exits; }}; ///< the main window's model
    Form1Names& form = design_names(window_model); ///< the same by its design's names

    /// An unloaded window over fresh state; load() starts the game.
    PlayTable() = default;
    PlayTable(const PlayTable&) = delete;
    PlayTable& operator=(const PlayTable&) = delete;

    /// Runs the load handler and forgets its start cue.
    void load()
    {
        form.Form_Load();
        cues.played.clear();
    }
    /// Pointer motion over the window's surface.
    void move(float x, float y) { form.Form_MouseMove(x, y); }
    /// Pointer motion to a point, then a click there.
    void click(float x, float y)
    {
        move(x, y);
        form.Form_Click();
    }
    /// A click in the middle of a grid cell.
    void click_cell(int column, int row) { click(column_middle(column), row_middle(row)); }

    /// Puts a game in progress on the table: `board`, its count and the marble shapes
    /// that show it, as a run of jumps would have left them.
    void place(const Board& board)
    {
        module.board = board;
        form.show_board();
    }

    /// The cell the last-position marker names, as the click handler reads it.
    int marker_cell() const { return marker_grid::cell_at(form.Shape5.box.left, form.Shape5.box.top); }

    /// Cells whose marble disc is shown.
    std::vector<int> shown_discs() const
    {
        std::vector<int> shown;
        for (int cell = 0; cell <= 81; ++cell)
            if (const Control* disc = form.Shape3(cell); disc && disc->visible)
                shown.push_back(cell);
        return shown;
    }
    /// Cells whose highlight is shown.
    std::vector<int> shown_highlights() const
    {
        std::vector<int> shown;
        for (int cell = 0; cell <= 81; ++cell)
            if (const Control* highlight = form.Shape7(cell); highlight && highlight->visible)
                shown.push_back(cell);
        return shown;
    }
};

} // namespace mossaline::testing
