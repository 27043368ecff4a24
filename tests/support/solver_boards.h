#pragma once

#include "game/board.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/solver.h"

#include <chrono>
#include <map>
#include <random>
#include <vector>

namespace mossaline::testing {

/// A board of a seeded set, with how it was reached.
struct SetBoard {
    Board board;      ///< the position
    int marbles;      ///< marbles on it
    bool from_line;   ///< reached along the solver's own lines (else by random play)
};

/// Builds boards by play from the start position: walks of random jumps, and walks that follow
/// the solver's line to one marble but now and then take a random jump off it instead.
class SolverBoardSet {
public:
    /// Boards with `lowest`..`highest` marbles, `per_kind` of each kind per count, from `seed`;
    /// each line is looked for within `budget` (a board left undecided is played on at random).
    static std::vector<SetBoard> make(
        unsigned seed, int highest, int lowest, int per_kind, std::chrono::milliseconds budget)
    {
        std::mt19937_64 random(seed);
        std::map<int, int> random_made;
        std::map<int, int> line_made;
        std::vector<SetBoard> boards;
        const auto wanted = [&](std::map<int, int>& made) {
            for (int n = lowest; n <= highest; ++n)
                if (made[n] < per_kind)
                    return true;
            return false;
        };
        while (wanted(random_made))
            walk(random, false, highest, lowest, per_kind, budget, random_made, boards);
        while (wanted(line_made))
            walk(random, true, highest, lowest, per_kind, budget, line_made, boards);
        return boards;
    }

private:
    static std::vector<OpenJump> open_jumps(const Board& board)
    {
        std::vector<OpenJump> open;
        for_each_open_jump(board, [&](const OpenJump& jump) { open.push_back(jump); });
        return open;
    }

    static void walk(std::mt19937_64& random, bool follow_line, int highest, int lowest, int per_kind,
        std::chrono::milliseconds budget, std::map<int, int>& made, std::vector<SetBoard>& boards)
    {
        Board board;
        set_start_position(board);
        std::vector<solver::Step> line;
        std::size_t next = 0;
        bool winnable = follow_line;
        if (follow_line)
            line = solver::solve(board, {budget}).line;
        for (;;) {
            const int marbles = board.marbles();
            if (marbles <= highest && marbles >= lowest && made[marbles] < per_kind) {
                boards.push_back({board, marbles, follow_line});
                ++made[marbles];
            }
            const std::vector<OpenJump> open = open_jumps(board);
            if (marbles <= lowest || open.empty())
                return;
            const bool turn_off = !winnable || std::uniform_int_distribution<int>(0, 5)(random) == 0;
            if (!turn_off && next < line.size()) {
                apply_jump(board, line[next].from, line[next].to);
                ++next;
                continue;
            }
            const OpenJump& jump = open[std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(random)];
            apply_jump(board, jump.from, jump.to);
            if (follow_line && winnable) {
                const solver::Answer answer = solver::solve(board, {budget});
                winnable = answer.verdict == solver::Verdict::OneMarbleFinish;
                line = answer.line;
                next = 0;
            }
        }
    }
};

} // namespace mossaline::testing
