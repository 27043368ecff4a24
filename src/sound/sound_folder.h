#pragma once

#include <filesystem>

#include "sound/cue.h"

namespace mossaline {

/** The folder holding the running program, or the current folder if that cannot be found (one definition per
 * platform, beside make_cue_player()). */
std::filesystem::path program_folder();

/** The folder the cue files are kept in: <program folder>/sound. */
std::filesystem::path sound_folder(const std::filesystem::path& program_folder);

/** Where the cue's file lives: <program folder>/sound/<cue file name>. */
std::filesystem::path cue_path(const std::filesystem::path& program_folder, Cue cue);

} // namespace mossaline
