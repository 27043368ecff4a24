#pragma once

#include <filesystem>
#include <memory>

#include "sound/cue_player.h"

namespace mossaline {

/** The cue player for this desktop, playing the files in `sound_folder`: straight to the sound server when one
 * answers, through SDL otherwise, silent (one line on stderr) with neither. */
std::unique_ptr<CuePlayer> make_cue_player(const std::filesystem::path& sound_folder);

} // namespace mossaline
