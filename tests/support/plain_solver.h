#pragma once

#include "game/board.h"
#include "game/grid.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace mossaline::testing {

/// The fewest marbles a board can be played down to, by trying every jump the game's own
/// scan offers and remembering each board's answer: slow, plain, and independent of the solver.
class PlainMinimum {
public:
    /// The fewest marbles any line from `board` leaves.
    int fewest(const Board& board)
    {
        const std::uint64_t key = key_of(board);
        if (const auto found = memo_.find(key); found != memo_.end())
            return found->second;
        int best = board.marbles();
        for_each_open_jump(board, [&](const OpenJump& jump) {
            if (best == 1)
                return;
            Board next = board;
            apply_jump(next, jump.from, jump.to);
            best = std::min(best, fewest(next));
        });
        memo_.emplace(key, best);
        return best;
    }

    /// Boards remembered so far.
    std::size_t remembered() const { return memo_.size(); }

private:
    static std::uint64_t key_of(const Board& board)
    {
        std::uint64_t key = 0;
        int bit = 0;
        for (int cell : board_cells())
            key |= std::uint64_t{board.at(cell) == Cell::Marble} << bit++;
        return key;
    }

    std::unordered_map<std::uint64_t, int> memo_;
};

} // namespace mossaline::testing
