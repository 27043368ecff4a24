#include "ui_model/marker_grid.h"

#include "ui_model/rounding.h"

namespace mossaline::marker_grid {

int cell_at(int left, int top)
{
    constexpr double pitch = board_geometry::kPitch;
    const double position
        = (left - board_geometry::kMarkerLeft) / pitch * 9 + (top - board_geometry::kBandsTop) / pitch;
    return round_half_even_16(position) + 1;
}

} // namespace mossaline::marker_grid
