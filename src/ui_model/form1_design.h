#pragma once

#include "ui_model/window_design.h"

#include <array>

namespace mossaline {

/// The main window as designed, before any event has been handled.
WindowDesign form1_design();

/// The cell each hole ring stands on, by element index 0..44.
extern const std::array<int, 45> kHoleRingCells;

} // namespace mossaline
