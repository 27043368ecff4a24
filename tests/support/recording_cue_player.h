#pragma once

#include "sound/cue_player.h"

#include <functional>
#include <vector>

namespace mossaline::testing {

/// Records the cues played, in order; an optional hook runs as each cue "plays".
class RecordingCuePlayer final : public CuePlayer {
public:
    std::vector<Cue> played; ///< every cue, in order
    std::function<void(Cue)> while_playing; ///< runs inside play(), as a blocking cue would

    void play(Cue cue) override
    {
        played.push_back(cue);
        if (while_playing)
            while_playing(cue);
    }
};

} // namespace mossaline::testing
