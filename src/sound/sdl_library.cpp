#include "sound/sdl_library.h"

#include "sound/run_time_library.h"

namespace mossaline {

const SdlLibrary* sdl_library()
{
    // The run-time name of SDL 2, the one its Debian package installs.
    return functions_of<SdlLibrary>("libSDL2-2.0.so.0", [](void* library, SdlLibrary& sdl) {
#define MOSSALINE_BIND(name) bind(library, "SDL_" #name, sdl.name)
        return MOSSALINE_BIND(GetError) && MOSSALINE_BIND(SetHint) && MOSSALINE_BIND(InitSubSystem)
            && MOSSALINE_BIND(QuitSubSystem) && MOSSALINE_BIND(RWFromConstMem) && MOSSALINE_BIND(LoadWAV_RW)
            && MOSSALINE_BIND(FreeWAV) && MOSSALINE_BIND(BuildAudioCVT) && MOSSALINE_BIND(ConvertAudio)
            && MOSSALINE_BIND(OpenAudioDevice) && MOSSALINE_BIND(CloseAudioDevice) && MOSSALINE_BIND(PauseAudioDevice)
            && MOSSALINE_BIND(QueueAudio) && MOSSALINE_BIND(ClearQueuedAudio) && MOSSALINE_BIND(GetQueuedAudioSize);
#undef MOSSALINE_BIND
    });
}

} // namespace mossaline
