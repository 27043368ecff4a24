#pragma once

#include "sound/cue_player.h"

#include <QPointer>

namespace mossaline {

class Form1Widget;

/// Keeps the cues in step with the screen: the window is brought up to date before a cue
/// holds the thread, so the player sees a move while its cue sounds.
class RepaintingCuePlayer final : public CuePlayer {
public:
    /// Plays through `inner`.
    explicit RepaintingCuePlayer(CuePlayer& inner);
    /// From now on `window` is brought up to date before each cue, for as long as it exists.
    void repaint_before_cues(Form1Widget* window);
    void play(Cue cue) override;
    void settle() override;

private:
    CuePlayer& inner_;
    // The player outlives the window: a window gone is simply not repainted.
    QPointer<Form1Widget> window_;
};

} // namespace mossaline
