#pragma once

#include "game/board.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/bitboard.h"
#include "solver/search.h"
#include "solver/solver.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

namespace mossaline::testing {

/// A board of a seeded set, with how it was reached.
struct SetBoard {
    Board board; ///< the position
    int marbles; ///< marbles on it
    bool from_line; ///< reached along the solver's own lines (else by random play)
};

/// Builds boards by play from the start position: walks of random jumps, and walks along the
/// solver's lines to one marble with random turns off them.
class SolverBoardSet {
public:
    /// Boards with `lowest`..`highest` marbles, `per_kind` of each kind per count, from `seed`;
    /// each line is looked for within `search_boards` boards visited (a board left undecided is
    /// treated as lost), so the same seed gives the same set however loaded the machine is.
    static std::vector<SetBoard> make(unsigned seed, int highest, int lowest, int per_kind, std::uint64_t search_boards)
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
            walk(random, false, highest, lowest, per_kind, search_boards, random_made, boards);
        while (wanted(line_made))
            walk(random, true, highest, lowest, per_kind, search_boards, line_made, boards);
        return boards;
    }

private:
    // A line to one marble found within `search_boards` boards, or none; no clock is read.
    static std::vector<solver::Step> winning_line(const Board& board, std::uint64_t search_boards)
    {
        const solver::Bits root = solver::bits_of(board);
        if (solver::marbles_in(root) <= 1)
            return {};
        solver::Search search(root, std::chrono::steady_clock::time_point::max(), nullptr);
        search.set_board_limit(search_boards);
        if (search.find_one_marble() != solver::SearchEnd::Found)
            return {};
        std::vector<solver::Step> line;
        for (std::uint8_t index : search.line()) {
            const solver::BitJump& j = solver::jumps()[index];
            line.push_back({solver::cell_of_hole(j.from_hole), solver::cell_of_hole(j.over_hole),
                solver::cell_of_hole(j.to_hole)});
        }
        return line;
    }

    static std::vector<OpenJump> open_jumps(const Board& board)
    {
        std::vector<OpenJump> open;
        for_each_open_jump(board, [&](const OpenJump& jump) { open.push_back(jump); });
        return open;
    }

    static void walk(std::mt19937_64& random, bool follow_line, int highest, int lowest, int per_kind,
        std::uint64_t search_boards, std::map<int, int>& made, std::vector<SetBoard>& boards)
    {
        const auto record = [&](const Board& board) {
            const int marbles = board.marbles();
            if (marbles <= highest && marbles >= lowest && made[marbles] < per_kind) {
                boards.push_back({board, marbles, follow_line});
                ++made[marbles];
            }
        };
        const auto play_random = [&](Board& board) {
            const std::vector<OpenJump> open = open_jumps(board);
            if (open.empty())
                return false;
            const OpenJump& jump = open[std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(random)];
            apply_jump(board, jump.from, jump.to);
            return true;
        };
        const auto chance = [&](int one_in) { return std::uniform_int_distribution<int>(1, one_in)(random) == 1; };

        Board board;
        set_start_position(board);
        if (!follow_line) {
            do
                record(board);
            while (board.marbles() > lowest && play_random(board));
            return;
        }
        // Along a winning line, now and then a turn off it: a few random jumps, each board kept.
        // When the turn still wins, its own line is followed from there; otherwise the walk
        // goes back onto the line it left.
        std::vector<solver::Step> line = winning_line(board, search_boards);
        std::size_t next = 0;
        while (board.marbles() > lowest && next < line.size()) {
            if (chance(2))
                record(board);
            if (chance(4)) {
                Board turned = board;
                if (play_random(turned)) {
                    record(turned);
                    Board further = turned;
                    for (int extra = std::uniform_int_distribution<int>(0, 3)(random); extra > 0; --extra)
                        if (play_random(further))
                            record(further);
                    std::vector<solver::Step> turned_line = winning_line(turned, search_boards);
                    if (!turned_line.empty()) {
                        board = turned;
                        line = std::move(turned_line);
                        next = 0;
                        continue;
                    }
                }
            }
            apply_jump(board, line[next].from, line[next].to);
            ++next;
        }
        record(board);
    }
};

} // namespace mossaline::testing
