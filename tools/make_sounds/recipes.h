#pragma once

#include "synth.h"

namespace mossaline {

/** Rising bell arpeggio greeting a new game (under 0.25 s). */
Signal chime_up_recipe();

/** Quick bright upward blip for a good move (under 150 ms). */
Signal gain_recipe();

/** Low falling thud for a poor move (under 150 ms). */
Signal loss_recipe();

/** Soft tick for an ordinary move (under 150 ms). */
Signal normal_recipe();

/** Two-bell telephone ring, played twice in a row by the game (0.2 s). */
Signal ring_in_recipe();

/** A few bird chirps (under 0.3 s). */
Signal bird_recipe();

/** A marble rolling and coming to rest with a clack (under 0.2 s; played twice in a row). */
Signal one_recipe();

/** A soft wind chime (0.2 s). */
Signal two_recipe();

/** A rising voice-like "ya-hoo" cheer (under 0.6 s). */
Signal yahoo_recipe();

} // namespace mossaline
