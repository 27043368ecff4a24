#pragma once

#include <filesystem>
#include <memory>

#include "sound/cue_player.h"

namespace mossaline {

/** A player straight to the desktop's sound server, or null where none answers or another player is asked
 * for (Linux: an SDL driver named in SDL_AUDIODRIVER; Windows: always null). It only opens a library and a
 * socket, so it may be made on a thread of its own while the toolkit starts. One definition per platform. */
std::unique_ptr<CuePlayer> reach_sound_server(const std::filesystem::path& sound_folder);

/** The player that needs no sound server: SDL on Linux (silent, with one line on stderr, without a device),
 * the platform's own synchronous call on Windows. Starting SDL brings up D-Bus, which may fork to start a
 * bus: make it on the main thread, never beside the toolkit's start-up. One definition per platform. */
std::unique_ptr<CuePlayer> make_local_cue_player(const std::filesystem::path& sound_folder);

/** The cue player for this desktop, playing the files in `sound_folder`: the sound server's when one
 * answers, the local one otherwise. */
std::unique_ptr<CuePlayer> make_cue_player(const std::filesystem::path& sound_folder);

} // namespace mossaline
