// What the game asks of Linux and the other desktops SDL and PulseAudio serve.
#include "sound/make_cue_player.h"
#include "sound/sound_folder.h"

#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

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

struct SdlFree {
    void operator()(char* text) const { SDL_free(text); }
};

} // namespace

// SDL knows how to ask each platform (/proc on Linux, sysctl on the BSDs,
// the bundle on macOS ...) and needs no SDL_Init for it.
std::filesystem::path program_folder()
{
    const std::unique_ptr<char, SdlFree> base(SDL_GetBasePath());
    if (base != nullptr && *base != '\0') {
        std::filesystem::path folder(base.get());
        // SDL ends the folder with a separator; without it parent_path() and
        // comparisons treat the folder as the folder itself.
        return folder.has_filename() ? folder : folder.parent_path();
    }
    // Where no platform call knows, the sounds are looked up where the game
    // was started, which is where most people start it from anyway.
    std::error_code error;
    std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : here;
}

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
