#include "sound/cue.h"

namespace mossaline {

std::string_view cue_file_name(Cue cue)
{
    switch (cue) {
    case Cue::ChimeUp:
        return "chimeup.wav";
    case Cue::Gain:
        return "gain.wav";
    case Cue::Loss:
        return "loss.wav";
    case Cue::Normal:
        return "normal.wav";
    case Cue::RingIn:
        return "ringin.wav";
    case Cue::Bird:
        return "bird.wav";
    case Cue::One:
        return "1.wav";
    case Cue::Two:
        return "2.wav";
    case Cue::Yahoo:
        return "yahoo.wav";
    }
    // Only reachable through a cast of an out-of-range value; an empty name
    // makes the lookup fail and the player fall back to its default tone.
    return {};
}

} // namespace mossaline
