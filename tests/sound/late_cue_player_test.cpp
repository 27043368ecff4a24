#include "sound/late_cue_player.h"

#include <gtest/gtest.h>

#include <vector>

namespace mossaline {
namespace {

class ListeningCuePlayer final : public CuePlayer {
public:
    std::vector<Cue> heard;
    void play(Cue cue) override { heard.push_back(cue); }
};

// Faults: a cue asked for before the player is there lost, played out of order, or played
// long after it was asked for; a player that never comes holding a cue, or its caller, for ever.
TEST(LateCuePlayer, HoldsEarlyCuesForABoundedTimeAndNeverWaits)
{
    LateCuePlayer::Clock::time_point now{};
    ListeningCuePlayer speaker;
    LateCuePlayer late([&now] { return now; });
    late.play(Cue::ChimeUp);
    late.play(Cue::Normal);
    EXPECT_TRUE(speaker.heard.empty());
    now += LateCuePlayer::kHeldAtMost;
    late.arrive(&speaker);
    late.play(Cue::Gain);
    EXPECT_EQ(speaker.heard, (std::vector<Cue>{Cue::ChimeUp, Cue::Normal, Cue::Gain}));

    ListeningCuePlayer too_late;
    LateCuePlayer stale([&now] { return now; });
    stale.play(Cue::ChimeUp);
    now += LateCuePlayer::kHeldAtMost + std::chrono::milliseconds(1);
    stale.arrive(&too_late);
    stale.play(Cue::Gain);
    EXPECT_EQ(too_late.heard, (std::vector<Cue>{Cue::Gain}));

    LateCuePlayer none_comes;
    none_comes.play(Cue::ChimeUp);
    none_comes.arrive(nullptr);
    none_comes.play(Cue::Bird);
}

} // namespace
} // namespace mossaline
