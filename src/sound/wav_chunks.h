#pragma once

#include <cstdint>
#include <span>

namespace mossaline {

/** True if the bytes are a RIFF/WAVE file whose data chunk is all there. */
bool has_complete_data_chunk(std::span<const std::uint8_t> bytes);

} // namespace mossaline
