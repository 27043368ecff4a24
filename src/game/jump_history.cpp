#include "game/jump_history.h"

namespace mossaline {

void JumpHistory::record(const RecordedJump& jump)
{
    jumps_.resize(made_);
    jumps_.push_back(jump);
    made_ = jumps_.size();
}

std::optional<RecordedJump> JumpHistory::take_back()
{
    if (!can_take_back())
        return std::nullopt;
    return jumps_[--made_];
}

std::optional<RecordedJump> JumpHistory::redo()
{
    if (!can_redo())
        return std::nullopt;
    return jumps_[made_++];
}

void JumpHistory::clear()
{
    jumps_.clear();
    made_ = 0;
}

} // namespace mossaline
