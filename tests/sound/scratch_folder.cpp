#include "scratch_folder.h"

#include <unistd.h>

#include <system_error>

namespace mossaline::test {

// The process id keeps tests that ctest runs side by side out of each other's way.
ScratchFolder::ScratchFolder(const std::string& label)
    : path_(std::filesystem::temp_directory_path() / ("mossaline_sound_" + label + "_" + std::to_string(::getpid())))
{
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace mossaline::test
