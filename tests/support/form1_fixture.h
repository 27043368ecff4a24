#pragma once

#include "recording_cue_player.h"
#include "scripted_random.h"

#include "ui_model/board_geometry.h"
#include "ui_model/form1.h"
#include "ui_model/module1.h"

#include <gtest/gtest.h>

namespace mossaline::testing {

/// A main window model with a recording cue player and scripted draws, loaded like the game.
class Form1Fixture : public ::testing::Test {
protected:
    Module1 module;
    RecordingCuePlayer cues;
    ScriptedRandom random;
    int exits = 0;
    Form1 window_model{module, cues, random, [this] { ++exits; }};
    Form1Names& form = design_names(window_model); ///< the window by its design's names

    /// Runs the load handler and forgets its start cue.
    void load()
    {
        form.Form_Load();
        cues.played.clear();
    }

    /// Moves the pointer to the centre of a grid cell, then clicks.
    void click_cell(int column, int row)
    {
        const TwipsPoint centre = board_geometry::disc_centre(column, row);
        form.Form_MouseMove(centre.x, centre.y);
        form.Form_Click();
    }

    /// Cells whose marble disc is shown.
    std::vector<int> shown_marbles() const;
};

inline std::vector<int> Form1Fixture::shown_marbles() const
{
    std::vector<int> shown;
    for (int i = 0; i <= 81; ++i)
        if (const Control* disc = form.Shape3(i); disc && disc->visible)
            shown.push_back(i);
    return shown;
}

} // namespace mossaline::testing
