#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace mossaline::test {

/** The fields of a WAV "fmt " chunk that the tests vary. */
struct WavFormat {
    std::uint16_t format_tag = 1; ///< 1 = integer PCM, 3 = IEEE float.
    std::uint16_t channels = 1;
    std::uint32_t sample_rate = 44100;
    std::uint16_t bits = 16;
};

/** A complete WAV file with the given format around the given sample bytes. */
std::vector<std::uint8_t> make_wav(const WavFormat& format, std::span<const std::uint8_t> data);

/** A complete 16-bit WAV file holding the given interleaved samples. */
std::vector<std::uint8_t> make_wav16(const WavFormat& format, std::span<const std::int16_t> samples);

/** What a test needs to know about a WAV file: its format and where its samples are. */
struct WavInfo {
    WavFormat format;
    std::size_t data_offset = 0;
    std::size_t data_bytes = 0;
};

/** Walks the file's chunks; nothing if it has no "fmt " and complete "data" chunk. */
std::optional<WavInfo> read_wav_info(std::span<const std::uint8_t> bytes);

/** The 16-bit little-endian samples of a WAV file's data chunk. */
std::vector<std::int16_t> wav16_samples(std::span<const std::uint8_t> bytes, const WavInfo& info);

} // namespace mossaline::test
