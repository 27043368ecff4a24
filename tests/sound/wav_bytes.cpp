#include "wav_bytes.h"

#include <algorithm>
#include <string_view>

namespace mossaline::test {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void put_tag(std::vector<std::uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

std::uint32_t get(std::span<const std::uint8_t> bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= static_cast<std::uint32_t>(bytes[at + static_cast<std::size_t>(i)]) << (8 * i);
    }
    return value;
}

bool tag_at(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
        [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

} // namespace

std::vector<std::uint8_t> make_wav(const WavFormat& format, std::span<const std::uint8_t> data)
{
    const std::uint32_t block = format.channels * ((format.bits + 7u) / 8u);
    std::vector<std::uint8_t> out;
    put_tag(out, "RIFF");
    put(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put(out, 16, 4);
    put(out, format.format_tag, 2);
    put(out, format.channels, 2);
    put(out, format.sample_rate, 4);
    put(out, format.sample_rate * block, 4);
    put(out, block, 2);
    put(out, format.bits, 2);
    put_tag(out, "data");
    put(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<std::uint8_t> make_wav16(const WavFormat& format, std::span<const std::int16_t> samples)
{
    std::vector<std::uint8_t> data;
    for (std::int16_t sample : samples) {
        put(data, static_cast<std::uint16_t>(sample), 2);
    }
    return make_wav(format, data);
}

std::optional<WavInfo> read_wav_info(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 12 || !tag_at(bytes, 0, "RIFF") || !tag_at(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    WavInfo info;
    bool have_format = false;
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::size_t size = get(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            return std::nullopt;
        }
        if (tag_at(bytes, at, "fmt ") && size >= 16) {
            info.format.format_tag = static_cast<std::uint16_t>(get(bytes, body, 2));
            info.format.channels = static_cast<std::uint16_t>(get(bytes, body + 2, 2));
            info.format.sample_rate = get(bytes, body + 4, 4);
            info.format.bits = static_cast<std::uint16_t>(get(bytes, body + 14, 2));
            have_format = true;
        } else if (tag_at(bytes, at, "data")) {
            info.data_offset = body;
            info.data_bytes = size;
            return have_format ? std::optional<WavInfo>(info) : std::nullopt;
        }
        at = body + size + (size & 1u);
        if (at > bytes.size()) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<std::int16_t> wav16_samples(std::span<const std::uint8_t> bytes, const WavInfo& info)
{
    std::vector<std::int16_t> samples;
    for (std::size_t at = info.data_offset; at + 1 < info.data_offset + info.data_bytes; at += 2) {
        samples.push_back(static_cast<std::int16_t>(get(bytes, at, 2)));
    }
    return samples;
}

} // namespace mossaline::test
