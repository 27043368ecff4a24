#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "scoped_env.h"
#include "scratch_folder.h"
#include "sound/cue_decoder.h"
#include "sound/cue_limits.h"
#include "sound/default_tone.h"
#include "sound/sdl_cue_player.h"
#include "wav_bytes.h"

namespace mossaline {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

const std::filesystem::path kGenerated(MOSSALINE_TEST_SOUND_DIR);

std::vector<std::int16_t> decoded_cue(Cue cue)
{
    const auto decoded = decode_cue(test::read_file(kGenerated / cue_file_name(cue)), SdlCuePlayer::kFormat);
    return decoded.value_or(std::vector<std::int16_t>{});
}

double seconds_of(const std::vector<std::int16_t>& samples)
{
    return static_cast<double>(samples.size()) / (SdlCuePlayer::kFormat.sample_rate * SdlCuePlayer::kFormat.channels);
}

std::size_t first_sound(std::span<const std::int16_t> samples)
{
    return static_cast<std::size_t>(
        std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; }) - samples.begin());
}

// The device output must be the expected sound, sample for sample, with
// nothing but silence before and after it.
::testing::AssertionResult played_exactly(std::span<const std::int16_t> output, std::span<const std::int16_t> expected)
{
    const std::size_t out_start = first_sound(output);
    const std::size_t expected_start = first_sound(expected);
    if (expected_start == expected.size()) {
        return ::testing::AssertionFailure() << "the expected sound is silent";
    }
    const std::size_t length = expected.size() - expected_start;
    if (out_start + length > output.size()) {
        return ::testing::AssertionFailure() << "device got " << output.size() - std::min(out_start, output.size())
                                             << " samples from the first sound on, expected " << length;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (output[out_start + i] != expected[expected_start + i]) {
            return ::testing::AssertionFailure()
                << "sample " << i << " differs: " << output[out_start + i] << " vs " << expected[expected_start + i];
        }
    }
    const auto rest = output.subspan(out_start + length);
    if (first_sound(rest) != rest.size()) {
        return ::testing::AssertionFailure() << "more sound after the cue, at +" << first_sound(rest);
    }
    return ::testing::AssertionSuccess();
}

// Plays one cue from `folder` through SDL's disk driver and returns what the device wrote.
std::vector<std::int16_t> play_to_disk(
    const std::filesystem::path& folder, Cue cue, const std::filesystem::path& output)
{
    const test::ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    const test::ScopedEnv file("SDL_DISKAUDIOFILE", output.string());
    {
        SdlCuePlayer player(folder);
        EXPECT_TRUE(player.has_device());
        player.play(cue);
    } // Closing the device flushes the file.
    return test::read_raw_samples(output);
}

TEST(SdlCuePlayerTest, PlaybackBlocksForAboutTheSoundsLength)
{
    const test::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    const double length = seconds_of(decoded_cue(Cue::ChimeUp));
    ASSERT_GT(length, 0.2);

    int queued = 0;
    SdlCuePlayer player(kGenerated, [&queued] { ++queued; });
    ASSERT_TRUE(player.has_device());
    const Clock::time_point start = Clock::now();
    player.play(Cue::ChimeUp);
    const double took = Seconds(Clock::now() - start).count();
    EXPECT_GE(took, 0.9 * length);
    EXPECT_LT(took, length + 0.4);
    EXPECT_EQ(queued, 1) << "the samples go to the device in one piece";
}

TEST(SdlCuePlayerTest, DeviceReceivesTheCuesOwnSamples)
{
    const test::ScratchFolder scratch("player_own_samples");
    for (Cue cue : {Cue::Gain, Cue::Bird}) {
        SCOPED_TRACE(std::string(cue_file_name(cue)));
        const std::vector<std::int16_t> output
            = play_to_disk(kGenerated, cue, scratch.path() / (std::string(cue_file_name(cue)) + ".raw"));
        EXPECT_TRUE(played_exactly(output, decoded_cue(cue)));
    }
}

TEST(SdlCuePlayerTest, UnusableFilesPlayTheDefaultToneInstead)
{
    const test::ScratchFolder scratch("player_default_tone");
    const std::filesystem::path sounds = scratch.path() / "sound";
    std::filesystem::create_directories(sounds);

    const std::vector<std::int16_t> short_sound(4410, 1000);
    const std::vector<std::uint8_t> good = test::make_wav16({}, short_sound);
    test::write_file(sounds / cue_file_name(Cue::Gain), std::vector<std::uint8_t>(500, 0x5a));
    test::write_file(sounds / cue_file_name(Cue::Loss), std::vector<std::uint8_t>(good.begin(), good.end() - 100));
    test::write_file(sounds / cue_file_name(Cue::Normal),
        test::make_wav({1, 12, 44100, 16}, std::vector<std::uint8_t>(12 * 2 * 4410, 0)));
    test::write_file(sounds / cue_file_name(Cue::RingIn), good);
    std::filesystem::resize_file(sounds / cue_file_name(Cue::RingIn), kMaxCueFileBytes + 1);
    test::write_file(sounds / cue_file_name(Cue::Bird),
        test::make_wav({1, 1, 8000, 8}, std::vector<std::uint8_t>(8000 * (kMaxCueSeconds + 1), 128)));
    // Cue::Yahoo has no file at all.

    const std::vector<std::int16_t> tone = default_tone(SdlCuePlayer::kFormat);
    for (Cue cue : {Cue::Gain, Cue::Loss, Cue::Normal, Cue::RingIn, Cue::Bird, Cue::Yahoo}) {
        SCOPED_TRACE(std::string(cue_file_name(cue)));
        const std::vector<std::int16_t> output
            = play_to_disk(sounds, cue, scratch.path() / (std::string(cue_file_name(cue)) + ".raw"));
        EXPECT_TRUE(played_exactly(output, tone));
    }
}

TEST(SdlCuePlayerTest, WithoutADeviceEveryCueIsSkippedAtOnce)
{
    const test::ScopedEnv driver("SDL_AUDIODRIVER", "no_such_audio_driver");
    double total_length = 0.0;
    for (Cue cue : kAllCues) {
        total_length += seconds_of(decoded_cue(cue));
    }
    ASSERT_GT(total_length, 1.5);

    int queued = 0;
    SdlCuePlayer player(kGenerated, [&queued] { ++queued; });
    EXPECT_FALSE(player.has_device());
    const Clock::time_point start = Clock::now();
    for (Cue cue : kAllCues) {
        player.play(cue);
    }
    EXPECT_LT(Seconds(Clock::now() - start).count(), total_length / 4);
    EXPECT_EQ(queued, 0);
}

} // namespace
} // namespace mossaline
