#include "tone_files.h"
#include "tone_plan.h"
#include "tone_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace mossaline::testing {
namespace {

using Names = std::vector<std::string>;

// A recording as the disk driver writes it: cues and silences in a row.
class Recording {
public:
    Recording& silence(int frames)
    {
        samples_.insert(samples_.end(), static_cast<std::size_t>(frames * kDeviceFormat.channels), 0);
        return *this;
    }
    Recording& cue(Cue cue)
    {
        const std::vector<std::int16_t> tone = tone_samples(cue);
        samples_.insert(samples_.end(), tone.begin(), tone.end());
        return *this;
    }
    Recording& sine(double hertz, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            const auto value = static_cast<std::int16_t>(
                12000 * std::sin(2 * std::numbers::pi * hertz * i / kDeviceFormat.sample_rate));
            samples_.insert(samples_.end(), static_cast<std::size_t>(kDeviceFormat.channels), value);
        }
        return *this;
    }
    Names heard() const { return heard_cues(samples_); }

private:
    std::vector<std::int16_t> samples_;
};

TEST(ToneTrack, EveryCueIsHeardAsItselfWhereverItFallsOnTheAnalysisGrid)
{
    Recording recording;
    Names played;
    int offset = 37; // never a multiple of the window, so tones straddle window edges
    for (const Cue cue : kAllCues) {
        recording.silence(offset).cue(cue);
        played.push_back(cue_name(cue));
        offset += 291;
    }
    EXPECT_EQ(recording.silence(5000).heard(), played);
    EXPECT_EQ(Recording().silence(44100).heard(), Names{});
}

TEST(ToneTrack, EqualCuesInARowCountOncePerTone)
{
    // RESTART's two ringins: apart by the padding of the device buffer, or back to back.
    EXPECT_EQ(
        Recording().cue(Cue::Normal).silence(700).cue(Cue::RingIn).silence(772).cue(Cue::RingIn).silence(900).heard(),
        (Names{"normal", "ringin", "ringin"}));
    EXPECT_EQ(Recording().silence(100).cue(Cue::One).cue(Cue::One).silence(900).cue(Cue::Gain).heard(),
        (Names{"1", "1", "gain"}));
    // Different cues back to back are split at the change of tone.
    EXPECT_EQ(Recording().cue(Cue::Gain).cue(Cue::Loss).cue(Cue::Gain).heard(), (Names{"gain", "loss", "gain"}));
}

TEST(ToneTrack, ASoundThatIsNoTestToneIsReportedNotSkipped)
{
    // Such as the player's fallback tone for a cue file it could not use.
    EXPECT_EQ(Recording().cue(Cue::Gain).silence(2000).sine(440.0, 8000).silence(2000).cue(Cue::Bird).heard(),
        (Names{"gain", "?", "bird"}));
    // A click-length burst at a window edge is no cue at all.
    EXPECT_EQ(Recording().silence(300).sine(3101.0, 200).silence(3000).heard(), Names{});
}

} // namespace
} // namespace mossaline::testing
