#pragma once

#include "ui/form1_widget.h"
#include "ui/repainting_cue_player.h"

#include <functional>
#include <memory>

namespace mossaline {

/// Builds the main window of a form whose load handler has run, lets `before_showing` finish
/// (the start cue: nothing is on screen and no event is handled until it is over), shows the
/// window and has `cues` bring it up to date before each cue from then on.
std::unique_ptr<Form1Widget> open_main_window(
    Form1& form, RepaintingCuePlayer& cues, const std::function<void()>& before_showing = {});

} // namespace mossaline
