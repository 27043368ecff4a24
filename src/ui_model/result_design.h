#pragma once

#include "ui_model/window_design.h"

namespace mossaline {

/// The game-over report as designed.
WindowDesign result_design();

} // namespace mossaline
