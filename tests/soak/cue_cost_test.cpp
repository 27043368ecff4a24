#include "sdl_allocation_meter.h"

#include "sound/cue_decoder.h"
#include "sound/cue_limits.h"
#include "sound/sdl_cue_player.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mossaline::testing {
namespace {

namespace meter = sdl_allocation_meter;

// One cue may cost a small multiple of the largest file read: a copy of the file, its
// samples unpacked (4-bit ADPCM grows four times into 16-bit) and the converted result.
constexpr std::size_t kCostBound = 6 * kMaxCueFileBytes;
// What a refused header alone may cost: SDL's bookkeeping, never the length it declares.
constexpr std::size_t kHeaderBound = 256 * 1024;

constexpr PcmFormat kPlayer = SdlCuePlayer::kFormat;
constexpr std::size_t kLongestOutput
    = static_cast<std::size_t>(kMaxCueSeconds) * static_cast<std::size_t>(kPlayer.sample_rate * kPlayer.channels);

void put16(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    put16(bytes, value & 0xFFFFu);
    put16(bytes, value >> 16);
}

void put_tag(std::vector<std::uint8_t>& bytes, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

struct Format {
    std::uint16_t tag = 1; // 1 integer PCM, 0x11 IMA ADPCM
    std::uint16_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint16_t bits = 16;
    std::uint16_t block_align = 0; // 0: whole frames of `bits`
    std::uint16_t samples_per_block = 0; // ADPCM only
};

// A RIFF/WAVE file: "fmt ", an optional "fact" sample count, then a "data" chunk whose header
// says `declared` bytes while `present` bytes follow.
std::vector<std::uint8_t> wav(const Format& format, std::uint32_t declared, std::size_t present, std::uint8_t fill = 0,
    std::optional<std::uint32_t> fact = std::nullopt, std::optional<std::uint32_t> riff_size = std::nullopt)
{
    const bool adpcm = format.tag != 1;
    const std::uint16_t align
        = format.block_align != 0 ? format.block_align : static_cast<std::uint16_t>(format.channels * format.bits / 8);
    std::vector<std::uint8_t> bytes;
    put_tag(bytes, "RIFF");
    put32(bytes, 0); // patched below
    put_tag(bytes, "WAVE");
    put_tag(bytes, "fmt ");
    put32(bytes, adpcm ? 20 : 16);
    put16(bytes, format.tag);
    put16(bytes, format.channels);
    put32(bytes, format.rate);
    const std::uint64_t frames_per_block = adpcm ? format.samples_per_block : 1;
    put32(bytes, static_cast<std::uint32_t>(static_cast<std::uint64_t>(format.rate) * align / frames_per_block));
    put16(bytes, align);
    put16(bytes, format.bits);
    if (adpcm) {
        put16(bytes, 2);
        put16(bytes, format.samples_per_block);
    }
    if (fact) {
        put_tag(bytes, "fact");
        put32(bytes, 4);
        put32(bytes, *fact);
    }
    put_tag(bytes, "data");
    put32(bytes, declared);
    bytes.resize(bytes.size() + present, fill);
    const std::uint32_t size = riff_size.value_or(static_cast<std::uint32_t>(bytes.size() - 8));
    for (int i = 0; i < 4; ++i)
        bytes[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    return bytes;
}

struct Cost {
    std::optional<std::vector<std::int16_t>> samples;
    std::size_t peak = 0;
};

Cost decode_metered(const std::vector<std::uint8_t>& bytes)
{
    meter::reset_peak();
    const std::size_t before = meter::held_bytes();
    Cost cost;
    cost.samples = decode_cue(bytes, kPlayer);
    cost.peak = meter::peak_bytes() - before;
    EXPECT_EQ(meter::held_bytes(), before) << "SDL kept memory after the cue was decoded";
    return cost;
}

class CueCost : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(meter::install()) << "SDL allocated before the meter was in place";
        // SDL makes its error message buffer once per thread, on the first error; made here,
        // it is not counted against the first cue that fails.
        SDL_ClearError();
    }
};

TEST_F(CueCost, AHeaderThatDeclaresHoursIsRefusedForTheCostOfItsOwnBytes)
{
    const Format stereo{.channels = 2};
    // About six and a half hours of CD-quality stereo, declared in front of one second of it.
    const Cost lying_data = decode_metered(wav(stereo, 0xFFFFFFF0u, 4 * 44100));
    EXPECT_FALSE(lying_data.samples.has_value());
    EXPECT_LT(lying_data.peak, kHeaderBound);

    // Declared length just past the file, and one hour exactly.
    EXPECT_FALSE(decode_metered(wav(stereo, 4 * 44100 + 2, 4 * 44100)).samples.has_value());
    const Cost one_hour = decode_metered(wav(stereo, 3600u * 4 * 44100, 1000));
    EXPECT_FALSE(one_hour.samples.has_value());
    EXPECT_LT(one_hour.peak, kHeaderBound);

    // A slow rate turns a kilobyte into a quarter of an hour of sound: refused, not sat through.
    const Cost slow = decode_metered(wav({.rate = 1, .bits = 8}, 1000, 1000, 128));
    EXPECT_FALSE(slow.samples.has_value());
    EXPECT_LT(slow.peak, kHeaderBound);

    // Sizes in the RIFF header and a "fact" count claiming four billion samples cost nothing
    // either, whatever SDL makes of them.
    const Format ima{.tag = 0x11, .rate = 8000, .bits = 4, .block_align = 256, .samples_per_block = 505};
    for (const auto& bytes :
        {wav({}, 4410, 4410, 0, std::nullopt, 0xFFFFFFFFu), wav(ima, 1024, 1024, 0, 0xFFFFFFFFu)}) {
        const Cost cost = decode_metered(bytes);
        EXPECT_LT(cost.peak, kHeaderBound);
        if (cost.samples) {
            EXPECT_LE(cost.samples->size(), kLongestOutput);
        }
    }
}

TEST_F(CueCost, ACompressedCueThatUnpacksPastTheLengthLimitIsRefusedInBoundedMemory)
{
    // 4-bit IMA ADPCM: 256-byte blocks of 505 samples. All-zero blocks are valid silence.
    const Format ima{.tag = 0x11, .rate = 8000, .bits = 4, .block_align = 256, .samples_per_block = 505};

    // Just inside the limit: 158 blocks are 79 790 samples, under ten seconds at 8 kHz.
    const Cost inside = decode_metered(wav(ima, 158 * 256, 158 * 256));
    ASSERT_TRUE(inside.samples.has_value());
    EXPECT_NEAR(static_cast<double>(inside.samples->size()), 79790.0 * 44100 / 8000, 441.0);

    // The largest file read, unpacking to over half an hour at 8 kHz.
    const std::uint32_t blocks = static_cast<std::uint32_t>((kMaxCueFileBytes - 64) / 256);
    const std::vector<std::uint8_t> largest = wav(ima, blocks * 256, blocks * 256);
    ASSERT_LE(largest.size(), kMaxCueFileBytes);
    const Cost past = decode_metered(largest);
    EXPECT_FALSE(past.samples.has_value());
    EXPECT_LT(past.peak, kCostBound);
}

TEST_F(CueCost, NoAcceptedCueOutlastsTheLengthLimitAtAnySampleRate)
{
    for (const std::uint32_t rate : {1u, 3u, 8000u, 44100u, 96000u, 384000u, 1000000u, 48000000u, 2147483647u}) {
        for (const std::uint16_t channels : {std::uint16_t{1}, std::uint16_t{8}}) {
            SCOPED_TRACE("rate " + std::to_string(rate) + ", channels " + std::to_string(channels));
            // As much 8-bit sound as the limits allow, and a little more than the length limit.
            const std::uint64_t longest = static_cast<std::uint64_t>(rate) * kMaxCueSeconds * channels;
            const std::uint64_t room = (kMaxCueFileBytes - 64) / channels * channels;
            for (const std::uint64_t bytes : {std::min(longest, room), std::min(longest + rate * channels, room)}) {
                const Cost cost = decode_metered(wav(
                    {.channels = channels, .rate = rate, .bits = 8}, static_cast<std::uint32_t>(bytes), bytes, 128));
                EXPECT_LT(cost.peak, kCostBound);
                if (cost.samples) {
                    EXPECT_FALSE(cost.samples->empty());
                    // The resampler may round up by a frame or so.
                    EXPECT_LE(cost.samples->size(), kLongestOutput + 64) << bytes << " bytes";
                }
            }
        }
    }
}

} // namespace
} // namespace mossaline::testing
