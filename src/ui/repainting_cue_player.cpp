#include "ui/repainting_cue_player.h"

namespace mossaline {

RepaintingCuePlayer::RepaintingCuePlayer(CuePlayer& inner)
    : inner_(inner)
{
}

RepaintingCuePlayer::~RepaintingCuePlayer()
{
    if (sounding_.valid())
        sounding_.wait();
}

void RepaintingCuePlayer::set_repaint(std::function<void()> repaint)
{
    repaint_ = std::move(repaint);
}

void RepaintingCuePlayer::begin_alongside()
{
    alongside_ = true;
}

void RepaintingCuePlayer::end_alongside()
{
    alongside_ = false;
    wait_for_alongside();
}

void RepaintingCuePlayer::wait_for_alongside()
{
    if (sounding_.valid())
        sounding_.get();
}

void RepaintingCuePlayer::play(Cue cue)
{
    wait_for_alongside();
    if (alongside_) {
        sounding_ = std::async(std::launch::async, [this, cue] { inner_.play(cue); });
        return;
    }
    if (repaint_)
        repaint_();
    inner_.play(cue);
}

} // namespace mossaline
