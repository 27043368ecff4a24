#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace mossaline::bench {

/// Writes 16-bit PCM samples as a WAV file; throws std::runtime_error when the file cannot be written.
void write_wav(const std::filesystem::path& path, std::span<const std::int16_t> samples, int sample_rate, int channels);

/// Writes a mono 44.1 kHz file of silence lasting `milliseconds`.
void write_silence(const std::filesystem::path& path, int milliseconds);

/// Writes a mono 44.1 kHz 1 kHz tone lasting `milliseconds`, loud from its first sample to its last.
void write_tone(const std::filesystem::path& path, int milliseconds);

} // namespace mossaline::bench
