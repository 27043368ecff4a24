#pragma once

#include <filesystem>
#include <memory>

#include "sound/cue_player.h"

namespace mossaline {

/** The cue player for this desktop, playing the files in `sound_folder`. On Linux: straight to the sound server
 * when one answers, through SDL otherwise, silent (one line on stderr) with neither. On Windows: the platform's
 * own synchronous call. One definition per platform, beside program_folder(). */
std::unique_ptr<CuePlayer> make_cue_player(const std::filesystem::path& sound_folder);

} // namespace mossaline
