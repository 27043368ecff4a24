#include "sound/make_cue_player.h"

#include <chrono>
#include <cstdlib>
#include <string_view>

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

std::unique_ptr<CuePlayer> make_cue_player(const std::filesystem::path& sound_folder)
{
    if (!sdl_driver_chosen()) {
        if (std::unique_ptr<PulseCuePlayer> player = PulseCuePlayer::connect(sound_folder, kConnectLimit)) {
            return player;
        }
    }
    return std::make_unique<SdlCuePlayer>(sound_folder);
}

} // namespace mossaline
