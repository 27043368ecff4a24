#include "recipes.h"

#include <array>

namespace mossaline {

namespace {

struct Strike {
    double at;
    double pitch_hz;
    double level;
};

} // namespace

Signal chime_up_recipe()
{
    constexpr double kLength = 0.9;
    // C major arpeggio, C5 up to C6.
    constexpr std::array<Strike, 4> kArpeggio{
        {{0.00, 523.25, 1.0}, {0.11, 659.25, 0.9}, {0.22, 783.99, 0.85}, {0.33, 1046.50, 0.9}}};
    Signal out = silence(kLength);
    for (const Strike& strike : kArpeggio) {
        add_bell(out, strike.at, strike.pitch_hz, strike.level, 4.5, kLength - strike.at);
    }
    fade_edges(out, 0.0, 0.08);
    return out;
}

Signal ring_in_recipe()
{
    constexpr double kLength = 1.15;
    constexpr double kStrikeGap = 0.05;
    constexpr int kStrikes = 16;
    Signal out = silence(kLength);
    // The clapper swings between two small bells, E6 and G6.
    for (int i = 0; i < kStrikes; ++i) {
        const double at = i * kStrikeGap;
        const double pitch = i % 2 == 0 ? 1318.51 : 1567.98;
        add_bell(out, at, pitch, 0.6, 14.0, kLength - at);
    }
    fade_edges(out, 0.0, 0.15);
    return out;
}

Signal two_recipe()
{
    constexpr double kLength = 1.15;
    // D major pentatonic, the usual tuning of a wind chime.
    constexpr std::array<Strike, 6> kTubes{{{0.00, 1760.00, 0.7}, {0.09, 1318.51, 0.55}, {0.21, 1975.53, 0.5},
        {0.30, 1479.98, 0.6}, {0.44, 1174.66, 0.65}, {0.56, 1760.00, 0.4}}};
    Signal out = silence(kLength);
    for (const Strike& tube : kTubes) {
        add_bell(out, tube.at, tube.pitch_hz, tube.level, 4.0, kLength - tube.at);
    }
    fade_edges(out, 0.0, 0.2);
    return out;
}

} // namespace mossaline
