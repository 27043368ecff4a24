// What the game asks of Windows: its own folder and its own sound call.
#include "sound/make_cue_player.h"
#include "sound/sound_folder.h"
#include "sound/winmm_cue_player.h"

#include <windows.h>

#include <string>
#include <system_error>

namespace mossaline {

std::filesystem::path program_folder()
{
    // Long paths exceed MAX_PATH; the call says so by filling the buffer to the brim.
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (length == 0) {
            break;
        }
        if (length < module.size()) {
            module.resize(length);
            return std::filesystem::path(module).parent_path();
        }
        module.resize(module.size() * 2);
    }
    std::error_code error;
    std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : here;
}

// The platform's call reaches the sound service itself; there is nothing to connect to beforehand.
std::unique_ptr<CuePlayer> reach_sound_server(const std::filesystem::path& /*sound_folder*/)
{
    return nullptr;
}

std::unique_ptr<CuePlayer> make_local_cue_player(const std::filesystem::path& sound_folder)
{
    return std::make_unique<WinmmCuePlayer>(sound_folder);
}

} // namespace mossaline
