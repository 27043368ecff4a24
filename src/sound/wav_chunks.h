#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace mossaline {

/** True if the bytes are a RIFF/WAVE file whose data chunk is all there. */
bool has_complete_data_chunk(std::span<const std::uint8_t> bytes);

/** How a WAV file's samples are laid out, as its "fmt " chunk says, and the samples' bytes. */
struct WavLayout {
    std::uint16_t format_tag = 0; ///< 1 = integer PCM.
    std::uint16_t channels = 0;
    std::uint32_t sample_rate = 0;
    std::uint16_t block_align = 0; ///< Bytes per frame.
    std::uint16_t bits = 0;
    std::span<const std::uint8_t> data;
};

/** The layout of a RIFF/WAVE file whose "fmt " chunk comes before its complete data chunk; nothing otherwise. */
std::optional<WavLayout> read_wav_layout(std::span<const std::uint8_t> bytes);

} // namespace mossaline
