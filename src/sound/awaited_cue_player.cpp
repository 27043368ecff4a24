#include "sound/awaited_cue_player.h"

namespace mossaline {

void AwaitedCuePlayer::arrive(CuePlayer* player)
{
    arrival_.set_value(player);
}

void AwaitedCuePlayer::play(Cue cue)
{
    if (CuePlayer* player = player_.get())
        player->play(cue);
}

} // namespace mossaline
