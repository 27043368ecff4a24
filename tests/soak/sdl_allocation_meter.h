#pragma once

#include <cstddef>

namespace mossaline::testing {

/// Counts what SDL itself allocates, so a test can bound what one cue costs in memory.
namespace sdl_allocation_meter {

/// Routes SDL's allocations through the meter; false if SDL had already allocated with its own.
bool install();
/// Starts a new measurement: the peak drops to what is held now.
void reset_peak();
/// Most bytes SDL held at once since the last reset.
std::size_t peak_bytes();
/// Bytes SDL holds now.
std::size_t held_bytes();

} // namespace sdl_allocation_meter

} // namespace mossaline::testing
