#include "sound/awaited_cue_player.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace mossaline {
namespace {

class ListeningCuePlayer final : public CuePlayer {
public:
    std::vector<Cue> heard;
    void play(Cue cue) override { heard.push_back(cue); }
};

// Faults: a cue asked for before the player is there lost, or played before it arrived; a
// player that never comes holding the cues up for ever.
TEST(AwaitedCuePlayer, ACueAskedForEarlySoundsOnceThePlayerIsThere)
{
    ListeningCuePlayer speaker;
    AwaitedCuePlayer awaited;
    std::atomic<bool> arrived{false};
    bool arrived_before_played = false;
    std::thread start_cue([&] {
        awaited.play(Cue::ChimeUp);
        arrived_before_played = arrived;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    arrived = true;
    awaited.arrive(&speaker);
    start_cue.join();
    awaited.play(Cue::Gain);
    EXPECT_TRUE(arrived_before_played);
    EXPECT_EQ(speaker.heard, (std::vector<Cue>{Cue::ChimeUp, Cue::Gain}));

    AwaitedCuePlayer none_comes;
    none_comes.arrive(nullptr);
    none_comes.play(Cue::ChimeUp);
}

} // namespace
} // namespace mossaline
