#include "recipes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace mossaline {

namespace {

// One moment of the voice: pitch, the first two formants (which decide the
// vowel) and loudness. Between keys everything moves in straight lines.
struct VoiceKey {
    double at;
    double pitch_hz;
    double f1_hz;
    double f2_hz;
    double level;
};

// "ee-AH" sliding up, a breathy dip for the h, then a high "OO" that
// climbs and settles; brisk, since the report waits for it.
constexpr std::array<VoiceKey, 9> kShout{
    {{0.00, 240.0, 300.0, 2200.0, 0.0}, {0.03, 250.0, 320.0, 2100.0, 1.0}, {0.15, 320.0, 750.0, 1200.0, 1.0},
        {0.19, 310.0, 700.0, 1100.0, 0.7}, {0.23, 340.0, 450.0, 950.0, 0.2}, {0.27, 390.0, 380.0, 850.0, 1.0},
        {0.43, 520.0, 350.0, 800.0, 1.0}, {0.52, 490.0, 350.0, 800.0, 0.6}, {0.57, 470.0, 350.0, 800.0, 0.0}}};

VoiceKey voice_at(double t)
{
    for (std::size_t i = 1; i < kShout.size(); ++i) {
        const VoiceKey& a = kShout[i - 1];
        const VoiceKey& b = kShout[i];
        if (t <= b.at) {
            const double u = (t - a.at) / (b.at - a.at);
            auto mix = [u](double from, double to) { return from + u * (to - from); };
            return {
                t, mix(a.pitch_hz, b.pitch_hz), mix(a.f1_hz, b.f1_hz), mix(a.f2_hz, b.f2_hz), mix(a.level, b.level)};
        }
    }
    return kShout.back();
}

// How strongly the vocal tract passes a harmonic: a resonance peak at each formant.
double tract_gain(double hz, const VoiceKey& voice)
{
    struct Formant {
        double hz;
        double width;
        double share;
    };
    const std::array<Formant, 3> formants{{{voice.f1_hz, 90.0, 1.0}, {voice.f2_hz, 120.0, 0.6}, {2600.0, 160.0, 0.25}}};
    double gain = 0.0;
    for (const Formant& formant : formants) {
        const double off = (hz - formant.hz) / formant.width;
        gain += formant.share / (1.0 + off * off);
    }
    return gain;
}

} // namespace

Signal yahoo_recipe()
{
    constexpr double kLength = 0.58;
    constexpr double kTopHz = 5000.0;
    constexpr double kTopFadeHz = 1500.0;
    Signal out = silence(kLength);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const VoiceKey voice = voice_at(t);
        // A little vibrato, swelling in once the "hoo" is held.
        const double depth = 0.015 * std::clamp((t - 0.27) / 0.08, 0.0, 1.0);
        const double pitch = voice.pitch_hz * (1.0 + depth * std::sin(2.0 * std::numbers::pi * 6.0 * t));
        double sample = 0.0;
        for (int k = 1; k * pitch < kTopHz; ++k) {
            // Harmonics fade out towards the top instead of dropping out
            // abruptly as the pitch rises, which would click.
            const double top_fade = std::clamp((kTopHz - k * pitch) / kTopFadeHz, 0.0, 1.0);
            sample += top_fade * tract_gain(k * pitch, voice) / std::sqrt(k) * std::sin(k * phase);
        }
        out[i] = voice.level * sample;
        phase = std::fmod(phase + 2.0 * std::numbers::pi * pitch / kRate, 2.0 * std::numbers::pi);
    }
    Noise noise(0x4a40u);
    add_noise(out, 0.18, 0.08, 0.6, 2000.0, {0.025, 0.0, 0.035}, noise); // The h.
    return out;
}

} // namespace mossaline
