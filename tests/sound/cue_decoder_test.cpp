#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "mapped_libraries.h"
#include "sound/cue.h"
#include "sound/cue_decoder.h"
#include "sound/cue_limits.h"
#include "wav_bytes.h"

namespace mossaline {
namespace {

constexpr PcmFormat kMono44k{44100, 1};

std::vector<std::int16_t> ramp(std::size_t count)
{
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<int>(i * 37 % 20000) - 10000);
    }
    return samples;
}

TEST(CueDecoderTest, PassesSamplesInTheTargetFormatThroughUnchanged)
{
    const std::vector<std::int16_t> samples = ramp(4410);
    const auto decoded = decode_cue(test::make_wav16({}, samples), kMono44k);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, samples);
}

TEST(CueDecoderTest, ConvertsRateChannelsAndSampleTypeToTheTarget)
{
    // 0.1 s of 8-bit stereo at 22050 Hz, held at +half scale (unsigned 8-bit: 192).
    const std::vector<std::uint8_t> held(2 * 2205, 192);
    const auto decoded = decode_cue(test::make_wav({1, 2, 22050, 8}, held), kMono44k);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_NEAR(static_cast<double>(decoded->size()), 4410.0, 44.0);
    EXPECT_NEAR((*decoded)[decoded->size() / 2], 16384, 300);

    // 0.05 s of 32-bit float mono at 48 kHz, held at -quarter scale, to stereo.
    std::vector<std::uint8_t> floats(2400 * sizeof(float));
    for (std::size_t i = 0; i < 2400; ++i) {
        const float value = -0.25f;
        std::memcpy(floats.data() + i * sizeof(float), &value, sizeof(float));
    }
    const auto stereo = decode_cue(test::make_wav({3, 1, 48000, 32}, floats), {44100, 2});
    ASSERT_TRUE(stereo.has_value());
    EXPECT_NEAR(static_cast<double>(stereo->size()), 2.0 * 2205.0, 2.0 * 22.0);
    const std::size_t middle = stereo->size() / 4 * 2;
    EXPECT_NEAR((*stereo)[middle], -8192, 200);
    EXPECT_EQ((*stereo)[middle], (*stereo)[middle + 1]);
}

TEST(CueDecoderTest, DecodesEveryGeneratedCueToItsFullLength)
{
    for (Cue cue : kAllCues) {
        SCOPED_TRACE(std::string(cue_file_name(cue)));
        const std::vector<std::uint8_t> bytes
            = test::read_file(std::filesystem::path(MOSSALINE_TEST_SOUND_DIR) / cue_file_name(cue));
        const auto info = test::read_wav_info(bytes);
        ASSERT_TRUE(info.has_value());
        const auto decoded = decode_cue(bytes, kMono44k);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->size(), info->data_bytes / 2);
        EXPECT_EQ(*decoded, test::wav16_samples(bytes, *info));
    }
}

bool sdl_loaded()
{
    return test::library_mapped("libSDL2");
}

// SDL and the libraries it pulls in cost a start-up several milliseconds, so
// the game's own cues must be read without it; other files still reach it.
TEST(CueDecoderTest, ReadsTheGamesOwnCuesWithoutLoadingSdl)
{
    if (sdl_loaded()) {
        GTEST_SKIP() << "an earlier test in this process loaded SDL";
    }
    for (Cue cue : kAllCues) {
        EXPECT_TRUE(
            decode_cue(test::read_file(std::filesystem::path(MOSSALINE_TEST_SOUND_DIR) / cue_file_name(cue)), kMono44k)
                .has_value());
    }
    EXPECT_FALSE(sdl_loaded());

    const std::vector<std::uint8_t> eight_bit(441, 128);
    EXPECT_TRUE(decode_cue(test::make_wav({1, 1, 44100, 8}, eight_bit), kMono44k).has_value());
    EXPECT_TRUE(sdl_loaded());
}

TEST(CueDecoderTest, AcceptsChunksBeforeTheDataAndSoundsUpToTheLengthLimit)
{
    std::vector<std::uint8_t> with_list = test::make_wav16({}, ramp(100));
    // Insert an odd-sized LIST chunk (padded to even) between "fmt " and "data".
    const std::vector<std::uint8_t> list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    with_list.insert(with_list.begin() + 36, list.begin(), list.end());
    const std::size_t riff_size = with_list.size() - 8;
    for (std::size_t i = 0; i < 4; ++i) {
        with_list[4 + i] = static_cast<std::uint8_t>(riff_size >> (8 * i));
    }
    const auto decoded = decode_cue(with_list, kMono44k);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, ramp(100));

    const std::vector<std::uint8_t> ten_seconds(8000 * kMaxCueSeconds, 128);
    EXPECT_TRUE(decode_cue(test::make_wav({1, 1, 8000, 8}, ten_seconds), kMono44k).has_value());
}

TEST(CueDecoderTest, RefusesWhatIsNotACompleteUsableSound)
{
    const std::vector<std::uint8_t> good = test::make_wav16({}, ramp(4410));
    ASSERT_TRUE(decode_cue(good, kMono44k).has_value());

    EXPECT_FALSE(decode_cue({}, kMono44k).has_value()) << "empty";

    std::vector<std::uint8_t> garbage(4096);
    std::uint32_t state = 12345;
    for (std::uint8_t& byte : garbage) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    EXPECT_FALSE(decode_cue(garbage, kMono44k).has_value()) << "garbage";

    const std::vector<std::uint8_t> cut_in_header(good.begin(), good.begin() + 30);
    EXPECT_FALSE(decode_cue(cut_in_header, kMono44k).has_value()) << "cut inside the header";

    const std::vector<std::uint8_t> cut_in_data(good.begin(), good.end() - 1000);
    EXPECT_FALSE(decode_cue(cut_in_data, kMono44k).has_value()) << "cut inside the data";

    const std::vector<std::uint8_t> no_samples = test::make_wav({}, {});
    EXPECT_FALSE(decode_cue(no_samples, kMono44k).has_value()) << "no samples";

    // SDL reads WAVs of up to 255 channels but converts at most eight.
    const std::vector<std::uint8_t> twelve_channels(12 * 2 * 441, 0);
    EXPECT_FALSE(decode_cue(test::make_wav({1, 12, 44100, 16}, twelve_channels), kMono44k).has_value())
        << "unconvertible";

    const std::vector<std::uint8_t> too_long(8000 * kMaxCueSeconds + 8000, 128);
    EXPECT_FALSE(decode_cue(test::make_wav({1, 1, 8000, 8}, too_long), kMono44k).has_value())
        << "longer than the cue limit";

    // A short valid sound dragging a huge trailing chunk: refused on size alone.
    std::vector<std::uint8_t> too_big = good;
    too_big.resize(kMaxCueFileBytes + 1, 0);
    EXPECT_FALSE(decode_cue(too_big, kMono44k).has_value()) << "over the size limit";

    EXPECT_FALSE(decode_cue(good, {44100, 0}).has_value()) << "no target channels";
    EXPECT_FALSE(decode_cue(good, {0, 1}).has_value()) << "no target rate";
}

} // namespace
} // namespace mossaline
