#include "game/jump_scan.h"

namespace mossaline {

std::int16_t count_open_jumps(const Board& board)
{
    std::int16_t count = 0;
    for_each_open_jump(board, [&count](const OpenJump&) { ++count; });
    return count;
}

} // namespace mossaline
