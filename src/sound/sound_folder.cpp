#include "sound/sound_folder.h"

#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

#include <memory>
#include <system_error>

namespace mossaline {

namespace {

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

std::filesystem::path sound_folder(const std::filesystem::path& program_folder)
{
    return program_folder / "sound";
}

std::filesystem::path cue_path(const std::filesystem::path& program_folder, Cue cue)
{
    return sound_folder(program_folder) / cue_file_name(cue);
}

} // namespace mossaline
