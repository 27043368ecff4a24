#include "game/grid.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"

#include <gtest/gtest.h>

namespace mossaline {
namespace {

Board start()
{
    Board board;
    set_start_position(board);
    return board;
}

TEST(MoveJudge, PairsTwoApartInALineAreJudgedByTheirCells)
{
    const Board board = start();
    EXPECT_EQ(judge_move(board, 39, 41), MoveVerdict::Jump);
    EXPECT_EQ(judge_move(board, 23, 41), MoveVerdict::Jump);
    EXPECT_EQ(judge_move(board, 59, 41), MoveVerdict::Jump);
    EXPECT_EQ(judge_move(board, 43, 41), MoveVerdict::Jump);
    EXPECT_EQ(judge_move(board, 38, 40), MoveVerdict::Refused) << "target holds a marble";
    EXPECT_EQ(judge_move(board, 41, 39), MoveVerdict::Refused) << "from an empty hole";
    EXPECT_EQ(judge_move(board, 40, 42), MoveVerdict::Refused) << "over an empty hole";
    EXPECT_EQ(judge_move(board, 12, 30), MoveVerdict::Refused) << "from a corner cell";
}

TEST(MoveJudge, OtherPairsAreNoLine)
{
    const Board board = start();
    EXPECT_EQ(judge_move(board, 39, 39), MoveVerdict::NotALine);
    EXPECT_EQ(judge_move(board, 39, 40), MoveVerdict::NotALine);
    EXPECT_EQ(judge_move(board, 40, 49), MoveVerdict::NotALine);
    EXPECT_EQ(judge_move(board, 39, 42), MoveVerdict::NotALine);
    EXPECT_EQ(judge_move(board, 23, 59), MoveVerdict::NotALine);
}

TEST(MoveJudge, CrossColumnPairsAreNoLineWhateverTheCells)
{
    Board board = start();
    board.set(37, Cell::Empty);
    board.set(35, Cell::Empty);
    for (auto [a, b] : {std::pair{35, 37}, {36, 38}, {44, 46}, {45, 47}}) {
        EXPECT_TRUE(is_cross_column_pair(a, b));
        EXPECT_TRUE(is_cross_column_pair(b, a));
        EXPECT_EQ(judge_move(board, a, b), MoveVerdict::NotALine) << a << "->" << b;
        EXPECT_EQ(judge_move(board, b, a), MoveVerdict::NotALine) << b << "->" << a;
    }
    EXPECT_FALSE(is_cross_column_pair(34, 36));
    EXPECT_FALSE(is_cross_column_pair(37, 39));
}

TEST(MoveJudge, CellsWithoutABoardSlotAreRefusedWithoutReadingTheBoard)
{
    const Board board = start();
    // Board::at throws outside its slots, so reaching here without an exception proves
    // the board was not read there.
    EXPECT_EQ(judge_move(board, 79, 81), MoveVerdict::Refused);
    EXPECT_EQ(judge_move(board, 81, 79), MoveVerdict::Refused);
    EXPECT_EQ(judge_move(board, 62, 80), MoveVerdict::Refused);
    EXPECT_EQ(judge_move(board, 80, 62), MoveVerdict::Refused);
    EXPECT_EQ(judge_move(board, 77, 79), MoveVerdict::Refused) << "source on the board, target without a slot";
    EXPECT_EQ(judge_move(board, 78, 80), MoveVerdict::Refused);
    EXPECT_EQ(judge_move(board, 79, 78), MoveVerdict::NotALine);
}

TEST(MoveJudge, AJumpMovesOneMarbleAndRemovesAnother)
{
    Board board = start();
    apply_jump(board, 39, 41);
    EXPECT_EQ(board.at(39), Cell::Empty);
    EXPECT_EQ(board.at(40), Cell::Empty);
    EXPECT_EQ(board.at(41), Cell::Marble);
    EXPECT_EQ(board.marbles(), 43);
    EXPECT_EQ(judge_move(board, 39, 41), MoveVerdict::Refused);
    EXPECT_EQ(judge_move(board, 37, 39), MoveVerdict::Jump);
}

TEST(MoveJudge, TakingAJumpBackGivesTheBoardBeforeIt)
{
    // Faults: the middle marble not put back, or a cell of another jump touched; a game
    // taken back by the inverse drifts from the one that was played.
    std::vector<Board> played{start()};
    std::vector<std::pair<int, int>> jumps;
    for (int n = 0; n < 10; ++n) {
        Board next = played.back();
        for_each_open_jump(next, [&](const OpenJump& jump) {
            if (jumps.size() == static_cast<std::size_t>(n))
                jumps.emplace_back(jump.from, jump.to);
        });
        apply_jump(next, jumps.back().first, jumps.back().second);
        played.push_back(next);
    }
    Board board = played.back();
    for (std::size_t n = jumps.size(); n-- > 0;) {
        take_back_jump(board, jumps[n].first, jumps[n].second);
        EXPECT_EQ(board, played[n]) << "after taking back jump " << n;
    }
}

} // namespace
} // namespace mossaline
