#pragma once

#include "pointer.h"
#include "recording_cue_player.h"
#include "scripted_random.h"

#include "ui/open_main_window.h"
#include "ui/repainting_cue_player.h"
#include "ui_model/form1.h"
#include "ui_model/module1.h"

#include <gtest/gtest.h>

#include <memory>

namespace mossaline::testing {

/// The real main window, offscreen, with recorded cues and scripted draws, wired as the
/// game wires it (the screen is brought up to date before every cue).
class Form1WidgetFixture : public ::testing::Test {
protected:
    Module1 module;
    RecordingCuePlayer recorded;
    RepaintingCuePlayer cues{recorded};
    ScriptedRandom random;
    int exits = 0;
    Form1 window_model{module, cues, random, [this] { ++exits; }};
    Form1Names& form = design_names(window_model); ///< the window by its design's names
    std::unique_ptr<Form1Widget> window;

    void TearDown() override { window.reset(); }

    /// Starts the window as the game does.
    void open()
    {
        window_model.load();
        window = open_main_window(window_model, cues);
    }
    /// Starts the window, then forgets the start cue.
    void load()
    {
        open();
        recorded.played.clear();
    }
    /// Pointer events on the window's painted surface.
    Pointer pointer() { return Pointer(window->surface()); }
};

} // namespace mossaline::testing
