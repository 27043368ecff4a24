#pragma once

#include "sound/cue.h"
#include "sound/sdl_cue_player.h"

#include <string>

namespace mossaline::testing {

/// The player's device format, which SDL's disk driver writes to its file unchanged.
inline constexpr PcmFormat kDeviceFormat = SdlCuePlayer::kFormat;

/// Samples per analysis window; every test tone completes a whole number of cycles in it.
inline constexpr int kWindowFrames = 256;

/// Length of each test tone, about 52 ms: two device buffers and a quarter, so the last
/// buffer of a cue is mostly silence and two equal cues in a row stay apart. Short, since
/// every click waits for its cue.
inline constexpr int kToneFrames = 2304;

/// Frequency in Hz of a cue's test tone: an even number of cycles per analysis window,
/// two bins apart from its neighbours so no tone leaks into another's bin.
double tone_frequency(Cue cue);

/// Cycles of a cue's tone per analysis window (its analysis bin).
int tone_bin(Cue cue);

/// The cue's file name without ".wav": "chimeup", "gain", "1"...
std::string cue_name(Cue cue);

} // namespace mossaline::testing
