#pragma once

#include <cstdint>
#include <vector>

#include "sound/pcm_format.h"

namespace mossaline {

/** The short soft tone played in place of a cue whose file cannot be used. */
std::vector<std::int16_t> default_tone(PcmFormat format);

} // namespace mossaline
