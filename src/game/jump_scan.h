#pragma once

#include "game/board.h"

#include <cstdint>

namespace mossaline {

/// One open jump: a marble at `from` can jump over `over` into the empty hole `to`.
struct OpenJump {
    int from; ///< the marble that jumps
    int over; ///< the marble jumped over
    int to; ///< the empty hole it lands in
};

/// Vertical triples that run off the foot of column 3 or 4 onto the head of the next
/// column with all three cells on the board; they are no straight line and never a jump.
constexpr bool is_cross_column_start(int first)
{
    return first == 35 || first == 36 || first == 44 || first == 45;
}

/// Calls `visit(OpenJump)` for every open jump, vertical lines first (starts 1..76), then
/// horizontal ones (starts 1..60), each line tested downwards/rightwards before the reverse.
template <class Visit> void for_each_open_jump(const Board& board, Visit&& visit)
{
    const auto jumpable = [&board](int from, int over, int to) {
        return board.at(from) == Cell::Marble && board.at(over) == Cell::Marble && board.at(to) == Cell::Empty;
    };
    // The last starts, 76 and 60, reach slot 78: no read ever leaves the board.
    for (int i = 1; i <= 76; ++i) {
        if (is_cross_column_start(i))
            continue; // both directions of that triple are skipped
        if (jumpable(i, i + 1, i + 2))
            visit(OpenJump{i, i + 1, i + 2});
        if (jumpable(i + 2, i + 1, i))
            visit(OpenJump{i + 2, i + 1, i});
    }
    for (int i = 1; i <= 60; ++i) {
        if (jumpable(i, i + 9, i + 18))
            visit(OpenJump{i, i + 9, i + 18});
        if (jumpable(i + 18, i + 9, i))
            visit(OpenJump{i + 18, i + 9, i});
    }
}

/// Number of open jumps on the board; 0 means the game is over.
std::int16_t count_open_jumps(const Board& board);

} // namespace mossaline
