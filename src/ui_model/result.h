#pragma once

#include "sound/cue_player.h"
#include "ui_model/module1.h"
#include "ui_model/window_model.h"

namespace mossaline {

/// The game-over report: loaded on a show, filled by its load handler, unloaded by "Close".
class Result {
public:
    /// Creates the window unloaded; it reads the shared state and plays its cue through `cues`.
    Result(Module1& module, CuePlayer& cues);
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;

    WindowModel window; ///< the report's controls
    Control& Label4; ///< the rating text
    Control& Label5; ///< the number of marbles left

    /// Loads the window first when it is not loaded, then shows it or brings it forward.
    void Show();
    /// Shows the report for a game that has just ended: an open report still tells an earlier
    /// game's end, so it is filled again as its load fills it, cheer included.
    void show_new_end();
    /// Fills in the count and the rating and plays the cheer for a good result.
    void Form_Load();
    /// "Close": hides the window, then unloads it.
    void Command1_Click();

    /// True between a show and the next "Close".
    bool loaded() const { return loaded_; }
    /// True while the window is on the screen.
    bool visible() const { return visible_; }
    /// Counts shows, so a view can bring the window forward on each one.
    int show_requests() const { return show_requests_; }

private:
    Module1& module_;
    CuePlayer& cues_;
    bool loaded_ = false;
    bool visible_ = false;
    int show_requests_ = 0;
};

} // namespace mossaline
