#pragma once

#include "plain_solver.h"

#include "game/board.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/solver.h"

#include <chrono>
#include <cstddef>
#include <utility>
#include <vector>

namespace mossaline::testing {

/// A game that can be won up to a known jump and is lost from it on.
struct LosingGame {
    std::vector<std::pair<int, int>> jumps; ///< from and to of each jump, in order
    std::vector<Board> boards; ///< the start and the board after each jump
    std::size_t losing_jump = 0; ///< boards[losing_jump] is the first board that cannot finish
};

/// Follows the solver's line from the start for `winning` jumps, then makes a jump the plain
/// search shows lost, then `after` more jumps (the first open one each time).
inline LosingGame losing_game(std::size_t winning, int after)
{
    using namespace std::chrono_literals;
    LosingGame game;
    Board board;
    set_start_position(board);
    game.boards.push_back(board);
    const auto play = [&](int from, int to) {
        apply_jump(board, from, to);
        game.jumps.emplace_back(from, to);
        game.boards.push_back(board);
    };
    const solver::Answer line = solver::solve(board, {10s});
    for (std::size_t i = 0; i < winning && i < line.line.size(); ++i)
        play(line.line[i].from, line.line[i].to);
    PlainMinimum plain;
    std::pair<int, int> losing{0, 0};
    for_each_open_jump(board, [&](const OpenJump& jump) {
        Board next = board;
        apply_jump(next, jump.from, jump.to);
        if (losing.first == 0 && plain.fewest(next) > 1)
            losing = {jump.from, jump.to};
    });
    if (losing.first == 0)
        return game; // no losing jump here: losing_jump stays 0
    play(losing.first, losing.second);
    game.losing_jump = game.boards.size() - 1;
    for (int more = 0; more < after; ++more) {
        std::pair<int, int> next{0, 0};
        for_each_open_jump(board, [&](const OpenJump& jump) {
            if (next.first == 0)
                next = {jump.from, jump.to};
        });
        if (next.first == 0)
            break;
        play(next.first, next.second);
    }
    return game;
}

} // namespace mossaline::testing
