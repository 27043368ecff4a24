#include "cue_sound.h"

#include "recipes.h"

namespace mossaline {

namespace {

// -6 dBFS: loud enough over a quiet room, with headroom left for the
// sound system's own resampling and mixing.
constexpr double kPeak = 0.5012;

Signal recipe_for(Cue cue)
{
    switch (cue) {
    case Cue::ChimeUp:
        return chime_up_recipe();
    case Cue::Gain:
        return gain_recipe();
    case Cue::Loss:
        return loss_recipe();
    case Cue::Normal:
        return normal_recipe();
    case Cue::RingIn:
        return ring_in_recipe();
    case Cue::Bird:
        return bird_recipe();
    case Cue::One:
        return one_recipe();
    case Cue::Two:
        return two_recipe();
    case Cue::Yahoo:
        return yahoo_recipe();
    }
    return {};
}

} // namespace

std::vector<std::int16_t> cue_sound(Cue cue)
{
    Signal signal = recipe_for(cue);
    normalise_peak(signal, kPeak);
    // A few milliseconds at each end take off any step a recipe leaves.
    fade_edges(signal, 0.002, 0.005);
    return to_pcm(signal);
}

} // namespace mossaline
