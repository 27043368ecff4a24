#include "form1_fixture.h"

#include "game/grid.h"

namespace mossaline::testing {
namespace {

using Form1Click = Form1Fixture;

TEST_F(Form1Click, FirstClickOnTheCentreJumpsTheMarbleAboveIt)
{
    load();
    click_cell(4, 4);
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(module.board.at(39), Cell::Empty);
    EXPECT_EQ(module.board.at(40), Cell::Empty);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_EQ(form.Label5.caption, "43");
    EXPECT_EQ(module.marbles_left, 43);
    EXPECT_FALSE(form.Shape3(39)->visible);
    EXPECT_FALSE(form.Shape7(40)->visible);
    EXPECT_TRUE(form.Shape3(41)->visible);
    EXPECT_TRUE(form.Shape7(41)->visible);
    EXPECT_EQ(form.Shape5.box, (TwipsRect{4000, 3300, 495, 375}));
}

} // namespace
} // namespace mossaline::testing
