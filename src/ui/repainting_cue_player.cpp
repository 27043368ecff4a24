#include "ui/repainting_cue_player.h"

#include "ui/form1_widget.h"

namespace mossaline {

RepaintingCuePlayer::RepaintingCuePlayer(CuePlayer& inner)
    : inner_(inner)
{
}

void RepaintingCuePlayer::repaint_before_cues(Form1Widget* window)
{
    window_ = window;
}

void RepaintingCuePlayer::play(Cue cue)
{
    if (window_)
        window_->repaint_now();
    inner_.play(cue);
}

void RepaintingCuePlayer::settle()
{
    inner_.settle();
}

} // namespace mossaline
