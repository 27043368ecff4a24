#include "losing_game.h"

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
            ASSERT_EQ(built.finishes(board), in_class) << k << " marbles";
            ASSERT_EQ(file.finishes(board), in_class) << k << " marbles";
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
