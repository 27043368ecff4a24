#include "sound/wav_chunks.h"

#include <algorithm>
#include <string_view>

namespace mossaline {

namespace {

bool tag_is(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
        [](char want, std::uint8_t got) { return static_cast<std::uint8_t>(want) == got; });
}

std::uint32_t little_endian_u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8
        | static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

// SDL quietly plays whatever part of a cut-off data chunk it finds. A cue
// cut short is a damaged install, and the default tone says so more
// honestly than half a sound, so the chunk sizes are checked here first.
bool has_complete_data_chunk(std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kRiffHeader = 12;
    constexpr std::size_t kChunkHeader = 8;
    if (bytes.size() < kRiffHeader || !tag_is(bytes, 0, "RIFF") || !tag_is(bytes, 8, "WAVE")) {
        return false;
    }
    std::size_t at = kRiffHeader;
    while (bytes.size() - at >= kChunkHeader) {
        const std::uint64_t size = little_endian_u32(bytes, at + 4);
        const std::size_t body = at + kChunkHeader;
        if (tag_is(bytes, at, "data")) {
            return size <= bytes.size() - body;
        }
        const std::uint64_t padded = size + (size & 1u); // Chunks are word aligned.
        if (padded > bytes.size() - body) {
            return false;
        }
        at = body + static_cast<std::size_t>(padded);
    }
    return false;
}

} // namespace mossaline
