#include "sound/sdl_library.h"

#include <optional>

#include "sound/run_time_library.h"

namespace mossaline {

namespace {

// The run-time name of SDL 2, the one its Debian package installs.
constexpr const char* kSoname = "libSDL2-2.0.so.0";

std::optional<SdlLibrary> open_sdl()
{
    // Never closed: SDL keeps threads and handlers of its own once started.
    void* library = open_for_good(kSoname);
    if (library == nullptr) {
        return std::nullopt;
    }
    SdlLibrary sdl{};
    const bool complete = bind(library, "SDL_GetError", sdl.GetError) && bind(library, "SDL_SetHint", sdl.SetHint)
        && bind(library, "SDL_InitSubSystem", sdl.InitSubSystem)
        && bind(library, "SDL_QuitSubSystem", sdl.QuitSubSystem)
        && bind(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) && bind(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW)
        && bind(library, "SDL_FreeWAV", sdl.FreeWAV) && bind(library, "SDL_BuildAudioCVT", sdl.BuildAudioCVT)
        && bind(library, "SDL_ConvertAudio", sdl.ConvertAudio)
        && bind(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice)
        && bind(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice)
        && bind(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice)
        && bind(library, "SDL_QueueAudio", sdl.QueueAudio)
        && bind(library, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio)
        && bind(library, "SDL_GetQueuedAudioSize", sdl.GetQueuedAudioSize);
    if (!complete) {
        return std::nullopt;
    }
    return sdl;
}

} // namespace

const SdlLibrary* sdl_library()
{
    static const std::optional<SdlLibrary> sdl = open_sdl();
    return sdl ? &*sdl : nullptr;
}

} // namespace mossaline
