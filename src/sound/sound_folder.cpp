#include "sound/sound_folder.h"

namespace mossaline {

std::filesystem::path sound_folder(const std::filesystem::path& program_folder)
{
    return program_folder / "sound";
}

std::filesystem::path cue_path(const std::filesystem::path& program_folder, Cue cue)
{
    return sound_folder(program_folder) / cue_file_name(cue);
}

} // namespace mossaline
