#include "sound/wav_chunks.h"

#include <algorithm>
#include <string_view>

namespace mossaline {

namespace {

constexpr std::size_t kRiffHeader = 12;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFormatFields = 16;

bool tag_is(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
        [](char want, std::uint8_t got) { return static_cast<std::uint8_t>(want) == got; });
}

std::uint16_t little_endian_u16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t little_endian_u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8
        | static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

struct Chunks {
    std::optional<std::span<const std::uint8_t>> format; ///< The first "fmt " chunk before the data.
    std::span<const std::uint8_t> data;
};

// Walks the chunks up to the data chunk; nothing if the file is no RIFF/WAVE
// or its data chunk is missing or cut off.
std::optional<Chunks> find_chunks(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kRiffHeader || !tag_is(bytes, 0, "RIFF") || !tag_is(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    Chunks chunks;
    std::size_t at = kRiffHeader;
    while (bytes.size() - at >= kChunkHeader) {
        const std::uint64_t size = little_endian_u32(bytes, at + 4);
        const std::size_t body = at + kChunkHeader;
        if (tag_is(bytes, at, "data")) {
            if (size > bytes.size() - body) {
                return std::nullopt;
            }
            chunks.data = bytes.subspan(body, static_cast<std::size_t>(size));
            return chunks;
        }
        const std::uint64_t padded = size + (size & 1u); // Chunks are word aligned.
        if (padded > bytes.size() - body) {
            return std::nullopt;
        }
        if (tag_is(bytes, at, "fmt ") && !chunks.format) {
            chunks.format = bytes.subspan(body, static_cast<std::size_t>(size));
        }
        at = body + static_cast<std::size_t>(padded);
    }
    return std::nullopt;
}

} // namespace

// SDL quietly plays whatever part of a cut-off data chunk it finds. A cue
// cut short is a damaged install, and the default tone says so more
// honestly than half a sound, so the chunk sizes are checked here first.
bool has_complete_data_chunk(std::span<const std::uint8_t> bytes)
{
    return find_chunks(bytes).has_value();
}

std::optional<WavLayout> read_wav_layout(std::span<const std::uint8_t> bytes)
{
    const std::optional<Chunks> chunks = find_chunks(bytes);
    if (!chunks || !chunks->format || chunks->format->size() < kFormatFields) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> format = *chunks->format;
    WavLayout layout;
    layout.format_tag = little_endian_u16(format, 0);
    layout.channels = little_endian_u16(format, 2);
    layout.sample_rate = little_endian_u32(format, 4);
    layout.block_align = little_endian_u16(format, 12);
    layout.bits = little_endian_u16(format, 14);
    layout.data = chunks->data;
    return layout;
}

} // namespace mossaline
