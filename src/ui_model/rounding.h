#pragma once

#include <cstdint>

namespace mossaline {

/// Rounds to the nearest integer, halfway values to the even neighbour, into a signed
/// 16-bit value; values beyond its range are clamped rather than overflowing.
std::int16_t round_half_even_16(double value);

} // namespace mossaline
