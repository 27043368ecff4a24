#pragma once

#include "sound/cue_player.h"

#include <functional>

namespace mossaline {

/// Brings the screen up to date before a cue blocks the thread, so the player sees a
/// move while its cue sounds.
class RepaintingCuePlayer final : public CuePlayer {
public:
    /// Plays through `inner`.
    explicit RepaintingCuePlayer(CuePlayer& inner);
    /// What brings the screen up to date; nothing until set.
    void set_repaint(std::function<void()> repaint);
    void play(Cue cue) override;

private:
    CuePlayer& inner_;
    std::function<void()> repaint_;
};

} // namespace mossaline
