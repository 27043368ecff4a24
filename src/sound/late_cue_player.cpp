#include "sound/late_cue_player.h"

#include <utility>

namespace mossaline {

LateCuePlayer::LateCuePlayer(std::function<Clock::time_point()> clock)
    : clock_(std::move(clock))
{
}

void LateCuePlayer::arrive(CuePlayer* player)
{
    const std::lock_guard lock(mutex_);
    arrived_ = true;
    player_ = player;
    const Clock::time_point now = clock_();
    for (const HeldCue& held : std::exchange(held_, {}))
        if (player_ && now - held.asked <= kHeldAtMost)
            player_->play(held.cue);
}

void LateCuePlayer::play(Cue cue)
{
    const std::lock_guard lock(mutex_);
    if (!arrived_)
        held_.push_back({cue, clock_()});
    else if (player_)
        player_->play(cue);
}

void LateCuePlayer::settle()
{
    const std::lock_guard lock(mutex_);
    if (player_)
        player_->settle();
}

} // namespace mossaline
