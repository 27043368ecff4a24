#include "recipes.h"

#include <array>

namespace mossaline {

Signal bird_recipe()
{
    struct Chirp {
        double at;
        double length;
        double from_hz;
        double to_hz;
        double level;
    };
    // Up, down, up, and a long fall to close: a short phrase, as EXIT waits for it.
    constexpr std::array<Chirp, 4> kSong{{{0.00, 0.06, 2600.0, 4300.0, 0.8}, {0.08, 0.05, 4200.0, 2900.0, 0.7},
        {0.15, 0.05, 3800.0, 4800.0, 0.6}, {0.21, 0.07, 4800.0, 2500.0, 1.0}}};
    Signal out = silence(0.29);
    for (const Chirp& chirp : kSong) {
        const Envelope shape{chirp.length * 0.3, 0.0, chirp.length * 0.45};
        add_tone(out, chirp.at, chirp.length, chirp.from_hz, chirp.to_hz, chirp.level, shape);
    }
    return out;
}

Signal one_recipe()
{
    Signal out = silence(0.18);
    Noise noise(0x0ba11u);
    // A short roll: a low rumble with the small bumps of a marble on wood.
    add_noise(out, 0.0, 0.11, 2.0, 400.0, {0.03, 0.0, 0.04}, noise);
    for (int i = 0; i < 4; ++i) {
        add_noise(out, 0.012 + 0.022 * i, 0.012, 0.6, 1500.0, {0.001, 200.0, 0.004}, noise);
    }
    // The clack as it comes to rest against another marble, then a small bounce.
    const Envelope clack{0.0008, 45.0, 0.02};
    add_tone(out, 0.1, 0.08, 2900.0, 2870.0, 0.8, clack);
    add_tone(out, 0.1, 0.08, 4350.0, 4310.0, 0.45, {0.0008, 60.0, 0.02});
    add_noise(out, 0.1, 0.02, 1.0, 4000.0, {0.0005, 150.0, 0.005}, noise);
    add_tone(out, 0.14, 0.04, 2900.0, 2870.0, 0.3, {0.0008, 60.0, 0.015});
    return out;
}

} // namespace mossaline
