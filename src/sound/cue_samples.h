#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sound/pcm_format.h"

namespace mossaline {

/** What the player hands to the device for a cue file: its samples in `format`, or the default tone when the file is
 * unusable. */
std::vector<std::int16_t> cue_samples(const std::filesystem::path& file, PcmFormat format);

} // namespace mossaline
