#include "game/move_judge.h"

#include "game/jump_scan.h"

#include <algorithm>
#include <cstdlib>

namespace mossaline {

bool is_cross_column_pair(int source, int target)
{
    return std::abs(target - source) == 2 && is_cross_column_start(std::min(source, target));
}

MoveVerdict judge_move(const Board& board, int source, int target)
{
    const int distance = std::abs(target - source);
    if ((distance != 2 && distance != 18) || is_cross_column_pair(source, target))
        return MoveVerdict::NotALine;
    const int middle = (source + target) / 2;
    // The marker can reach grid positions 79..81, which have no slot: such a pair is
    // simply not on the board.
    if (!Board::in_range(middle) || !Board::in_range(source) || !Board::in_range(target))
        return MoveVerdict::Refused;
    if (board.at(target) == Cell::Empty && board.at(source) == Cell::Marble && board.at(middle) == Cell::Marble)
        return MoveVerdict::Jump;
    return MoveVerdict::Refused;
}

void apply_jump(Board& board, int source, int target)
{
    const int middle = (source + target) / 2;
    board.set(source, Cell::Empty);
    board.set(target, Cell::Marble);
    board.set(middle, Cell::Empty);
}

void take_back_jump(Board& board, int source, int target)
{
    const int middle = (source + target) / 2;
    board.set(source, Cell::Marble);
    board.set(middle, Cell::Marble);
    board.set(target, Cell::Empty);
}

} // namespace mossaline
