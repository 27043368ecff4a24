#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sound/default_tone.h"

namespace mossaline {
namespace {

int peak_of(const std::vector<std::int16_t>& samples)
{
    int peak = 0;
    for (std::int16_t sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

TEST(DefaultToneTest, IsAShortAudibleToneWithSoftEdges)
{
    const std::vector<std::int16_t> mono = default_tone({44100, 1});
    const double seconds = static_cast<double>(mono.size()) / 44100.0;
    EXPECT_GE(seconds, 0.15);
    EXPECT_LE(seconds, 0.25);

    const double peak_dbfs = 20.0 * std::log10(peak_of(mono) / 32768.0);
    EXPECT_GT(peak_dbfs, -14.0) << "too quiet to notice";
    EXPECT_LT(peak_dbfs, -3.0) << "louder than the cues it stands in for";

    // Faded ends: the first and last few milliseconds stay near silence.
    const std::size_t edge = 44100 / 1000; // 1 ms
    const std::vector<std::int16_t> head(mono.begin(), mono.begin() + edge);
    const std::vector<std::int16_t> tail(mono.end() - edge, mono.end());
    EXPECT_LT(peak_of(head), peak_of(mono) / 20);
    EXPECT_LT(peak_of(tail), peak_of(mono) / 20);
}

TEST(DefaultToneTest, FollowsTheRequestedFormat)
{
    const std::vector<std::int16_t> mono = default_tone({44100, 1});
    const std::vector<std::int16_t> stereo = default_tone({44100, 2});
    ASSERT_EQ(stereo.size(), 2 * mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i) {
        ASSERT_EQ(stereo[2 * i], mono[i]) << "frame " << i;
        ASSERT_EQ(stereo[2 * i + 1], mono[i]) << "frame " << i;
    }
    const std::vector<std::int16_t> at_48k = default_tone({48000, 1});
    EXPECT_NEAR(static_cast<double>(at_48k.size()) / 48000.0, static_cast<double>(mono.size()) / 44100.0, 0.001);
}

} // namespace
} // namespace mossaline
