// Tells the packaging tests which sound an installed game played first, from
// the samples SDL's `disk` audio driver wrote for it.
//
//   packaging_cue_output_check <device output> <cue.wav>
//   packaging_cue_output_check <device output> --default-tone
//
// Exit status: 0 the output starts with that sound, 1 it starts with something
// else, 2 not all of it has been written yet (ask again), 3 bad arguments.
// Silence before the sound is skipped: the device runs from the moment the
// game opens it, well before the first cue is queued.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "sound/cue_decoder.h"
#include "sound/default_tone.h"
#include "sound/sdl_cue_player.h"

namespace {

enum class Match { Same, Different, TooShort };

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::int16_t> read_samples(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = read_bytes(path);
    std::vector<std::int16_t> samples(bytes.size() / sizeof(std::int16_t));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(std::int16_t));
    return samples;
}

std::span<const std::int16_t> after_silence(std::span<const std::int16_t> samples)
{
    const auto first = std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; });
    return samples.subspan(static_cast<std::size_t>(first - samples.begin()));
}

Match starts_with(std::span<const std::int16_t> output, std::span<const std::int16_t> sound)
{
    const auto heard = after_silence(output);
    const auto wanted = after_silence(sound);
    const std::size_t common = std::min(heard.size(), wanted.size());
    if (!std::equal(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(common), heard.begin())) {
        return Match::Different;
    }
    return common < wanted.size() ? Match::TooShort : Match::Same;
}

int report(Match match, std::string_view wanted_name, std::span<const std::int16_t> output,
    std::span<const std::int16_t> other, std::string_view other_name)
{
    switch (match) {
    case Match::Same:
        return 0;
    case Match::TooShort:
        std::cerr << "only part of " << wanted_name << " has been written so far\n";
        return 2;
    case Match::Different:
        std::cerr << "the device output does not start with " << wanted_name;
        if (!other.empty() && starts_with(output, other) != Match::Different) {
            std::cerr << " but with " << other_name;
        }
        std::cerr << '\n';
        return 1;
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <device output> (<cue.wav> | --default-tone)\n";
        return 3;
    }
    constexpr mossaline::PcmFormat format = mossaline::SdlCuePlayer::kFormat;
    const std::vector<std::int16_t> output = read_samples(argv[1]);
    const std::vector<std::int16_t> tone = mossaline::default_tone(format);
    const std::string_view wanted(argv[2]);

    if (wanted == "--default-tone") {
        return report(starts_with(output, tone), "the default tone", output, {}, {});
    }
    // Decoded exactly as the game decodes it, so the comparison is sample for sample.
    const std::optional<std::vector<std::int16_t>> cue = mossaline::decode_cue(read_bytes(argv[2]), format);
    if (!cue || after_silence(*cue).empty()) {
        std::cerr << argv[2] << " is not a cue the game can play\n";
        return 3;
    }
    return report(starts_with(output, *cue), argv[2], output, tone, "the default tone");
}
