#include "losing_game.h"

#include "solver/bar_check.h"

#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "solver/bitboard.h"
#include "solver/finish_table.h"
#include "solver/forward_levels.h"
#include "solver/invariants.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace mossaline::solver {
namespace {

using namespace std::chrono_literals;

// The forward enumeration is the table's only source: its counts up to symmetry are the
// published ones, so a wrong jump or symmetry would show here first.
TEST(SolverTable, BoardsReachedFromTheStartAreTheKnownCounts)
{
    const auto levels = boards_after_jumps(8);
    const std::array<std::size_t, 9> known{1, 1, 3, 11, 60, 297, 1428, 6518, 28242};
    for (std::size_t j = 0; j < known.size(); ++j)
        EXPECT_EQ(levels[j].size(), known[j]) << "after " << j << " jumps";
}

// Self-duality: the complements of the boards reached forwards are exactly the boards of the
// start's class that a backward search from every single marble finds, the last marble
// standing anywhere. A table that missed one would call a winnable board lost.
TEST(SolverTable, ForwardTableIsTheBackwardOneOfTheStartsClass)
{
    constexpr int kMost = 7;
    std::vector<std::set<Bits>> backward(kMost + 1);
    for (int h = 0; h < kHoles; ++h)
        backward[1].insert(canonical(Bits{1} << h));
    for (int k = 1; k < kMost; ++k)
        for (Bits board : backward[static_cast<std::size_t>(k)])
            for (const BitJump& j : jumps())
                if ((board & j.to) && !(board & j.over) && !(board & j.from))
                    backward[static_cast<std::size_t>(k + 1)].insert(canonical(board ^ (j.from | j.over | j.to)));
    const int start_class = position_class(start_bits());
    const FinishTable built = FinishTable::build(kMost);
    const FinishTable& file = FinishTable::get(); // the generator's file of the build tree
    ASSERT_GE(file.most_marbles(), FinishTable::kFileMarbles) << "the generator's table was not found";
    for (int k = 2; k <= kMost; ++k) {
        std::size_t of_class = 0;
        for (Bits board : backward[static_cast<std::size_t>(k)]) {
            const bool in_class = position_class(board) == start_class;
            of_class += in_class;
            // A board of another class may finish away from the centre: the table cannot tell.
            const Finish expected = in_class ? Finish::Yes : Finish::Unknown;
            ASSERT_EQ(built.finishes(board), expected) << k << " marbles";
            ASSERT_EQ(file.finishes(board), expected) << k << " marbles";
        }
        EXPECT_EQ(built.boards(k).size(), of_class) << k << " marbles";
    }
}

// A damaged file must be refused, never read as a table that claims wrong finishes.
TEST(SolverTable, DamagedFileIsRefused)
{
    const auto path = std::filesystem::temp_directory_path() / "mossaline-finishes-test.bin";
    ASSERT_TRUE(FinishTable::build(6).save(path));
    const auto whole = FinishTable::load(path);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->size(), FinishTable::build(6).size());
    const auto size = std::filesystem::file_size(path);
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(size / 2));
        file.put('\x5a');
    }
    EXPECT_FALSE(FinishTable::load(path)) << "a changed byte";
    std::filesystem::resize_file(path, size - 3);
    EXPECT_FALSE(FinishTable::load(path)) << "cut short";
    std::filesystem::remove(path);
}

// A table whose keys were made with other holes, jumps or symmetry keys would look up the
// wrong boards: refused like a damaged one, and the solver makes its own in its place.
TEST(SolverTable, TableOfOtherCodeIsRefusedAndMadeInPlace)
{
    const auto path = std::filesystem::temp_directory_path() / "mossaline-finishes-other-code.bin";
    const FinishTable table = FinishTable::build(6);
    ASSERT_TRUE(table.save(path));
    EXPECT_TRUE(FinishTable::load(path));
    ASSERT_TRUE(table.save(path, FinishTable::code_fingerprint() ^ 1));
    EXPECT_FALSE(FinishTable::load(path));
    EXPECT_EQ(FinishTable::read_or_build(path).most_marbles(), FinishTable::kBuiltMarbles);
    std::filesystem::remove(path);
}

// Boards the table does not hold are unknown to it, never lost: a caller that read them as lost
// would tell a player with a winnable board to give up.
TEST(SolverTable, BoardsBeyondTheTableAreUnknownNotLost)
{
    const FinishTable small = FinishTable::build(6);
    const FinishTable larger = FinishTable::build(7);
    const Bits seven = larger.boards(7).front();
    ASSERT_EQ(larger.finishes(seven), Finish::Yes);
    EXPECT_EQ(small.finishes(seven), Finish::Unknown);
    const Bits six = small.boards(6).front();
    EXPECT_EQ(small.finishes(six), Finish::Yes);
    // Two marbles side by side at the edge of an arm finish, but not in the centre.
    const Bits pair = Bits{1} << hole_of_cell(4) | Bits{1} << hole_of_cell(5);
    ASSERT_NE(position_class(pair), position_class(start_bits()));
    EXPECT_EQ(small.finishes(pair), Finish::Unknown);
}

