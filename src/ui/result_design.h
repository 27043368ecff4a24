#pragma once

#include "ui/window_design.h"

namespace mossaline {

/// The game-over report as designed.
WindowDesign result_design();

} // namespace mossaline
