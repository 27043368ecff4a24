#include "play_table.h"

#include "ui_model/colour.h"
#include "ui_model/marker_grid.h"

#include <gtest/gtest.h>

namespace mossaline::testing {
namespace {

constexpr float kColumn4 = 4200; // inside column 4's band
constexpr float kRow4 = 3500; // inside row 4's band

// Where the hover marker stands, as (Left, Top).
std::pair<int, int> hover(const PlayTable& table)
{
    return {table.form.Shape4.box.left, table.form.Shape4.box.top};
}

std::pair<int, int> hover_on(int column, int row)
{
    return {hover_grid::left_of(column), hover_grid::top_of(row)};
}

class Hover : public ::testing::Test {
protected:
    PlayTable table;
    void SetUp() override { table.load(); }
    // The marker over a cell, whatever the bands do.
    std::pair<int, int> after_move(float x, float y)
    {
        table.move(x, y);
        return hover(table);
    }
};

TEST_F(Hover, EveryRowEdgeHoldsTheMarkerAndEachSideOfItMovesIt)
{
    for (int edge = 0; edge <= 9; ++edge) {
        const float y = 800.0f + 600.0f * static_cast<float>(edge);
        if (edge > 0) {
            EXPECT_EQ(after_move(kColumn4, y - 0.5f), hover_on(4, edge - 1)) << "just above edge " << y;
            EXPECT_EQ(after_move(kColumn4, y), hover_on(4, edge - 1)) << "on edge " << y << " coming from above";
        }
        if (edge < 9) {
            EXPECT_EQ(after_move(kColumn4, y + 0.5f), hover_on(4, edge)) << "just below edge " << y;
            EXPECT_EQ(after_move(kColumn4, y), hover_on(4, edge)) << "on edge " << y << " coming from below";
        }
    }
}

TEST_F(Hover, EveryColumnEdgeHoldsTheMarkerAndEachSideOfItMovesIt)
{
    for (int edge = 0; edge <= 9; ++edge) {
        const float x = 1500.0f + 600.0f * static_cast<float>(edge);
        if (edge > 0) {
            EXPECT_EQ(after_move(x - 0.5f, kRow4), hover_on(edge - 1, 4)) << "just left of edge " << x;
            EXPECT_EQ(after_move(x, kRow4), hover_on(edge - 1, 4)) << "on edge " << x << " coming from the left";
        }
        if (edge < 9) {
            EXPECT_EQ(after_move(x + 0.5f, kRow4), hover_on(edge, 4)) << "just right of edge " << x;
            EXPECT_EQ(after_move(x, kRow4), hover_on(edge, 4)) << "on edge " << x << " coming from the right";
        }
    }
}

TEST_F(Hover, ArmBandsHoldOnlyWithinTheArmsWidth)
{
    for (int row : {0, 1, 2, 6, 7, 8}) {
        const float y = row_middle(row);
        after_move(kColumn4, kRow4);
        EXPECT_EQ(after_move(3300, y), hover_on(4, 4)) << "row " << row << " at the arm's left side";
        EXPECT_EQ(after_move(3299.5f, y), hover_on(4, 4)) << "row " << row << " just outside the arm";
        EXPECT_EQ(after_move(3300.5f, y), hover_on(3, row)) << "row " << row << " just inside the arm";
        after_move(kColumn4, kRow4);
        EXPECT_EQ(after_move(5100, y), hover_on(4, 4)) << "row " << row << " at the arm's right side";
        EXPECT_EQ(after_move(5100.5f, y), hover_on(4, 4)) << "row " << row << " just outside the arm";
        EXPECT_EQ(after_move(5099.5f, y), hover_on(5, row)) << "row " << row << " just inside the arm";
    }
    for (int column : {0, 1, 2, 6, 7, 8}) {
        const float x = column_middle(column);
        after_move(kColumn4, kRow4);
        EXPECT_EQ(after_move(x, 2600), hover_on(4, 4)) << "column " << column << " at the arm's top";
        EXPECT_EQ(after_move(x, 2599.5f), hover_on(4, 4)) << "column " << column << " just outside the arm";
        EXPECT_EQ(after_move(x, 2600.5f), hover_on(column, 3)) << "column " << column << " just inside the arm";
        after_move(kColumn4, kRow4);
        EXPECT_EQ(after_move(x, 4400), hover_on(4, 4)) << "column " << column << " at the arm's foot";
        EXPECT_EQ(after_move(x, 4400.5f), hover_on(4, 4)) << "column " << column << " just outside the arm";
        EXPECT_EQ(after_move(x, 4399.5f), hover_on(column, 5)) << "column " << column << " just inside the arm";
    }
}

TEST_F(Hover, BesideTheBoardOnlyTheLineWhoseBandHoldsMoves)
{
    after_move(3600, 2300);
    ASSERT_EQ(hover(table), hover_on(3, 2));
    EXPECT_EQ(after_move(1000, kRow4), hover_on(3, 4)) << "left of the board at row 4's height";
    EXPECT_EQ(after_move(4800, 500), hover_on(5, 4)) << "above the board over column 5";
    EXPECT_EQ(after_move(9000, 2900), hover_on(5, 3)) << "right of the board at row 3's height";
    EXPECT_EQ(after_move(3600, 6500), hover_on(3, 3)) << "below the board over column 3";
}

TEST_F(Hover, MarginsAndEdgeCrossingsLeaveTheMarkerButRecordThePosition)
{
    const std::pair<int, int> design{3960, 2040};
    const std::pair<float, float> nowhere[] = {
        {0, 0},
        {100, 6600},
        {9800, 100},
        {9800, 6600},
        {1000, 500},
        {8000, 6000},
        {3900, 1400},
        {1500, 2600},
        {6900, 4400},
        {4500, 6200},
        {3300, 800},
    };
    for (auto [x, y] : nowhere) {
        EXPECT_EQ(after_move(x, y), design) << x << ", " << y;
        EXPECT_TRUE(table.form.Shape4.visible);
        EXPECT_EQ(table.module.pointer_x, x);
        EXPECT_EQ(table.module.pointer_y, y);
    }
}

TEST_F(Hover, JustBelowTheTopEdgeTheHoverReachesRowZeroButTheClickDoesNot)
{
    const TwipsRect marker = table.form.Shape5.box; // design place over cell 39
    table.move(kColumn4, 800.4f);
    EXPECT_EQ(hover(table), hover_on(4, 0));
    EXPECT_EQ(table.module.pointer_y, 800);
    table.form.Form_Click();
    EXPECT_EQ(table.form.Shape5.box.top, marker.top) << "the stored 800 lies in no row band";
    EXPECT_EQ(table.form.Shape5.box.left, marker_grid::left_of(4));
    EXPECT_EQ(table.marker_cell(), 39);
    EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Normal}));

    // Halfway heights round to the even neighbour, so 1400.5 is stored as the edge itself.
    table.move(kColumn4, 1400.5f);
    EXPECT_EQ(hover(table), hover_on(4, 1));
    EXPECT_EQ(table.module.pointer_y, 1400);
    table.form.Form_Click();
    EXPECT_EQ(table.marker_cell(), 39);
    table.move(kColumn4, 1401.5f);
    EXPECT_EQ(table.module.pointer_y, 1402);
    table.form.Form_Click();
    EXPECT_EQ(table.marker_cell(), 38);
}

