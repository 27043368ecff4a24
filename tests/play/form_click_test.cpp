#include "play_geometry.h"
#include "play_table.h"

#include "ui_model/colour.h"
#include "ui_model/marker_grid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace mossaline::testing {
namespace {

Board start_position()
{
    Board board;
    set_start_position(board);
    return board;
}

// The start position with some holes emptied or filled.
Board start_with(std::initializer_list<int> empty, std::initializer_list<int> full = {})
{
    Board board = start_position();
    for (int cell : empty)
        board.set(cell, Cell::Empty);
    for (int cell : full)
        board.set(cell, Cell::Marble);
    return board;
}

TwipsRect marker_on(int column, int row)
{
    return TwipsRect{marker_grid::left_of(column), marker_grid::top_of(row), 495, 375};
}

std::set<int> sources_of(const std::vector<GeometricJump>& jumps)
{
    std::set<int> sources;
    for (const GeometricJump& jump : jumps)
        sources.insert(jump.from);
    return sources;
}

// Cells whose marble disc is drawn light yellow.
std::set<int> lit_cells(const Form1Names& form)
{
    std::set<int> lit;
    for (int cell = 0; cell <= 81; ++cell)
        if (const Control* disc = form.Shape3(cell); disc && disc->fill_colour == Colour{0xC0FFFF})
            lit.insert(cell);
    return lit;
}

class FormClick : public ::testing::Test {
protected:
    PlayTable table;
    void SetUp() override { table.load(); }
    std::vector<Cue>& cues() { return table.cues.played; }
    // Clicks and returns the cues of that click alone.
    std::vector<Cue> click(float x, float y)
    {
        cues().clear();
        table.click(x, y);
        return cues();
    }
    std::vector<Cue> click_cell(int column, int row) { return click(column_middle(column), row_middle(row)); }
};

TEST_F(FormClick, TheFirstClickStartsFromTheDesignMarkerAndARestartKeepsTheMarker)
{
    ASSERT_EQ(table.marker_cell(), 39);
    EXPECT_EQ(click_cell(4, 4), (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(table.module.board, start_with({39, 40}, {41}));
    EXPECT_EQ(table.form.Shape5.box, marker_on(4, 4));

    table.form.Label2_Click();
    EXPECT_EQ(table.form.Shape5.box, marker_on(4, 4)) << "a restart leaves the marker";
    EXPECT_EQ(table.module.board, start_position());
    // So the first click after it starts from the centre: the centre is empty again.
    EXPECT_EQ(click_cell(4, 6), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.module.board, start_position());
    EXPECT_EQ(click_cell(4, 4), (std::vector<Cue>{Cue::Gain})) << "43 jumps back up into 41";
    EXPECT_EQ(table.module.board, start_with({42, 43}, {41}));
    EXPECT_EQ(table.module.marbles_left, 43);
    EXPECT_EQ(table.form.Label5.caption, "43");
}

TEST_F(FormClick, AClickOnTheMarkersOwnCellMovesNothingButTheRestStillRuns)
{
    table.module.show_moves = 1;
    table.module.moves_possible = -7;
    EXPECT_EQ(click_cell(4, 2), (std::vector<Cue>{Cue::Normal}));
    EXPECT_EQ(table.marker_cell(), 39);
    EXPECT_EQ(table.module.board, start_position());
    EXPECT_EQ(table.module.marbles_left, 44);
    EXPECT_EQ(table.module.moves_possible, 4) << "the moves were counted";
    for (int cell : {23, 39, 43, 59})
        EXPECT_EQ(table.form.Shape3(cell)->fill_colour, Colour{0xC0FFFF}) << "the display was refreshed, " << cell;
    EXPECT_EQ(table.form.result(), nullptr);

    // With no move left, the same click opens the report.
    table.place(board_with_marbles({39, 52}));
    EXPECT_EQ(click_cell(4, 2), (std::vector<Cue>{Cue::Normal, Cue::Yahoo}));
    ASSERT_NE(table.form.result(), nullptr);
    EXPECT_TRUE(table.form.result()->visible());
    EXPECT_EQ(table.form.result()->Label5.caption, "2");
}

TEST_F(FormClick, ClicksOutsideEveryBandLeaveTheMarker)
{
    // Before any motion the position reads as (0, 0): no band holds.
    table.form.Form_Click();
    EXPECT_EQ(cues(), (std::vector<Cue>{Cue::Normal}));
    EXPECT_EQ(table.form.Shape5.box, (TwipsRect{3960, 2100, 495, 375}));

    click_cell(3, 4);
    ASSERT_EQ(table.form.Shape5.box, marker_on(3, 4));
    const std::pair<float, float> nowhere[] = {
        {1000, 500},
        {9500, 6500},
        {3900, 1400},
        {1500, 2600},
        {6900, 4400},
        {4500, 6200},
        {5100, 800},
    };
    for (auto [x, y] : nowhere) {
        EXPECT_EQ(click(x, y), (std::vector<Cue>{Cue::Normal})) << x << ", " << y;
        EXPECT_EQ(table.form.Shape5.box, marker_on(3, 4)) << x << ", " << y;
    }
    EXPECT_EQ(table.module.board, start_position());
}

TEST_F(FormClick, ABandBesideTheBoardMovesOnlyItsOwnLine)
{
    // Left of the board at row 4's height: the row changes, the marker keeps its design
    // Left in column 4, and that is the jump from 39 into the centre.
    EXPECT_EQ(click(1000, row_middle(4)), (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(table.form.Shape5.box, (TwipsRect{3960, marker_grid::top_of(4), 495, 375}));
    EXPECT_EQ(table.marker_cell(), 41);
    // Above the board over column 3: the column changes, row 4 stays.
    EXPECT_EQ(click(column_middle(3), 500), (std::vector<Cue>{Cue::Normal}));
    EXPECT_EQ(table.form.Shape5.box, marker_on(3, 4));
    // Below the board over column 5: 32 to 50 is a line, but 50 holds a marble.
    EXPECT_EQ(click(column_middle(5), 6500), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.form.Shape5.box, marker_on(5, 4));
    // Right of the board at row 5's height.
    EXPECT_EQ(click(9500, row_middle(5)), (std::vector<Cue>{Cue::Normal}));
    EXPECT_EQ(table.form.Shape5.box, marker_on(5, 5));
}

TEST(FormClickCorners, ColumnEdgesInsideTheArmWidthLeadOntoCornerCells)
{
    const Board start = start_position();
    for (int column : {0, 1, 2, 6, 7, 8})
        for (int from_row : {3, 4, 5})
            for (float edge : {3900.0f, 4500.0f})
                for (int to_row : {0, 1, 2, 6, 7, 8}) {
                    const std::string where = "column " + std::to_string(column) + " row " + std::to_string(from_row)
                        + " to row " + std::to_string(to_row) + " at x " + std::to_string(static_cast<int>(edge));
                    PlayTable table;
                    table.load();
                    table.click_cell(column, from_row); // from 39: never a line, never a jump
                    ASSERT_EQ(table.cues.played, (std::vector<Cue>{Cue::Normal})) << where;
                    table.cues.played.clear();

                    // Only the row moves: the marker lands in a corner, or for column 8 and
                    // the lower rows on grid positions that have no board slot at all.
                    // Board::at throws outside its slots, so finishing proves it unread there.
                    table.click(edge, row_middle(to_row));
                    EXPECT_EQ(table.form.Shape5.box, marker_on(column, to_row)) << where;
                    const bool two_apart = to_row - from_row == 2 || from_row - to_row == 2;
                    EXPECT_EQ(table.cues.played, (std::vector<Cue>{two_apart ? Cue::Loss : Cue::Normal})) << where;
                    EXPECT_EQ(table.module.board, start) << where;
                    EXPECT_EQ(table.module.marbles_left, 44) << where;
                    EXPECT_EQ(table.form.Label5.caption, "44") << where;
                }
}

TEST_F(FormClick, GridPositionsWithoutABoardSlotAreNeverRead)
{
    const Board start = start_position();
    // Column edge with the marker in column 8: (8, 5) = 78 drops two rows onto 80.
    click_cell(8, 5);
    EXPECT_EQ(click(3900, row_middle(7)), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.marker_cell(), 80);
    // From 80 back up to 78: the source has no slot.
    EXPECT_EQ(click_cell(8, 5), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.marker_cell(), 78);
    // (8, 4) = 77 down onto 79, then 79 on to 81 and back: every cell slotless.
    click_cell(8, 4);
    EXPECT_EQ(click(4500, row_middle(6)), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.marker_cell(), 79);
    EXPECT_EQ(click(3900, row_middle(8)), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.marker_cell(), 81);
    EXPECT_EQ(click(4500, row_middle(7)), (std::vector<Cue>{Cue::Normal})) << "one row apart is no line";
    EXPECT_EQ(table.marker_cell(), 80);

    // Row edge with the marker in rows 6..8: only the column moves, onto column 8.
    click(4500, row_middle(4)); // column 8, row 4 (the row alone moves)
    click(4500, row_middle(6)); // column 8, row 6 = 79
    click_cell(6, 4); // 59
    click(4500, row_middle(6)); // the corner cell 61
    ASSERT_EQ(table.marker_cell(), 61);
    EXPECT_EQ(click(column_middle(8), 3800), (std::vector<Cue>{Cue::Loss}))
        << "61 to 79: a row's line, target slotless";
    EXPECT_EQ(table.marker_cell(), 79);
    click_cell(4, 7); // 44
    EXPECT_EQ(click(column_middle(8), 3200), (std::vector<Cue>{Cue::Normal})) << "44 to 80 is no line";
    EXPECT_EQ(table.marker_cell(), 80);
    click_cell(5, 8); // 54
    click(column_middle(6), 3800); // 63, a corner
    EXPECT_EQ(table.marker_cell(), 63);
    EXPECT_EQ(click(column_middle(8), 3200), (std::vector<Cue>{Cue::Loss})) << "63 to 81";
    EXPECT_EQ(table.marker_cell(), 81);

    EXPECT_EQ(table.module.board, start);
    EXPECT_EQ(table.module.marbles_left, 44);
    EXPECT_EQ(table.shown_discs().size(), 44u);
}

TEST_F(FormClick, AMarbleTwoAwayIsRefusedThenTheHoleBeyondTakesIt)
{
    const Board board = start_with({40, 43}, {41});
    table.place(board);
    EXPECT_EQ(click_cell(4, 4), (std::vector<Cue>{Cue::Loss}));
    EXPECT_EQ(table.form.Shape5.box, marker_on(4, 4));
    EXPECT_EQ(table.module.board, board);

    EXPECT_EQ(click_cell(4, 6), (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(table.module.board, start_with({40, 41, 42}, {43}));
    EXPECT_EQ(table.module.marbles_left, 42);
    EXPECT_EQ(table.form.Label5.caption, "42");
    EXPECT_EQ(table.shown_discs(), marble_cells(table.module.board));
    EXPECT_EQ(table.shown_highlights(), marble_cells(table.module.board));
}

TEST(FormClickRefused, JumpsOverOrFromAnEmptyHoleOrOntoAMarbleAreRefused)
{
    const struct {
        const char* what;
        Cell source, middle, target;
    } refused[] = {
        {"over an empty hole", Cell::Marble, Cell::Empty, Cell::Empty},
        {"from an empty hole", Cell::Empty, Cell::Marble, Cell::Empty},
        {"onto a marble", Cell::Marble, Cell::Marble, Cell::Marble},
        {"with all three empty", Cell::Empty, Cell::Empty, Cell::Empty},
    };
    // Down column 4 from 39, and along row 4 from 23, both into the centre.
    const int lines[][3] = {{39, 40, 41}, {23, 32, 41}};
    for (const auto& line : lines)
        for (const auto& [what, source, middle, target] : refused) {
            PlayTable table;
            table.load();
            table.click_cell(column_of(line[0]), row_of(line[0])); // from 39: never a jump
            Board position = start_position();
            position.set(line[0], source);
            position.set(line[1], middle);
            position.set(line[2], target);
            table.place(position);
            table.cues.played.clear();
            table.click_cell(4, 4);
            EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Loss})) << what << " from " << line[0];
            EXPECT_EQ(table.module.board, position) << what << " from " << line[0];
            EXPECT_EQ(table.marker_cell(), 41) << what << " from " << line[0];
            EXPECT_EQ(table.shown_discs(), marble_cells(position)) << what << " from " << line[0];
        }
}

TEST(FormClickCrossColumn, PairsAcrossAColumnsFootAreNoMove)
{
    for (auto [source, target] :
        {std::pair{35, 37}, {37, 35}, {36, 38}, {38, 36}, {44, 46}, {46, 44}, {45, 47}, {47, 45}}) {
        PlayTable table;
        table.load();
        const Board board = start_with({target});
        table.place(board);
        table.click_cell(column_of(source), row_of(source));
        ASSERT_EQ(table.marker_cell(), source);
        table.cues.played.clear();
        table.click_cell(column_of(target), row_of(target));
        EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Normal})) << source << " to " << target;
        EXPECT_EQ(table.module.board, board) << source << " to " << target;
        EXPECT_EQ(table.module.marbles_left, 43) << source << " to " << target;
        EXPECT_EQ(table.marker_cell(), target);
    }
}

TEST(FormClickHidden, HiddenMarkerAndCountKeepWorking)
{
    PlayTable hidden;
    PlayTable shown;
    hidden.load();
    shown.load();
    shown.form.Check3.checked = 1;
    shown.form.Check3_Click();
    hidden.form.Check4.checked = 0;
    hidden.form.Check4_Click();
    for (PlayTable* table : {&hidden, &shown}) {
        table->click_cell(4, 4);
        table->click_cell(2, 4);
        table->click_cell(3, 4);
    }
    EXPECT_FALSE(hidden.form.Shape5.visible);
    EXPECT_TRUE(shown.form.Shape5.visible);
    EXPECT_EQ(hidden.form.Shape5.box, shown.form.Shape5.box);
    EXPECT_EQ(hidden.module.board, shown.module.board);
    EXPECT_EQ(hidden.cues.played, shown.cues.played);
    EXPECT_EQ(hidden.cues.played, (std::vector<Cue>{Cue::Gain, Cue::Loss, Cue::Normal}));

    EXPECT_FALSE(hidden.form.Label5.visible);
    EXPECT_EQ(hidden.form.Label5.caption, "43");
    EXPECT_EQ(hidden.module.marbles_left, 43);
}

TEST_F(FormClick, TheLastJumpsCueEndsBeforeTheReportShows)
{
    struct Moment {
        Cue cue;
        bool report_loaded;
        bool report_visible;
        std::string rating;
    };
    std::vector<Moment> moments;
    table.cues.while_playing = [&](Cue cue) {
        const Result* report = table.form.result();
        moments.push_back({cue, report && report->loaded(), report && report->visible(),
            report ? report->Label4.caption : std::string()});
    };
    table.place(board_with_marbles({39, 40}));
    click_cell(4, 4);
    ASSERT_EQ(moments.size(), 2u);
    EXPECT_EQ(moments[0].cue, Cue::Gain);
    EXPECT_FALSE(moments[0].report_loaded) << "the report waits for the jump's cue";
    EXPECT_EQ(moments[1].cue, Cue::Yahoo);
    EXPECT_TRUE(moments[1].report_loaded);
    EXPECT_FALSE(moments[1].report_visible) << "the cheer ends before the report is on the screen";
    EXPECT_EQ(moments[1].rating, "are Genious.");
    ASSERT_NE(table.form.result(), nullptr);
    EXPECT_TRUE(table.form.result()->visible());

    // The same once the report exists but was closed: hidden through the next last jump.
    table.form.result()->Command1_Click();
    table.form.Label2_Click();
    table.place(board_with_marbles({40, 41, 52}));
    moments.clear();
    click_cell(4, 2); // 41 over 40 into 39
    ASSERT_EQ(moments.size(), 2u);
    EXPECT_EQ(moments[0].cue, Cue::Gain);
    EXPECT_FALSE(moments[0].report_loaded);
    EXPECT_FALSE(moments[0].report_visible);
    EXPECT_EQ(moments[1].cue, Cue::Yahoo);
    EXPECT_FALSE(moments[1].report_visible);
    EXPECT_EQ(moments[1].rating, "are intelligent.");
    EXPECT_TRUE(table.form.result()->visible());
}

TEST(FormClickSilent, WithoutSoundEveryOutcomeIsTheSame)
{
    PlayTable loud;
    PlayTable silent;
    for (PlayTable* table : {&loud, &silent}) {
        table->load();
        table->place(board_with_marbles({39, 40, 51}));
    }
    silent.form.Check5.checked = 0;
    silent.form.Check5_Click();
    for (PlayTable* table : {&loud, &silent}) {
        table->click(1000, 500); // the margin
        table->click_cell(4, 0); // 39 over the empty 38
        table->click_cell(4, 2); // from the empty 37
        table->click_cell(4, 4); // 39 over 40 into 41: two marbles left, none can move
    }
    EXPECT_EQ(loud.cues.played, (std::vector<Cue>{Cue::Normal, Cue::Loss, Cue::Loss, Cue::Gain, Cue::Yahoo}));
    EXPECT_TRUE(silent.cues.played.empty());
    EXPECT_EQ(silent.module.board, loud.module.board);
    EXPECT_EQ(silent.module.board, board_with_marbles({41, 51}));
    EXPECT_EQ(silent.form.Shape5.box, loud.form.Shape5.box);
    EXPECT_EQ(silent.form.Label5.caption, "2");
    EXPECT_EQ(silent.shown_discs(), loud.shown_discs());
    ASSERT_NE(silent.form.result(), nullptr);
    EXPECT_TRUE(silent.form.result()->visible());
    EXPECT_EQ(silent.form.result()->Label4.caption, "are intelligent.");
}

TEST_F(FormClick, ThePossibleMovesAreRedrawnAfterTheCue)
{
    table.form.Check2.checked = 1;
    table.form.Check2_Click();
    table.form.count_left();
    Colour source_during_cue{};
    int count_during_cue = -1;
    table.cues.while_playing = [&](Cue) {
        source_during_cue = table.form.Shape3(39)->fill_colour;
        count_during_cue = table.module.moves_possible;
    };
    click_cell(4, 4);
    EXPECT_EQ(source_during_cue, Colour{0xC0FFFF}) << "the display waits for the cue";
    EXPECT_EQ(count_during_cue, 4) << "the count waits for the cue";
    const auto jumps = geometric_jumps(table.module.board);
    EXPECT_EQ(table.module.moves_possible, static_cast<int>(jumps.size()));
    const std::set<int> sources = sources_of(jumps);
    EXPECT_EQ(lit_cells(table.form), sources);

    // Without the option a jump leaves the colours as they were, stale or not.
    table.module.show_moves = 0;
    table.cues.while_playing = nullptr;
    click_cell(4, 0);
    ASSERT_EQ(click_cell(4, 2), (std::vector<Cue>{Cue::Gain})) << "37 over 38 into 39";
    EXPECT_EQ(lit_cells(table.form), sources);
    EXPECT_NE(sources_of(geometric_jumps(table.module.board)), sources) << "the jump changed which marbles can move";
}

} // namespace
} // namespace mossaline::testing
