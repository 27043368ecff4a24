#include "sound/cue_file.h"

#include <fstream>
#include <system_error>

#include "sound/cue_limits.h"

namespace mossaline {

std::optional<std::vector<std::uint8_t>> read_cue_file(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    // Asked before reading so a huge file costs one stat, not its size in memory.
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kMaxCueFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        return std::nullopt; // The file shrank between the size check and the read.
    }
    return bytes;
}

} // namespace mossaline
