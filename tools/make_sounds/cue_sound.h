#pragma once

#include <cstdint>
#include <vector>

#include "sound/cue.h"

namespace mossaline {

/** The finished 16-bit mono samples, at kRate, written to the cue's file. */
std::vector<std::int16_t> cue_sound(Cue cue);

} // namespace mossaline
