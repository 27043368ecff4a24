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

// Every cue holds the window while it plays, so the bells are struck close
// together and damped quickly: the ring is heard in full, the tail is not.

Signal chime_up_recipe()
{
    constexpr double kLength = 0.24;
    // C major arpeggio, C5 up to C6, quick enough to finish before the window shows.
    constexpr std::array<Strike, 4> kArpeggio{
        {{0.00, 523.25, 1.0}, {0.04, 659.25, 0.9}, {0.08, 783.99, 0.85}, {0.12, 1046.50, 0.95}}};
    Signal out = silence(kLength);
    for (const Strike& strike : kArpeggio) {
        add_bell(out, strike.at, strike.pitch_hz, strike.level, 9.0, kLength - strike.at);
    }
    fade_edges(out, 0.0, 0.06);
    return out;
}

Signal ring_in_recipe()
{
    constexpr double kLength = 0.2;
    constexpr double kStrikeGap = 0.03;
    constexpr int kStrikes = 6;
    Signal out = silence(kLength);
    // The clapper swings between two small bells, E6 and G6; the game plays
    // this twice in a row, which makes the ring-ring of a telephone.
    for (int i = 0; i < kStrikes; ++i) {
        const double at = i * kStrikeGap;
        const double pitch = i % 2 == 0 ? 1318.51 : 1567.98;
        add_bell(out, at, pitch, 0.6, 18.0, kLength - at);
    }
    fade_edges(out, 0.0, 0.05);
    return out;
}

Signal two_recipe()
{
    constexpr double kLength = 0.2;
    // D major pentatonic, the usual tuning of a wind chime: three tubes touched by one breath.
    constexpr std::array<Strike, 3> kTubes{{{0.00, 1760.00, 0.7}, {0.045, 1318.51, 0.55}, {0.095, 1975.53, 0.5}}};
    Signal out = silence(kLength);
    for (const Strike& tube : kTubes) {
        add_bell(out, tube.at, tube.pitch_hz, tube.level, 10.0, kLength - tube.at);
    }
    fade_edges(out, 0.0, 0.07);
    return out;
}

} // namespace mossaline
