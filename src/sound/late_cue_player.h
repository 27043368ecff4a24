#pragma once

#include "sound/cue_player.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

namespace mossaline {

/// Plays through a player that is made while the game starts, so that a cue can be asked for
/// before it is there. Such a cue is held, and arrive() plays it on its own caller's thread;
/// one held longer than kHeldAtMost is dropped instead, since it would no longer go with
/// what caused it. Nothing ever waits for a player that has not come.
class LateCuePlayer final : public CuePlayer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kHeldAtMost{1000};

    explicit LateCuePlayer(std::function<Clock::time_point()> clock = Clock::now);

    /// Every cue from now on plays through `player` (nullptr: in silence), the held ones first.
    /// Called once; `player` must outlive this.
    void arrive(CuePlayer* player);
    void play(Cue cue) override;
    void settle() override;

private:
    struct HeldCue {
        Cue cue;
        Clock::time_point asked;
    };

    std::function<Clock::time_point()> clock_;
    // Held while a cue plays, so that cues from two threads never sound over each other.
    std::mutex mutex_;
    bool arrived_ = false;
    CuePlayer* player_ = nullptr;
    std::vector<HeldCue> held_;
};

} // namespace mossaline
