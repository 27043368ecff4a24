#pragma once

#include <array>
#include <string_view>

namespace mossaline {

/** Every sound the game can ask for. */
enum class Cue { ChimeUp, Gain, Loss, Normal, RingIn, Bird, One, Two, Yahoo };

/** All cues, in declaration order, for code that must cover each one. */
inline constexpr std::array<Cue, 9> kAllCues{
    Cue::ChimeUp,
    Cue::Gain,
    Cue::Loss,
    Cue::Normal,
    Cue::RingIn,
    Cue::Bird,
    Cue::One,
    Cue::Two,
    Cue::Yahoo,
};

/** The WAV file name that holds the cue, e.g. "chimeup.wav". */
std::string_view cue_file_name(Cue cue);

} // namespace mossaline
