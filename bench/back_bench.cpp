// "Back to the last winnable board" on a dead end: a game of random jumps that keep the board
// winnable for 24 jumps, then a random jump the solver proves lost, then 9 more random jumps, so
// the last winnable board lies 10 jumps back. Per game (one per seed) prints the time of
// `last_winnable` over 5 runs, each with a game's memory of its own as B's first press has, and
// their median.
// With --fill=N, hints on boards of 32 marbles from random play (3 s each) fill the memory to N
// dead ends or more before B is timed, as hints on the hard boards of a long game may.
//   bench_back [--games=5] [--seed=1] [--winning=24] [--after=9] [--runs=5] [--fill=N] [--table=FILE]
#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace mossaline;
using Clock = std::chrono::steady_clock;

namespace {

struct DeadEnd {
    std::vector<Board> boards;
    std::size_t last_winnable = 0;
};

std::vector<OpenJump> open_jumps(const Board& board, std::mt19937_64& random)
{
    std::vector<OpenJump> open;
    for_each_open_jump(board, [&](const OpenJump& jump) { open.push_back(jump); });
    std::shuffle(open.begin(), open.end(), random);
    return open;
}

// A board of `marbles` marbles from random jumps from the start.
Board random_board(std::mt19937_64& random, int marbles)
{
    Board board;
    set_start_position(board);
    while (board.marbles() > marbles) {
        const std::vector<OpenJump> open = open_jumps(board, random);
        if (open.empty())
            set_start_position(board);
        else
            apply_jump(board, open.front().from, open.front().to);
    }
    return board;
}

// The first of the open jumps, in random order, after which the solver shows the verdict
// `wanted` within `budget`.
bool jump_to(Board& board, std::mt19937_64& random, solver::Verdict wanted, std::chrono::milliseconds budget)
{
    for (const OpenJump& jump : open_jumps(board, random)) {
        Board next = board;
        apply_jump(next, jump.from, jump.to);
        if (solver::solve(next, {budget}).verdict == wanted) {
            board = next;
            return true;
        }
    }
    return false;
}

bool make_dead_end(unsigned seed, std::size_t winning, int after, DeadEnd& game)
{
    std::mt19937_64 random(seed);
    Board board;
    set_start_position(board);
    game.boards = {board};
    for (std::size_t i = 0; i < winning; ++i) {
        if (!jump_to(board, random, solver::Verdict::OneMarbleFinish, std::chrono::milliseconds(500)))
            return false;
        game.boards.push_back(board);
    }
    game.last_winnable = winning;
    if (!jump_to(board, random, solver::Verdict::NoOneMarbleFinish, std::chrono::seconds(20)))
        return false;
    game.boards.push_back(board);
    for (int more = 0; more < after; ++more) {
        const std::vector<OpenJump> open = open_jumps(board, random);
        if (open.empty())
            return false;
        apply_jump(board, open.front().from, open.front().to);
        game.boards.push_back(board);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::size_t winning = 24;
    int after = 9;
    int runs = 5;
    unsigned games = 5;
    unsigned first_seed = 1;
    std::size_t fill = 0;
    std::string table = MOSSALINE_BENCH_FINISH_TABLE;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--winning=", 10) == 0)
            winning = std::strtoul(argv[i] + 10, nullptr, 10);
        else if (std::strncmp(argv[i], "--after=", 8) == 0)
            after = std::atoi(argv[i] + 8);
        else if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::atoi(argv[i] + 7);
        else if (std::strncmp(argv[i], "--games=", 8) == 0)
            games = static_cast<unsigned>(std::strtoul(argv[i] + 8, nullptr, 10));
        else if (std::strncmp(argv[i], "--seed=", 7) == 0)
            first_seed = static_cast<unsigned>(std::strtoul(argv[i] + 7, nullptr, 10));
        else if (std::strncmp(argv[i], "--fill=", 7) == 0)
            fill = std::strtoul(argv[i] + 7, nullptr, 10);
        else if (std::strncmp(argv[i], "--table=", 8) == 0)
            table = argv[i] + 8;
    }
    if (!table.empty())
        solver::use_finish_table(table);
    solver::prepare();
    bool right = true;
    std::vector<double> medians;
    for (unsigned seed = first_seed; seed < first_seed + games; ++seed) {
        DeadEnd game;
        if (!make_dead_end(seed, winning, after, game)) {
            std::printf("seed %u: no such game could be made\n", seed);
            continue;
        }
        std::printf("seed %u: game of %zu jumps, %d marbles at its end; last winnable board after jump %zu (%d "
                    "marbles)\n",
            seed, game.boards.size() - 1, game.boards.back().marbles(), game.last_winnable,
            game.boards[game.last_winnable].marbles());
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            solver::Memory memory;
            // Hints on hard boards fill the game's memory first, as a long game's may be.
            std::mt19937_64 walks(seed);
            while (memory.size() < fill)
                solver::solve(random_board(walks, 32), {std::chrono::seconds(3)}, &memory);
            const auto begun = Clock::now();
            const auto last = solver::last_winnable(game.boards, {std::chrono::seconds(60)}, &memory);
            const double took = std::chrono::duration<double, std::milli>(Clock::now() - begun).count();
            times.push_back(took);
            const bool exact = last && *last == game.last_winnable;
            right = right && exact;
            std::printf("  run %d: %.1f ms, %s, %zu dead ends remembered\n", run + 1, took,
                exact ? "the right board" : (last ? "a WRONG board" : "not found"), memory.size());
        }
        std::sort(times.begin(), times.end());
        medians.push_back(times[times.size() / 2]);
        std::printf("  median of %d: %.1f ms\n", runs, medians.back());
    }
    std::sort(medians.begin(), medians.end());
    if (!medians.empty())
        std::printf("games: %zu, medians from %.1f to %.1f ms\n", medians.size(), medians.front(), medians.back());
    return right ? 0 : 1;
}
