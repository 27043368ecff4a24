#pragma once

#include "ui/form1_widget.h"
#include "ui/repainting_cue_player.h"

#include <functional>
#include <memory>

namespace mossaline {

/// The main window's start, in two halves around the desktop's own start, so that the start
/// cue need not wait for the display.
class MainWindowStart {
public:
    /// The first half, which needs no desktop yet: runs the load handler, whose start cue,
    /// played through `cues` (the player `form` plays through), sounds alongside whatever the
    /// caller does next. Touches nothing of the toolkit, so it may come before the application.
    MainWindowStart(Form1& form, RepaintingCuePlayer& cues);
    MainWindowStart(const MainWindowStart&) = delete;
    MainWindowStart& operator=(const MainWindowStart&) = delete;

    /// The second half, once the application exists: builds the window and shows it once the
    /// start cue is over; until then nothing is on screen and no event is handled. While the
    /// window is built, other threads read the fonts and pictures of its first paint and make
    /// whatever `meanwhile` makes (over before the window shows). From then on `cues` brings
    /// the window up to date before each cue. Called once.
    std::unique_ptr<Form1Widget> open(const std::function<void()>& meanwhile = {});

private:
    Form1& form_;
    RepaintingCuePlayer& cues_;
};

} // namespace mossaline
