#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace mossaline {

/** Writes mono 16-bit PCM as a canonical 44-byte-header WAV file; false if the file cannot be written. */
bool write_wav(const std::filesystem::path& path, std::span<const std::int16_t> samples, int sample_rate);

} // namespace mossaline
