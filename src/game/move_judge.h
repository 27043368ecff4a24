#pragma once

#include "game/board.h"

namespace mossaline {

/// How a click's pair of cells (where the marker was, where it is now) is judged.
enum class MoveVerdict {
    Jump, ///< a legal jump: the source marble jumps over the middle one into the target
    Refused, ///< two apart in a line, but the cells do not allow the jump
    NotALine, ///< not two apart in a line (including the same cell twice)
};

/// True for the index pairs that differ by 2 but lie in neighbouring columns with all
/// three cells on the board: (35, 37), (36, 38), (44, 46), (45, 47), either way round.
bool is_cross_column_pair(int source, int target);

/// Judges a pair without changing the board. Cells without a board slot make the pair
/// refused; the board is never read outside its slots.
MoveVerdict judge_move(const Board& board, int source, int target);

/// Moves the marbles of a jump already judged legal: source and middle empty, target full.
void apply_jump(Board& board, int source, int target);

/// Undoes apply_jump() of the same pair: source and middle full again, target empty.
void take_back_jump(Board& board, int source, int target);

} // namespace mossaline
