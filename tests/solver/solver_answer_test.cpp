#include "plain_solver.h"
#include "solver_boards.h"

#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/search.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <future>
#include <random>
#include <thread>

namespace mossaline::solver {
namespace {

using namespace std::chrono_literals;

// Plays the line through the game's own judge; -1 when a jump is refused.
int marbles_after(Board board, const std::vector<Step>& line)
{
    for (const Step& step : line) {
        if (judge_move(board, step.from, step.to) != MoveVerdict::Jump || (step.from + step.to) / 2 != step.over)
            return -1;
        apply_jump(board, step.from, step.to);
    }
    return board.marbles();
}

// Random play from the start down to `marbles`: at 34 the search needs far more than seconds.
Board hard_board()
{
    std::mt19937_64 random(1);
    for (;;) {
        Board board;
        set_start_position(board);
        while (board.marbles() > 34) {
            std::vector<OpenJump> open;
            for_each_open_jump(board, [&](const OpenJump& j) { open.push_back(j); });
            if (open.empty())
                break;
            const OpenJump j = open[random() % open.size()];
            apply_jump(board, j.from, j.to);
        }
        if (board.marbles() == 34)
            return board;
    }
}

TEST(SolverAnswer, StartPositionPlaysDownToOneMarble)
{
    Board start;
    set_start_position(start);
    const Answer answer = solve(start, {10s});
    ASSERT_EQ(answer.verdict, Verdict::OneMarbleFinish);
    EXPECT_EQ(answer.line.size(), 43u);
    EXPECT_EQ(marbles_after(start, answer.line), 1);
    EXPECT_TRUE(answer.best_proven);
}

// Every claim on a seeded set, against a search that shares no code with the solver:
// a wrong invariant, a symmetry slip or a table error shows up as a disagreement.
TEST(SolverAnswer, SeededSetAgreesWithThePlainSearch)
{
    const auto boards = testing::SolverBoardSet::make(77, 15, 4, 6, 200'000);
    ASSERT_GE(boards.size(), 120u);
    int possible = 0;
    int impossible = 0;
    for (const testing::SetBoard& entry : boards) {
        const Answer answer = solve(entry.board, {10s});
        const int fewest = testing::PlainMinimum().fewest(entry.board);
        ASSERT_NE(answer.verdict, Verdict::Undecided);
        EXPECT_EQ(answer.verdict == Verdict::OneMarbleFinish, fewest == 1);
        EXPECT_EQ(marbles_after(entry.board, answer.line), answer.marbles_after_line);
        EXPECT_GE(answer.marbles_after_line, fewest);
        if (answer.best_proven) {
            EXPECT_EQ(answer.marbles_after_line, fewest);
        }
        possible += answer.verdict == Verdict::OneMarbleFinish;
        impossible += answer.verdict == Verdict::NoOneMarbleFinish;
    }
    EXPECT_GT(possible, 10); // the set holds both kinds
    EXPECT_GT(impossible, 10);
}

TEST(SolverAnswer, TwoApartMarblesAreProvenBestAtTwo)
{
    Board board;
    set_start_position(board);
    for (int cell = 1; cell < Board::kSlots; ++cell)
        if (board.at(cell) == Cell::Marble)
            board.set(cell, Cell::Empty);
    board.set(41, Cell::Marble);
    board.set(44, Cell::Marble);
    const Answer answer = solve(board, {1s});
    EXPECT_EQ(answer.verdict, Verdict::NoOneMarbleFinish);
    EXPECT_TRUE(answer.line.empty());
    EXPECT_EQ(answer.marbles_after_line, 2);
    EXPECT_TRUE(answer.best_proven);
}

TEST(SolverLimits, CancelFromAnotherThreadEndsTheSearchUndecided)
{
    const Board board = hard_board();
    std::atomic<bool> cancel{false};
    auto pending = std::async(std::launch::async, [&] { return solve(board, {60s, &cancel}); });
    std::this_thread::sleep_for(20ms);
    cancel = true;
    ASSERT_EQ(pending.wait_for(5s), std::future_status::ready);
    const Answer answer = pending.get();
    EXPECT_EQ(answer.verdict, Verdict::Undecided);
    EXPECT_FALSE(answer.best_proven);
    EXPECT_EQ(marbles_after(board, answer.line), answer.marbles_after_line);
}

// The seeded set's turns are judged by a count of boards, so it must stop at that count and
// nowhere else: a limit that leaked time into it would make the set differ between runs.
TEST(SolverLimits, BoardLimitStopsAtTheCountWithoutAClock)
{
    const Bits root = bits_of(hard_board());
    Search search(root, std::chrono::steady_clock::time_point::max(), nullptr);
    search.set_board_limit(5000);
    EXPECT_EQ(search.find_one_marble(), SearchEnd::Stopped);
    // Boards the small-board table answers are counted without a look at the limit.
    EXPECT_GE(search.nodes(), 5000u);
    EXPECT_LE(search.nodes(), 5100u);
    Search again(root, std::chrono::steady_clock::time_point::max(), nullptr);
    again.set_board_limit(5000);
    again.find_one_marble();
    EXPECT_EQ(again.nodes(), search.nodes());
    EXPECT_EQ(again.best_line(), search.best_line());
}

TEST(SolverLimits, TinyBudgetEndsSoonAndClaimsNothingUnshown)
{
    const Board board = hard_board();
    const auto begun = std::chrono::steady_clock::now();
    const Answer answer = solve(board, {1ms});
    EXPECT_LT(std::chrono::steady_clock::now() - begun, 2s);
    if (answer.verdict == Verdict::OneMarbleFinish) {
        EXPECT_EQ(marbles_after(board, answer.line), 1);
    } else {
        EXPECT_EQ(answer.verdict, Verdict::Undecided);
    }
    EXPECT_FALSE(answer.best_proven && answer.verdict == Verdict::Undecided);
    EXPECT_EQ(marbles_after(board, answer.line), answer.marbles_after_line);
}

} // namespace
} // namespace mossaline::solver
