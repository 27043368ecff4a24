#include "game/grid.h"
#include "game/jump_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace mossaline {
namespace {

Board empty_cross()
{
    Board board;
    set_start_position(board);
    for (int cell : board_cells())
        board.set(cell, Cell::Empty);
    return board;
}

Board with_marbles(std::initializer_list<int> cells)
{
    Board board = empty_cross();
    for (int cell : cells)
        board.set(cell, Cell::Marble);
    return board;
}

std::vector<std::pair<int, int>> jumps(const Board& board)
{
    std::vector<std::pair<int, int>> found;
    for_each_open_jump(board, [&](const OpenJump& jump) {
        EXPECT_EQ(jump.over * 2, jump.from + jump.to);
        found.emplace_back(jump.from, jump.to);
    });
    return found;
}

// Jumps found from the board's geometry alone: columns and rows, never index arithmetic.
std::multiset<std::pair<int, int>> geometric_jumps(const Board& board)
{
    std::multiset<std::pair<int, int>> found;
    const auto holds = [&](int column, int row, Cell cell) {
        if (column < 0 || column > 8 || row < 0 || row > 8)
            return false;
        const int index = cell_index(column, row);
        return is_board_cell(index) && board.at(index) == cell;
    };
    for (int from : board_cells()) {
        const int c = column_of(from), r = row_of(from);
        for (auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (holds(c, r, Cell::Marble) && holds(c + dc, r + dr, Cell::Marble)
                && holds(c + 2 * dc, r + 2 * dr, Cell::Empty))
                found.emplace(from, cell_index(c + 2 * dc, r + 2 * dr));
    }
    return found;
}

TEST(JumpScan, StartPositionHasFourJumpsIntoTheCentre)
{
    Board board;
    set_start_position(board);
    EXPECT_EQ(count_open_jumps(board), 4);
    std::set<std::pair<int, int>> found;
    for (auto jump : jumps(board))
        found.insert(jump);
    EXPECT_EQ(found, (std::set<std::pair<int, int>>{{23, 41}, {39, 41}, {43, 41}, {59, 41}}));
}

TEST(JumpScan, LonelyOrScatteredMarblesEndTheGame)
{
    EXPECT_EQ(count_open_jumps(with_marbles({41})), 0);
    EXPECT_EQ(count_open_jumps(with_marbles({4, 6, 31, 41, 51, 78})), 0);
    EXPECT_EQ(count_open_jumps(empty_cross()), 0);
}

int occurrences(const std::vector<std::pair<int, int>>& found, std::pair<int, int> jump)
{
    return static_cast<int>(std::count(found.begin(), found.end(), jump));
}

TEST(JumpScan, CrossColumnLinesAreNeverJumps)
{
    // Each triple runs off the foot of one column onto the head of the next.
    for (int first : {35, 36, 44, 45}) {
        EXPECT_EQ(occurrences(jumps(with_marbles({first, first + 1})), {first, first + 2}), 0) << first;
        EXPECT_EQ(occurrences(jumps(with_marbles({first + 1, first + 2})), {first + 2, first}), 0) << first;
    }
    // Their neighbours within a column still jump.
    EXPECT_EQ(occurrences(jumps(with_marbles({34, 35})), {34, 36}), 1);
    EXPECT_EQ(occurrences(jumps(with_marbles({38, 39})), {39, 37}), 1);
}

TEST(JumpScan, TheLastStartsOfEachDirectionAreScanned)
{
    EXPECT_EQ(occurrences(jumps(with_marbles({76, 77})), {76, 78}), 1);
    EXPECT_EQ(occurrences(jumps(with_marbles({77, 78})), {78, 76}), 1);
    EXPECT_EQ(occurrences(jumps(with_marbles({60, 69})), {60, 78}), 1);
    EXPECT_EQ(occurrences(jumps(with_marbles({69, 78})), {78, 60}), 1);
    EXPECT_EQ(occurrences(jumps(with_marbles({4, 5})), {4, 6}), 1);
}

TEST(JumpScan, EachMarbleAndDirectionCountsOnce)
{
    // At the corner of an arm only 4 can move: down over 5 and right over 13.
    const Board two_ways = with_marbles({4, 5, 13});
    EXPECT_EQ(count_open_jumps(two_ways), 2);
    EXPECT_EQ(jumps(two_ways), (std::vector<std::pair<int, int>>{{4, 6}, {4, 22}}));
    // Two marbles that can jump into the same hole are two jumps.
    const auto into_centre = jumps(with_marbles({39, 40, 42, 43}));
    EXPECT_EQ(occurrences(into_centre, {39, 41}), 1);
    EXPECT_EQ(occurrences(into_centre, {43, 41}), 1);
    // The same board twice gives the same count.
    const Board board = with_marbles({31, 32, 40, 49, 50});
    EXPECT_EQ(count_open_jumps(board), count_open_jumps(board));
}

TEST(JumpScan, MatchesABruteForceSearchOnRandomBoards)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 20000; ++round) {
        Board board = empty_cross();
        const double density = std::uniform_real_distribution<double>(0.05, 0.95)(random);
        std::bernoulli_distribution marble(density);
        for (int cell : board_cells())
            board.set(cell, marble(random) ? Cell::Marble : Cell::Empty);

        const auto expected = geometric_jumps(board);
        const auto found = jumps(board);
        ASSERT_EQ(count_open_jumps(board), static_cast<int>(expected.size())) << "round " << round;
        ASSERT_EQ((std::multiset<std::pair<int, int>>(found.begin(), found.end())), expected) << "round " << round;
    }
}

} // namespace
} // namespace mossaline
