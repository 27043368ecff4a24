#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "scratch_folder.h"
#include "sound/cue.h"
#include "wav_bytes.h"

namespace mossaline {
namespace {

const std::filesystem::path kGenerated(MOSSALINE_TEST_SOUND_DIR);

// Every cue holds the window while it plays: move sounds come with every
// move and must never hold play up, the start cue comes before the window
// shows, EXIT and the cheer keep the player waiting; the rest are bounded
// together below.
double longest_allowed(Cue cue)
{
    switch (cue) {
    case Cue::Gain:
    case Cue::Loss:
    case Cue::Normal:
        return 0.150;
    case Cue::ChimeUp:
        return 0.250;
    case Cue::Bird:
        return 0.300;
    case Cue::Yahoo:
        return 0.600;
    default:
        return 0.500;
    }
}

double seconds_of(Cue cue)
{
    const std::vector<std::uint8_t> bytes = test::read_file(kGenerated / cue_file_name(cue));
    const auto info = test::read_wav_info(bytes);
    return info ? static_cast<double>(test::wav16_samples(bytes, *info).size()) / info->format.sample_rate : 0.0;
}

TEST(GeneratedSoundsTest, EveryCueIsShortMono16BitPcmWithSoftEdges)
{
    for (Cue cue : kAllCues) {
        SCOPED_TRACE(std::string(cue_file_name(cue)));
        const std::vector<std::uint8_t> bytes = test::read_file(kGenerated / cue_file_name(cue));
        const auto info = test::read_wav_info(bytes);
        ASSERT_TRUE(info.has_value()) << "not a complete WAV file";
        EXPECT_EQ(info->format.format_tag, 1) << "integer PCM";
        EXPECT_EQ(info->format.channels, 1);
        EXPECT_EQ(info->format.bits, 16);
        EXPECT_EQ(info->format.sample_rate, 44100u);

        const std::vector<std::int16_t> samples = test::wav16_samples(bytes, *info);
        const double seconds = static_cast<double>(samples.size()) / info->format.sample_rate;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LE(seconds, longest_allowed(cue));

        int peak = 0;
        for (std::int16_t sample : samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        const double peak_dbfs = 20.0 * std::log10(std::max(peak, 1) / 32768.0);
        EXPECT_NEAR(peak_dbfs, -6.0, 1.0);
        ASSERT_FALSE(samples.empty());
        EXPECT_LE(std::abs(samples.front()), 100) << "starts with a click";
        EXPECT_LE(std::abs(samples.back()), 100) << "ends with a click";
    }
}

// RESTART plays three cues in a row, and the ambient timer plays 1.wav twice
// one tick in twenty and 2.wav once one tick in twenty: together they must
// not freeze the window for long, nor for much of the time it is left alone.
TEST(GeneratedSoundsTest, RestartAndAmbientCuesHoldTheWindowBriefly)
{
    EXPECT_LE(seconds_of(Cue::Normal) + 2 * seconds_of(Cue::RingIn), 0.5);
    constexpr double kTickSeconds = 1.0;
    const double frozen_per_tick = 2 * seconds_of(Cue::One) / 20 + seconds_of(Cue::Two) / 20;
    EXPECT_GT(frozen_per_tick, 0.0);
    EXPECT_LE(frozen_per_tick / kTickSeconds, 0.03) << "share of idle time spent in ambient cues";
}

TEST(GeneratedSoundsTest, GeneratorWritesTheSameFilesEveryTime)
{
    const test::ScratchFolder scratch("generator_again");
    const std::string command
        = std::string("\"") + MOSSALINE_TEST_MAKE_SOUNDS + "\" \"" + scratch.path().string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (Cue cue : kAllCues) {
        SCOPED_TRACE(std::string(cue_file_name(cue)));
        const std::vector<std::uint8_t> again = test::read_file(scratch.path() / cue_file_name(cue));
        ASSERT_FALSE(again.empty());
        EXPECT_EQ(again, test::read_file(kGenerated / cue_file_name(cue)));
    }
}

} // namespace
} // namespace mossaline
