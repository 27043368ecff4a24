#pragma once

#include "sound/cue_player.h"

#include <future>

namespace mossaline {

/// Stands in for the cue player while it is still being made, so that a cue can be asked for
/// before the sound is there: play() waits until the player arrives, or until word comes that
/// none will.
class AwaitedCuePlayer final : public CuePlayer {
public:
    /// Hands over the player that plays every cue from now on; nullptr: none comes, and cues
    /// pass in silence. Called once; `player` must outlive this.
    void arrive(CuePlayer* player);
    void play(Cue cue) override;

private:
    std::promise<CuePlayer*> arrival_;
    std::shared_future<CuePlayer*> player_ = arrival_.get_future().share();
};

} // namespace mossaline
