#pragma once

#include "sound/cue_player.h"

#include <functional>
#include <future>

namespace mossaline {

/// Keeps the cues in step with the screen: once the window shows, the screen is brought up to
/// date before a cue blocks the thread, so the player sees a move while its cue sounds; while
/// the window is still being built, nothing is on screen yet, so a cue may sound alongside.
class RepaintingCuePlayer final : public CuePlayer {
public:
    /// Plays through `inner`.
    explicit RepaintingCuePlayer(CuePlayer& inner);
    /// Waits for a cue still sounding alongside.
    ~RepaintingCuePlayer() override;
    /// What brings the screen up to date; nothing until set.
    void set_repaint(std::function<void()> repaint);
    /// From now until end_alongside(), play() hands its cue to a thread of its own and returns
    /// at once; a further cue waits for the one before it, so cues never overlap.
    void begin_alongside();
    /// Waits until the cue sounding alongside is over; from now on play() holds the thread again.
    void end_alongside();
    void play(Cue cue) override;

private:
    void wait_for_alongside();

    CuePlayer& inner_;
    std::function<void()> repaint_;
    bool alongside_ = false;
    std::future<void> sounding_;
};

} // namespace mossaline
