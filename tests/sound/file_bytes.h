#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace mossaline::test {

/** Writes bytes to a file, replacing it. */
void write_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

/** The whole file's bytes (empty if it cannot be read). */
std::vector<std::uint8_t> read_file(const std::filesystem::path& path);

/** A file of native-endian 16-bit samples, as SDL's disk audio driver writes them. */
std::vector<std::int16_t> read_raw_samples(const std::filesystem::path& path);

} // namespace mossaline::test
