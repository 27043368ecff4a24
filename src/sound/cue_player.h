#pragma once

#include "sound/cue.h"

namespace mossaline {

/** Plays the game's sound cues; the game waits for each one to finish. */
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    /** Plays the cue to its end before returning. */
    virtual void play(Cue cue) = 0;

    /** Waits, for a bounded time, until the sound system has nothing left of the cues played to finish; called
     * before the program ends, so that its last cue is not cut off with it. */
    virtual void settle() { }
};

} // namespace mossaline
