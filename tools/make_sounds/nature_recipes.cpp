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
    constexpr std::array<Chirp, 6> kSong{
        {{0.00, 0.09, 2600.0, 4300.0, 0.8}, {0.13, 0.07, 4200.0, 2900.0, 0.7}, {0.25, 0.09, 2800.0, 4600.0, 0.9},
            {0.42, 0.06, 3800.0, 4800.0, 0.6}, {0.51, 0.06, 3900.0, 5000.0, 0.6}, {0.62, 0.16, 4800.0, 2500.0, 1.0}}};
    Signal out = silence(0.85);
    for (const Chirp& chirp : kSong) {
        const Envelope shape{chirp.length * 0.3, 0.0, chirp.length * 0.45};
        add_tone(out, chirp.at, chirp.length, chirp.from_hz, chirp.to_hz, chirp.level, shape);
    }
    return out;
}

Signal one_recipe()
{
    Signal out = silence(1.05);
    Noise noise(0x0ba11u);
    // The roll: a low rumble with the small bumps of a marble on wood.
    add_noise(out, 0.0, 0.72, 2.0, 400.0, {0.15, 0.0, 0.12}, noise);
    for (int i = 0; i < 13; ++i) {
        add_noise(out, 0.05 + 0.047 * i, 0.012, 0.6, 1500.0, {0.001, 200.0, 0.004}, noise);
    }
    // The clack as it comes to rest against another marble, then a small bounce.
    const Envelope clack{0.0008, 40.0, 0.02};
    add_tone(out, 0.72, 0.3, 2900.0, 2870.0, 0.8, clack);
    add_tone(out, 0.72, 0.3, 4350.0, 4310.0, 0.45, {0.0008, 55.0, 0.02});
    add_noise(out, 0.72, 0.02, 1.0, 4000.0, {0.0005, 150.0, 0.005}, noise);
    add_tone(out, 0.84, 0.2, 2900.0, 2870.0, 0.35, clack);
    return out;
}

} // namespace mossaline
