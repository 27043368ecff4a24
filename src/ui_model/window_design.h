#pragma once

#include "ui_model/control.h"

#include <string>
#include <vector>

namespace mossaline {

/// The design of a window: its own properties and every control, painted ones in stacking
/// order from the bottom up, native ones after them.
struct WindowDesign {
    std::string caption{}; ///< title bar text
    int client_width = 0; ///< twips
    int client_height = 0; ///< twips
    Colour background; ///< colour of the client area
    std::vector<Control> controls{}; ///< every control
};

} // namespace mossaline
