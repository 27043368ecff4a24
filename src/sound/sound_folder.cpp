#include "sound/sound_folder.h"

#include <system_error>

namespace mossaline {

std::filesystem::path program_folder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) {
        return program.parent_path();
    }
    // Without /proc (or with a restricted one) the sounds are looked up where
    // the game was started, which is where most people start it from anyway.
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
