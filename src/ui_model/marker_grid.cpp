#include "ui_model/marker_grid.h"

#include "ui_model/rounding.h"

namespace mossaline::marker_grid {

int cell_at(int left, int top)
{
    const double position = (left - 1600) / 600.0 * 9 + (top - 800) / 600.0;
    return round_half_even_16(position) + 1;
}

} // namespace mossaline::marker_grid
