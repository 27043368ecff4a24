// What the game asks of Linux and the other desktops SDL and PulseAudio serve.
#include "sound/make_cue_player.h"
#include "sound/sound_folder.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <system_error>

#include "sound/pulse_cue_player.h"
#include "sound/sdl_cue_player.h"

namespace mossaline {

namespace {

// A local server answers within a millisecond or two and a missing one at
// once; this only bounds the wait for a remote server that does not answer.
constexpr std::chrono::milliseconds kConnectLimit{500};

// Someone who names an SDL audio driver (dummy, disk, alsa ...) wants that
// driver, not the sound server.
bool sdl_driver_chosen()
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (driver == nullptr || *driver == '\0') {
        return false;
    }
    const std::string_view name(driver);
    return name != "pulseaudio" && name != "pulse" && name != "pipewire";
}

} // namespace

// The kernel names the running program in /proc, whichever link or
// folder it was started through.
std::filesystem::path program_folder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && self.has_parent_path()) {
        return self.parent_path();
    }
    // Where no platform call knows, the sounds are looked up where the game
    // was started, which is where most people start it from anyway.
    std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : here;
}

std::unique_ptr<CuePlayer> reach_sound_server(const std::filesystem::path& sound_folder)
{
    if (sdl_driver_chosen()) {
        return nullptr;
    }
    return PulseCuePlayer::connect(sound_folder, kConnectLimit);
}

std::unique_ptr<CuePlayer> make_local_cue_player(const std::filesystem::path& sound_folder)
{
    return std::make_unique<SdlCuePlayer>(sound_folder);
}

} // namespace mossaline
