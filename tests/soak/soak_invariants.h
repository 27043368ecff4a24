#pragma once

#include "ui_model/form1.h"
#include "ui_model/module1.h"

#include <optional>
#include <string>

namespace mossaline::testing {

/// The first broken rule between the shared state and the board's controls, or nothing:
/// the count against the board, the count's caption, the cell codes, the discs, the marker.
std::optional<std::string> display_fault(const Form1Names& form, const Module1& module);

/// The first disc whose colour disagrees with the open jumps while possible moves are shown,
/// or nothing: light yellow exactly for the marbles that can jump, grey for every other disc.
std::optional<std::string> movable_colour_fault(const Form1Names& form, const Module1& module);

/// The first control that disagrees with the settings, or nothing: the panel with "OPTIONS",
/// the marker, the count and the pictures with their switches, the board with the chosen
/// colour button, and, once the panel has been opened, each box with its variable.
std::optional<std::string> settings_fault(const Form1Names& form, const Module1& module, bool panel_opened);

} // namespace mossaline::testing
