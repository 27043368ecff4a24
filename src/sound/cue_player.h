#pragma once

#include "sound/cue.h"

namespace mossaline {

/** Plays the game's sound cues; the game waits for each one to finish. */
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    /** Plays the cue to its end before returning. */
    virtual void play(Cue cue) = 0;
};

} // namespace mossaline
