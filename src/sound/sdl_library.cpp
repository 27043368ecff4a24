#include "sound/sdl_library.h"

#include <dlfcn.h>

#include <optional>

namespace mossaline {

namespace {

// The run-time name of SDL 2, the one its Debian package installs.
constexpr const char* kSoname = "libSDL2-2.0.so.0";

template <typename Function> bool find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<SdlLibrary> open_sdl()
{
    // Never closed: SDL keeps threads and handlers of its own once started.
    void* library = dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    SdlLibrary sdl{};
    const bool complete = find(library, "SDL_GetError", sdl.GetError) && find(library, "SDL_SetHint", sdl.SetHint)
        && find(library, "SDL_InitSubSystem", sdl.InitSubSystem)
        && find(library, "SDL_QuitSubSystem", sdl.QuitSubSystem)
        && find(library, "SDL_RWFromConstMem", sdl.RWFromConstMem) && find(library, "SDL_LoadWAV_RW", sdl.LoadWAV_RW)
        && find(library, "SDL_FreeWAV", sdl.FreeWAV) && find(library, "SDL_BuildAudioCVT", sdl.BuildAudioCVT)
        && find(library, "SDL_ConvertAudio", sdl.ConvertAudio)
        && find(library, "SDL_OpenAudioDevice", sdl.OpenAudioDevice)
        && find(library, "SDL_CloseAudioDevice", sdl.CloseAudioDevice)
        && find(library, "SDL_PauseAudioDevice", sdl.PauseAudioDevice)
        && find(library, "SDL_QueueAudio", sdl.QueueAudio)
        && find(library, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio)
        && find(library, "SDL_GetQueuedAudioSize", sdl.GetQueuedAudioSize);
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