TEST_F(Hover, HeightsBeyondSixteenBitsAreClampedIntoNoBand)
{
    table.click_cell(4, 4); // the first jump; the marker now stands on the centre
    const struct {
        float y;
        std::int16_t stored;
    } far[] = {{40000, 32767}, {1e6f, 32767}, {32767.4f, 32767}, {32766.5f, 32766}, {-40000, -32768}, {-1e6f, -32768}};
    for (auto [y, stored] : far) {
        EXPECT_EQ(after_move(kColumn4, y), hover_on(4, 4)) << y;
        EXPECT_EQ(table.module.pointer_y, stored) << y;
        table.cues.played.clear();
        table.form.Form_Click();
        EXPECT_EQ(table.marker_cell(), 41) << "a clamped height moves no row, " << y;
        EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Normal})) << y;
    }
}

TEST_F(Hover, MotionOverTheSurfaceEndsTheCommandLabelsFlicker)
{
    table.form.Label2_MouseMove();
    EXPECT_TRUE(table.form.Timer1.enabled);
    EXPECT_EQ(table.module.hover_label, -1);
    table.form.Label2.fore_colour = Colour::rgb(200, 170, 240);
    table.form.Label1.fore_colour = Colour::rgb(160, 250, 190);
    table.move(100, 100); // the margin: the marker stays, the flicker ends all the same
    EXPECT_FALSE(table.form.Timer1.enabled);
    EXPECT_EQ(table.form.Label1.fore_colour, Colour{0x00C0C0});
    EXPECT_EQ(table.form.Label2.fore_colour, Colour{0x00C0C0});
    EXPECT_EQ(table.module.hover_label, -1) << "the label entered last is remembered";
}

} // namespace
} // namespace mossaline::testing
