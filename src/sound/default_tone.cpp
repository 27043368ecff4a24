#include "sound/default_tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mossaline {

namespace {

// Long enough to hear, short enough not to hold up play: a D5 with a touch
// of octave so it reads as a tone rather than a test beep.
constexpr double kSeconds = 0.2;
constexpr double kPitchHz = 587.33;
constexpr double kOctaveShare = 0.25;
constexpr double kPeak = 0.35; // About -9 dBFS, a little under the real cues.
constexpr double kFadeInSeconds = 0.015;
constexpr double kFadeOutSeconds = 0.08;

// Raised-cosine ramp from 0 to 1 over [0, length]; the smooth ends keep
// the tone free of clicks where it starts and stops.
double ramp(double t, double length)
{
    if (t >= length) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

} // namespace

std::vector<std::int16_t> default_tone(PcmFormat format)
{
    const int channels = std::max(format.channels, 1);
    const double rate = std::max(format.sample_rate, 1);
    const auto frames = static_cast<std::size_t>(std::lround(kSeconds * rate));
    std::vector<std::int16_t> samples;
    samples.reserve(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double left = static_cast<double>(frames - 1 - i) / rate;
        const double phase = 2.0 * std::numbers::pi * kPitchHz * t;
        const double wave = (std::sin(phase) + kOctaveShare * std::sin(2.0 * phase)) / (1.0 + kOctaveShare);
        const double level = kPeak * ramp(t, kFadeInSeconds) * ramp(left, kFadeOutSeconds);
        const auto sample = static_cast<std::int16_t>(std::lround(wave * level * 32767.0));
        samples.insert(samples.end(), static_cast<std::size_t>(channels), sample);
    }
    return samples;
}

} // namespace mossaline
