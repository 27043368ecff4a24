#include "tone_files.h"

#include "tone_plan.h"

#include <cmath>
#include <fstream>
#include <numbers>

namespace mossaline::testing {

namespace {

// Loud enough to stand far above any noise, with room left for a player that mixes.
constexpr double kAmplitude = 16000.0;

void put_u16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put_u32(std::ofstream& out, std::uint32_t value)
{
    put_u16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put_u16(out, static_cast<std::uint16_t>(value >> 16));
}

bool write_wav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto channels = static_cast<std::uint16_t>(kDeviceFormat.channels);
    const auto rate = static_cast<std::uint32_t>(kDeviceFormat.sample_rate);
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put_u32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    put_u32(out, 16);
    put_u16(out, 1); // integer PCM
    put_u16(out, channels);
    put_u32(out, rate);
    put_u32(out, rate * channels * 2);
    put_u16(out, static_cast<std::uint16_t>(channels * 2));
    put_u16(out, 16);
    out.write("data", 4);
    put_u32(out, data_bytes);
    for (const std::int16_t sample : samples)
        put_u16(out, static_cast<std::uint16_t>(sample));
    return static_cast<bool>(out);
}

} // namespace

std::vector<std::int16_t> tone_samples(Cue cue, int lengths)
{
    const int channels = kDeviceFormat.channels;
    const int frames = kToneFrames * lengths;
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames * channels));
    const double step = 2.0 * std::numbers::pi * tone_frequency(cue) / kDeviceFormat.sample_rate;
    for (int frame = 0; frame < frames; ++frame) {
        const auto value = static_cast<std::int16_t>(std::lround(kAmplitude * std::sin(step * frame)));
        samples.insert(samples.end(), static_cast<std::size_t>(channels), value);
    }
    return samples;
}

bool write_tone_files(const std::filesystem::path& folder, int lengths)
{
    for (const Cue cue : kAllCues)
        if (!write_wav(folder / cue_file_name(cue), tone_samples(cue, lengths)))
            return false;
    return true;
}

} // namespace mossaline::testing
