#include "wav_writer.h"

#include <fstream>
#include <string_view>
#include <vector>

namespace mossaline {

namespace {

// WAV is little-endian whatever the machine, so every field is laid out by hand.
class LittleEndianBytes {
public:
    void tag(std::string_view four) { bytes_.insert(bytes_.end(), four.begin(), four.end()); }
    void u16(std::uint32_t value) { put(value, 2); }
    void u32(std::uint32_t value) { put(value, 4); }
    const std::vector<char>& bytes() const { return bytes_; }

private:
    void put(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i) {
            bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
        }
    }
    std::vector<char> bytes_;
};

} // namespace

bool write_wav(const std::filesystem::path& path, std::span<const std::int16_t> samples, int sample_rate)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    constexpr std::uint32_t kPcm = 1;
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sample_rate);

    LittleEndianBytes out;
    out.tag("RIFF");
    out.u32(36 + data_bytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(kPcm);
    out.u16(kChannels);
    out.u32(rate);
    out.u32(rate * kChannels * kBytesPerSample);
    out.u16(kChannels * kBytesPerSample);
    out.u16(8 * kBytesPerSample);
    out.tag("data");
    out.u32(data_bytes);
    for (std::int16_t sample : samples) {
        out.u16(static_cast<std::uint16_t>(sample));
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.bytes().data(), static_cast<std::streamsize>(out.bytes().size()));
    return static_cast<bool>(file.flush());
}

} // namespace mossaline
