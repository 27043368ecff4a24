#include "recipes.h"

namespace mossaline {

// Move sounds come with every move, so they stay well short of 150 ms and
// keep quick play flowing.

Signal gain_recipe()
{
    Signal out = silence(0.12);
    const Envelope blip{0.004, 12.0, 0.025};
    add_tone(out, 0.0, 0.115, 880.0, 1760.0, 1.0, blip);
    add_tone(out, 0.0, 0.115, 1760.0, 3520.0, 0.22, blip);
    return out;
}

Signal loss_recipe()
{
    Signal out = silence(0.14);
    const Envelope thud{0.003, 18.0, 0.03};
    add_tone(out, 0.0, 0.14, 196.0, 82.0, 1.0, thud);
    add_tone(out, 0.0, 0.14, 392.0, 164.0, 0.18, thud);
    Noise noise(0x10552u);
    add_noise(out, 0.0, 0.04, 1.0, 400.0, {0.001, 60.0, 0.01}, noise);
    return out;
}

Signal normal_recipe()
{
    Signal out = silence(0.045);
    Noise noise(0x71c4u);
    add_noise(out, 0.0, 0.04, 1.0, 1800.0, {0.0015, 90.0, 0.008}, noise);
    add_tone(out, 0.0, 0.04, 1900.0, 1700.0, 0.35, {0.001, 110.0, 0.008});
    return out;
}

} // namespace mossaline
