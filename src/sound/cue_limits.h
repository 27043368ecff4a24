#pragma once

#include <cstdint>

namespace mossaline {

// The game stops and waits for every cue, so a damaged or swapped-in file
// must not be able to freeze it or eat memory. The longest real cue is
// about a second; anything past these limits is treated like a broken file.

/** Largest cue file read at all: room for 10 s of 8-channel 32-bit 48 kHz audio. */
inline constexpr std::uintmax_t kMaxCueFileBytes = 16u * 1024u * 1024u;

/** Longest cue, in seconds, the game will sit through. */
inline constexpr int kMaxCueSeconds = 10;

} // namespace mossaline
