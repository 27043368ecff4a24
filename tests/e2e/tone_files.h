#pragma once

#include "sound/cue.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mossaline::testing {

/// A cue's test tone: a pure sine of its own frequency, `lengths` times kToneFrames long, in the
/// device format.
std::vector<std::int16_t> tone_samples(Cue cue, int lengths = 1);

/// Writes every cue's test tone into `folder` as a WAV file under the game's file name, each
/// `lengths` tone lengths long (players that clip short sounds need long ones).
/// Returns false when a file cannot be written.
bool write_tone_files(const std::filesystem::path& folder, int lengths = 1);

} // namespace mossaline::testing
