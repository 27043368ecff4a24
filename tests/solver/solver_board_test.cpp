#include "solver/bitboard.h"
#include "solver/board_set.h"
#include "solver/invariants.h"

#include "game/jump_scan.h"
#include "game/move_judge.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

namespace mossaline::solver {
namespace {

std::set<std::pair<int, int>> bit_jumps(Bits bits)
{
    std::set<std::pair<int, int>> open;
    for (const BitJump& j : jumps())
        if ((bits & j.from) && (bits & j.over) && !(bits & j.to))
            open.insert({cell_of_hole(j.from_hole), cell_of_hole(j.to_hole)});
    return open;
}

Bits random_bits(std::mt19937_64& random)
{
    return random() & random() & kAllHoles;
}

// The solver's own jump table must offer exactly the jumps the game allows, the
// cross-column triples included as refusals, or its lines would be refused.
TEST(SolverBoard, JumpsAreTheGamesOwn)
{
    std::mt19937_64 random(11);
    for (int n = 0; n < 500; ++n) {
        const Bits bits = random() & kAllHoles;
        const Board board = board_of(bits);
        ASSERT_EQ(bits_of(board), bits);
        std::set<std::pair<int, int>> game;
        for_each_open_jump(board, [&](const OpenJump& j) { game.insert({j.from, j.to}); });
        ASSERT_EQ(bit_jumps(bits), game);
    }
}

// A wrong symmetry table would merge boards that differ and make the table of dead ends lie.
TEST(SolverBoard, SymmetriesMapTheCrossOntoItself)
{
    std::mt19937_64 random(12);
    for (int n = 0; n < 300; ++n) {
        const Bits bits = random_bits(random);
        for (int s = 0; s < kSymmetries; ++s) {
            const Bits image = transformed(bits, s);
            EXPECT_EQ(marbles_in(image), marbles_in(bits));
            EXPECT_EQ(bit_jumps(image).size(), bit_jumps(bits).size());
            EXPECT_EQ(canonical(image), canonical(bits));
            EXPECT_LE(canonical(bits), image);
        }
    }
    std::set<Bits> images;
    for (int s = 0; s < kSymmetries; ++s)
        images.insert(transformed(Bits{1} << hole_of_cell(4), s)); // an arm's corner: eight distinct places
    EXPECT_EQ(images.size(), 8u);
}

// A full set that refused new boards would stop a search learning its dead ends: a game's
// memory filled by hints on hard boards then made B take seconds instead of milliseconds.
TEST(SolverBoard, AFullSetForgetsItsOldestBoardsNotItsNewest)
{
    BoardSet set(1000);
    const auto key = [](Bits n) { return n * 7919; };
    for (Bits n = 0; n < 5000; ++n)
        set.insert(key(n));
    EXPECT_LE(set.size(), 1000u);
    EXPECT_GE(set.size(), 500u);
    for (Bits n = 4500; n < 5000; ++n)
        ASSERT_TRUE(set.contains(key(n))) << n;
    EXPECT_FALSE(set.contains(key(0)));
    EXPECT_FALSE(set.contains(key(5000)));
}

// The pruning is only sound if no jump can widen the holes a last marble may stand on.
TEST(SolverInvariants, NoJumpWidensThePossibleLastHoles)
{
    EXPECT_EQ(pagodas().size(), 5u); // the corners of all arms, and each arm's corners alone
    for (const Weights& w : pagodas()) {
        EXPECT_TRUE(is_pagoda(w));
        Weights raised = w;
        for (int h = 0; h < kHoles; ++h)
            if (raised[static_cast<std::size_t>(h)] == 0)
                raised[static_cast<std::size_t>(h)] = 2;
        EXPECT_FALSE(is_pagoda(raised)); // the check can fail
    }
    for (int h = 0; h < kHoles; ++h)
        EXPECT_NE(possible_last_holes(Bits{1} << h) & (Bits{1} << h), 0u) << "hole " << h;

    std::mt19937_64 random(13);
    for (int walk = 0; walk < 200; ++walk) {
        Bits bits = random_bits(random) | random_bits(random);
        for (;;) {
            std::vector<BitJump> open;
            for (const BitJump& j : jumps())
                if ((bits & j.from) && (bits & j.over) && !(bits & j.to))
                    open.push_back(j);
            if (open.empty())
                break;
            const BitJump& j = open[random() % open.size()];
            const Bits next = bits ^ (j.from | j.over | j.to);
            ASSERT_EQ(position_class(next), position_class(bits));
            ASSERT_EQ(possible_last_holes(next) & ~possible_last_holes(bits), 0u);
            bits = next;
        }
    }
}

} // namespace
} // namespace mossaline::solver
