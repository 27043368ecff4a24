#pragma once

#include "synth.h"

namespace mossaline {

/** Rising bell arpeggio greeting a new game (about 0.9 s). */
Signal chime_up_recipe();

/** Quick bright upward blip for a good move (under 150 ms). */
Signal gain_recipe();

/** Low falling thud for a poor move (under 150 ms). */
Signal loss_recipe();

/** Soft tick for an ordinary move (under 150 ms). */
Signal normal_recipe();

/** Two-bell telephone ring, played twice in a row by the game (under 1.2 s). */
Signal ring_in_recipe();

/** A few bird chirps (under 1.2 s). */
Signal bird_recipe();

/** A marble rolling and coming to rest with a clack (under 1.2 s). */
Signal one_recipe();

/** A soft wind chime (under 1.2 s). */
Signal two_recipe();

/** A rising voice-like "ya-hoo" cheer (under 1.2 s). */
Signal yahoo_recipe();

} // namespace mossaline
