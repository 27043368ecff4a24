#include "wav_file.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace mossaline::bench {

namespace {

void put_text(std::ofstream& out, std::string_view text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// WAV numbers are little-endian whatever the machine.
void put_le(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

} // namespace

void write_wav(const std::filesystem::path& path, std::span<const std::int16_t> samples, int sample_rate, int channels)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sample_rate);
    const auto frame_bytes = static_cast<std::uint32_t>(2 * channels);
    put_text(out, "RIFF");
    put_le(out, 36 + data_bytes, 4);
    put_text(out, "WAVEfmt ");
    put_le(out, 16, 4);
    put_le(out, 1, 2); // integer PCM
    put_le(out, static_cast<std::uint32_t>(channels), 2);
    put_le(out, rate, 4);
    put_le(out, rate * frame_bytes, 4);
    put_le(out, frame_bytes, 2);
    put_le(out, 16, 2);
    put_text(out, "data");
    put_le(out, data_bytes, 4);
    for (const std::int16_t sample : samples)
        put_le(out, static_cast<std::uint16_t>(sample), 2);
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

void write_silence(const std::filesystem::path& path, int milliseconds)
{
    constexpr int kRate = 44100;
    const std::vector<std::int16_t> silence(
        static_cast<std::size_t>(kRate) * static_cast<std::size_t>(milliseconds) / 1000, 0);
    write_wav(path, silence, kRate, 1);
}

void write_tone(const std::filesystem::path& path, int milliseconds)
{
    constexpr int kRate = 44100;
    constexpr double kPitchHz = 1000.0;
    std::vector<std::int16_t> tone(static_cast<std::size_t>(kRate) * static_cast<std::size_t>(milliseconds) / 1000);
    // A quarter turn ahead, so the very first and last samples are loud and the
    // sound's ends can be found to the sample at the monitor.
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<std::int16_t>(
            std::lround(10000.0 * std::cos(2.0 * std::numbers::pi * kPitchHz * static_cast<double>(i) / kRate)));
    write_wav(path, tone, kRate, 1);
}

} // namespace mossaline::bench
