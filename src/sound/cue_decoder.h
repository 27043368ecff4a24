#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sound/pcm_format.h"

namespace mossaline {

/** The WAV bytes as interleaved samples in the target format; nothing if broken or over the cue limits. */
std::optional<std::vector<std::int16_t>> decode_cue(std::span<const std::uint8_t> bytes, PcmFormat target);

} // namespace mossaline