// A table at odds with itself (it says a board finishes, but no jump from it reaches a board
// it says finishes) must not send the search round a loop while the window waits to join it.
TEST(SolverTable, LineFromATableAtOddsWithItselfEnds)
{
    std::vector<std::vector<Bits>> levels(6);
    for (int k = 1; k <= 5; ++k)
        levels[static_cast<std::size_t>(k)] = FinishTable::build(5).boards(k);
    const FinishTable whole = FinishTable::of_levels(levels);
    const Bits five = levels[5].front();
    const auto line = whole.line_from(five);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->size(), 4u);
    levels[4].clear();
    const FinishTable broken = FinishTable::of_levels(levels);
    ASSERT_EQ(broken.finishes(five), Finish::Yes);
    EXPECT_FALSE(broken.line_from(five));
}

// Each pagoda's bar proves boards lost; a bar claimed from one marble fewer, where it does not
// hold, or a weighting a jump can raise, must be caught, or a changed weight or bar would call
// winnable boards lost.
TEST(SolverBars, EveryPagodaClearsItsBarOnEveryBoardThatFinishes)
{
    for (const Weights& weights : pagodas())
        EXPECT_FALSE(finishing_board_below_bar(weights, kBarMarbles, kPagodaBar))
            << "pagoda " << &weights - pagodas().data();
    bool some_below = false;
    for (const Weights& weights : pagodas())
        if (const auto below = finishing_board_below_bar(weights, kBarMarbles - 1, kPagodaBar)) {
            some_below = true;
            EXPECT_EQ(marbles_in(*below), kBarMarbles - 1);
            int value = 0;
            for (int h = 0; h < kHoles; ++h)
                value += (*below >> h & 1) ? weights[static_cast<std::size_t>(h)] : 0;
            EXPECT_LT(value, kPagodaBar);
            EXPECT_EQ(solve(board_of(*below), {10s}).verdict, Verdict::OneMarbleFinish);
        }
    EXPECT_TRUE(some_below) << "the bar from one marble fewer passes too: the check cannot fail";
    Weights raised = pagodas().front();
    raised[static_cast<std::size_t>(hole_of_cell(kCentreCell))] = 5;
    EXPECT_TRUE(finishing_board_below_bar(raised, kBarMarbles, kPagodaBar)) << "not a pagoda";
}

// The resource count of the literature is the solver's first pagoda, 4 at the start; no jump
// may raise it, or the bar it sets would prove winnable boards lost.
TEST(SolverTable, ResourceCountIsNeverRaisedByAJump)
{
    // Rows top to bottom; the arms are three wide, the middle rows nine.
    const std::array<std::array<int, 9>, 9> literature{{
        {0, 0, 0, -1, 0, -1, 0, 0, 0},
        {0, 0, 0, 1, 0, 1, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {-1, 1, 0, 1, 0, 1, 0, 1, -1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {-1, 1, 0, 1, 0, 1, 0, 1, -1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 1, 0, 1, 0, 0, 0},
        {0, 0, 0, -1, 0, -1, 0, 0, 0},
    }};
    const Weights& count = pagodas().front();
    int at_start = 0;
    for (int h = 0; h < kHoles; ++h) {
        const int weight
            = literature[static_cast<std::size_t>(row_of_hole(h))][static_cast<std::size_t>(column_of_hole(h))];
        EXPECT_EQ(count[static_cast<std::size_t>(h)], weight) << "hole " << h;
        at_start += (start_bits() >> h & 1) ? weight : 0;
    }
    EXPECT_EQ(at_start, 4);
    for (const BitJump& j : jumps())
        EXPECT_GE(count[static_cast<std::size_t>(j.from_hole)] + count[static_cast<std::size_t>(j.over_hole)],
            count[static_cast<std::size_t>(j.to_hole)]);
}

// A game along a winning line that turns lost at a known jump: the last winnable board is the
// one before that jump, found again with a memory that already knows some of the dead ends.
TEST(SolverTable, LastWinnableBoardIsTheOneBeforeTheLosingJump)
{
    const testing::LosingGame game = testing::losing_game(30, 2); // down to 14 marbles, then lost
    ASSERT_GT(game.losing_jump, 0u) << "every jump from there still wins";
    const std::size_t losing_jump = game.losing_jump;
    Memory memory;
    for (int run = 0; run < 2; ++run) {
        const auto last = last_winnable(game.boards, {10s}, &memory);
        ASSERT_TRUE(last);
        EXPECT_EQ(*last, losing_jump - 1);
        EXPECT_GT(memory.size(), 0u);
    }
}

} // namespace
} // namespace mossaline::solver
