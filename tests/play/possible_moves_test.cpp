#include "play_geometry.h"
#include "play_table.h"

#include "ui_model/colour.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

namespace mossaline::testing {
namespace {

constexpr Colour kGrey{0x808080};
constexpr Colour kLightYellow{0xC0FFFF};

std::string colour_name(Colour colour)
{
    if (colour == kGrey)
        return "grey";
    if (colour == kLightYellow)
        return "light yellow";
    return "colour " + std::to_string(colour.value);
}

// Fill colour of every marble disc, shown or hidden, by cell.
std::map<int, std::string> disc_colours(const Form1Names& form)
{
    std::map<int, std::string> colours;
    for (int cell = 0; cell <= 81; ++cell)
        if (const Control* disc = form.Shape3(cell))
            colours[cell] = colour_name(disc->fill_colour);
    return colours;
}

// What the display should show: light yellow exactly on the given cells, grey elsewhere.
std::map<int, std::string> expected_colours(const std::set<int>& movable)
{
    std::map<int, std::string> colours;
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row)
            if (on_cross(column, row)) {
                const int cell = cell_index(column, row);
                colours[cell] = colour_name(movable.contains(cell) ? kLightYellow : kGrey);
            }
    return colours;
}

std::set<int> sources_of(const std::vector<GeometricJump>& jumps)
{
    std::set<int> sources;
    for (const GeometricJump& jump : jumps)
        sources.insert(jump.from);
    return sources;
}

void paint_every_disc(Form1Names& form, Colour colour)
{
    for (int cell = 0; cell <= 81; ++cell)
        if (Control* disc = form.Shape3(cell))
            disc->fill_colour = colour;
}

TEST(PossibleMoves, StartPositionLightsTheFourMarblesThatReachTheCentre)
{
    PlayTable table;
    table.load();
    table.form.possible_moves();
    EXPECT_EQ(disc_colours(table.form), expected_colours({23, 39, 43, 59}));
    // Two calls on the same board agree, and neither touches the board or the count.
    table.form.possible_moves();
    EXPECT_EQ(disc_colours(table.form), expected_colours({23, 39, 43, 59}));
    Board start;
    set_start_position(start);
    EXPECT_EQ(table.module.board, start);
    EXPECT_EQ(table.module.moves_possible, 0) << "possible_moves counts nothing";
    EXPECT_EQ(table.shown_discs().size(), 44u) << "possible_moves shows and hides nothing";
}

TEST(PossibleMoves, StaleColoursOfHiddenAndShownDiscsAreReset)
{
    PlayTable table;
    table.load();
    // Scattered marbles: no jump anywhere, yet every disc was yellow before.
    table.place(board_with_marbles({4, 6, 22, 24, 30, 34, 41, 48, 52, 58, 60, 76, 78}));
    paint_every_disc(table.form, kLightYellow);
    table.form.possible_moves();
    EXPECT_EQ(disc_colours(table.form), expected_colours({}));
    table.form.count_left();
    EXPECT_EQ(table.module.moves_possible, 0);
}

TEST(PossibleMoves, CrossColumnLinesLightNothingButTheirNeighboursDo)
{
    PlayTable table;
    table.load();
    // Each line runs off the foot of one column onto the head of the next: its end
    // marble stays grey, while the middle one may still jump the other way in its column.
    const struct {
        std::vector<int> marbles;
        int grey;
        std::set<int> movable;
    } crossing[] = {
        {{35, 36}, 35, {36}},
        {{36, 37}, 37, {}},
        {{37, 38}, 38, {37}},
        {{44, 45}, 44, {45}},
        {{45, 46}, 46, {}},
        {{46, 47}, 47, {46}},
    };
    for (const auto& [marbles, grey, movable] : crossing) {
        table.place(board_with_marbles(marbles));
        paint_every_disc(table.form, kLightYellow);
        table.form.possible_moves();
        table.form.count_left();
        EXPECT_EQ(disc_colours(table.form), expected_colours(movable)) << grey << " next to " << marbles.front();
        EXPECT_EQ(table.module.moves_possible, static_cast<int>(movable.size())) << grey;
    }
    // Lines inside one column next to them, and the last starts of the scan, do light up.
    const std::pair<std::vector<int>, std::set<int>> lit[] = {
        {{34, 35}, {34, 35}},
        {{38, 39}, {38, 39}},
        {{76, 77}, {76}},
        {{77, 78}, {78}},
        {{60, 69}, {60, 69}},
        {{69, 78}, {78}},
        {{4, 5, 13}, {4}},
    };
    for (const auto& [marbles, movable] : lit) {
        table.place(board_with_marbles(marbles));
        table.form.possible_moves();
        EXPECT_EQ(disc_colours(table.form), expected_colours(movable)) << "marbles from " << marbles.front();
    }
}

TEST(PossibleMoves, TheNextCallFollowsTheMarblesThatMoved)
{
    PlayTable table;
    table.load();
    // 39 can jump into 41 (and 40 up into 38); landed on 41 it can go on over 42 or over 50.
    table.place(board_with_marbles({39, 40, 42, 50}));
    table.module.show_moves = 1;
    table.form.possible_moves();
    EXPECT_EQ(disc_colours(table.form), expected_colours({39, 40}));

    table.click_cell(4, 4);
    ASSERT_EQ(table.cues.played, (std::vector<Cue>{Cue::Gain}));
    // The disc left behind is grey though hidden; the one landed on took its colour.
    EXPECT_FALSE(table.form.Shape3(39)->visible);
    EXPECT_EQ(colour_name(table.form.Shape3(39)->fill_colour), "grey");
    EXPECT_EQ(colour_name(table.form.Shape3(41)->fill_colour), "light yellow");
    EXPECT_EQ(disc_colours(table.form), expected_colours({41, 42, 50}));
}

TEST(PossibleMoves, MatchTheGeometryOfRandomBoards)
{
    PlayTable table;
    table.load();
    std::mt19937 random(7103);
    for (int round = 0; round < 3000; ++round) {
        const double density = std::uniform_real_distribution<double>(0.1, 0.95)(random);
        std::bernoulli_distribution marble(density);
        std::vector<int> marbles;
        for (int column = 0; column < 9; ++column)
            for (int row = 0; row < 9; ++row)
                if (on_cross(column, row) && marble(random))
                    marbles.push_back(cell_index(column, row));
        const Board board = board_with_marbles(marbles);
        // Straight into the shared board, the way a run of jumps leaves it; the discs keep
        // whatever colours the previous round gave them.
        table.module.board = board;
        const auto jumps = geometric_jumps(board);

        table.form.count_left();
        ASSERT_EQ(table.module.moves_possible, static_cast<int>(jumps.size())) << "round " << round;
        table.form.possible_moves();
        ASSERT_EQ(disc_colours(table.form), expected_colours(sources_of(jumps))) << "round " << round;
        ASSERT_EQ(table.module.board, board) << "round " << round;
        ASSERT_EQ(table.module.moves_possible, static_cast<int>(jumps.size())) << "round " << round;
    }
}

} // namespace
} // namespace mossaline::testing
