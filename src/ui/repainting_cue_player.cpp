#include "ui/repainting_cue_player.h"

namespace mossaline {

RepaintingCuePlayer::RepaintingCuePlayer(CuePlayer& inner)
    : inner_(inner)
{
}

void RepaintingCuePlayer::set_repaint(std::function<void()> repaint)
{
    repaint_ = std::move(repaint);
}

void RepaintingCuePlayer::play(Cue cue)
{
    if (repaint_)
        repaint_();
    inner_.play(cue);
}

} // namespace mossaline
