#include "ui_model/rounding.h"

#include <cmath>
#include <limits>

namespace mossaline {

std::int16_t round_half_even_16(double value)
{
    using Limits = std::numeric_limits<std::int16_t>;
    if (std::isnan(value))
        return 0;
    // A pointer dragged far outside the window on a big screen can pass 32767 twips;
    // saturating keeps it outside every band instead of ending the game.
    if (value >= Limits::max())
        return Limits::max();
    if (value <= Limits::min())
        return Limits::min();
    // Halfway cases go to the even neighbour; the default rounding mode does exactly that.
    return static_cast<std::int16_t>(std::nearbyint(value));
}

} // namespace mossaline
