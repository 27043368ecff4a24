#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace mossaline {

/** The file's bytes, or nothing if it is missing, unreadable or larger than kMaxCueFileBytes. */
std::optional<std::vector<std::uint8_t>> read_cue_file(const std::filesystem::path& path);

} // namespace mossaline
