#include "options_fixture.h"
#include "options_looks.h"

#include <array>
#include <functional>
#include <utility>

namespace mossaline::testing {
namespace {

using OptionsPanel = OptionsFixture;

constexpr Colour kGrey{0x808080};
constexpr Colour kLightYellow{0xC0FFFF};
constexpr TwipsRect kMarkerDesignBox{3960, 2100, 495, 375};

std::vector<int> all_board_cells()
{
    const auto cells = board_cells();
    return {cells.begin(), cells.end()};
}

TEST_F(OptionsPanel, FirstOpeningShowsTheSettingsAndChangesNothingOnTheBoard)
{
    load();
    const auto before = painted_looks(form.window);
    press_options();
    EXPECT_EQ(form.Check1.checked, 1);
    EXPECT_TRUE(form.Frame1.visible);
    EXPECT_EQ(form.Check2.checked, 0) << "Show possible moves";
    EXPECT_EQ(form.Check3.checked, 0) << "Show last position";
    EXPECT_EQ(form.Check4.checked, 1) << "Show marbles left";
    EXPECT_EQ(form.Check5.checked, 1) << "Play sound";
    EXPECT_EQ(painted_looks(form.window), before) << "board, count and pictures look as before";
    EXPECT_EQ(module.show_moves, 0);
    EXPECT_EQ(module.show_last, 0);
    EXPECT_EQ(module.show_count, 1);
    EXPECT_EQ(module.sound_on, 1);
    EXPECT_TRUE(cues.played.empty());
}

TEST_F(OptionsPanel, ClosingAndReopeningKeepsTheBoxesAsThePlayerLeftThem)
{
    load();
    press_options();
    toggle(form.Check2, &Form1Names::Check2_Click);
    toggle(form.Check4, &Form1Names::Check4_Click);
    toggle(form.Check5, &Form1Names::Check5_Click);
    const auto settled = painted_looks(form.window);
    const std::array<std::int16_t, 4> boxes{1, 0, 0, 0};

    press_options();
    EXPECT_EQ(form.Check1.checked, 0);
    EXPECT_FALSE(form.Frame1.visible);
    EXPECT_EQ((std::array{form.Check2.checked, form.Check3.checked, form.Check4.checked, form.Check5.checked}), boxes);
    EXPECT_EQ(painted_looks(form.window), settled);

    press_options();
    EXPECT_TRUE(form.Frame1.visible);
    EXPECT_EQ((std::array{form.Check2.checked, form.Check3.checked, form.Check4.checked, form.Check5.checked}), boxes);
    EXPECT_EQ(painted_looks(form.window), settled);
    EXPECT_EQ(module.show_moves, 1);
    EXPECT_EQ(module.show_last, 0);
    EXPECT_EQ(module.show_count, 0);
    EXPECT_EQ(module.sound_on, 0);
}

TEST_F(OptionsPanel, ShowPossibleMovesMarksTheMarblesThatCanJumpAndUncheckingGreysEveryDisc)
{
    load();
    press_options();
    toggle(form.Check2, &Form1Names::Check2_Click);
    EXPECT_EQ(module.show_moves, 1);
    EXPECT_EQ(discs_coloured(kLightYellow), (std::vector<int>{23, 39, 43, 59}));
    EXPECT_EQ(discs_coloured(kGrey).size(), 41u) << "the other 40 marbles and the hidden centre disc";

    // A hidden disc left in the marked colour is reset too.
    form.Shape3(kCentreCell)->fill_colour = kLightYellow;
    ASSERT_FALSE(form.Shape3(kCentreCell)->visible);
    toggle(form.Check2, &Form1Names::Check2_Click);
    EXPECT_EQ(module.show_moves, 0);
    EXPECT_EQ(discs_coloured(kGrey), all_board_cells());
    EXPECT_TRUE(cues.played.empty());
}

TEST_F(OptionsPanel, ShowLastPositionShowsOrHidesTheMarkerWhereItStands)
{
    load();
    press_options();
    toggle(form.Check3, &Form1Names::Check3_Click);
    EXPECT_EQ(module.show_last, 1);
    EXPECT_TRUE(form.Shape5.visible);
    EXPECT_EQ(form.Shape5.box, kMarkerDesignBox) << "over cell 39 before any click";

    click(41);
    const TwipsRect on_41{4000, 3300, 495, 375};
    EXPECT_EQ(form.Shape5.box, on_41);
    EXPECT_TRUE(form.Shape5.visible);

    toggle(form.Check3, &Form1Names::Check3_Click);
    EXPECT_EQ(module.show_last, 0);
    EXPECT_FALSE(form.Shape5.visible);
    EXPECT_EQ(form.Shape5.box, on_41);

    click(59); // the hidden marker still follows the clicks
    toggle(form.Check3, &Form1Names::Check3_Click);
    EXPECT_TRUE(form.Shape5.visible);
    EXPECT_EQ(form.Shape5.box, (TwipsRect{5200, 3300, 495, 375}));
}

TEST_F(OptionsPanel, ShowMarblesLeftHidesTheCountWhichKeepsCounting)
{
    load();
    press_options();
    toggle(form.Check4, &Form1Names::Check4_Click);
    EXPECT_EQ(module.show_count, 0);
    EXPECT_FALSE(form.Label4.visible);
    EXPECT_FALSE(form.Label5.visible);

    click(41); // 39 jumps into the centre
    EXPECT_EQ(module.marbles_left, 43);
    EXPECT_EQ(form.Label5.caption, "43");
    EXPECT_FALSE(form.Label5.visible);

    toggle(form.Check4, &Form1Names::Check4_Click);
    EXPECT_EQ(module.show_count, 1);
    EXPECT_TRUE(form.Label4.visible);
    EXPECT_TRUE(form.Label5.visible);
    EXPECT_EQ(form.Label5.caption, "43");
}

TEST_F(OptionsPanel, PlaySoundOffHidesThePicturesAndSilencesEveryLaterCue)
{
    load();
    press_options();
    toggle(form.Check5, &Form1Names::Check5_Click);
    EXPECT_EQ(module.sound_on, 0);
    EXPECT_FALSE(form.window.control("Image2").visible);
    EXPECT_FALSE(form.window.control("Image3").visible);

    click(41); // a jump
    click(39); // refused: 40 is empty now
    click(39); // not a line
    form.Label2_Click(); // RESTART
    random.draws = {0.55f, 0.7f}; // an ambient tick that would play 1.wav twice
    form.Timer2_Timer();
    random.draws = {0.5f, 0.2f}; // one that would play 2.wav
    form.Timer2_Timer();
    form.Label1_Click(); // EXIT
    EXPECT_EQ(module.marbles_left, 44) << "the game went on: jump, then restart";
    EXPECT_TRUE(cues.played.empty());
    EXPECT_EQ(exits, 1);

    toggle(form.Check5, &Form1Names::Check5_Click);
    EXPECT_EQ(module.sound_on, 1);
    EXPECT_TRUE(form.window.control("Image2").visible);
    EXPECT_TRUE(form.window.control("Image3").visible);
    click(41);
    form.Label1_Click();
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Gain, Cue::Bird}));
}

TEST_F(OptionsPanel, EachColourButtonFillsTheBoardDiscWithItsColourAndChangesNothingElse)
{
    using Handler = void (Form1Names::*)();
    const std::array<std::pair<Handler, Colour>, 8> buttons{{
        {&Form1Names::Option1_Click, Colour{0x80C0FF}},
        {&Form1Names::Option2_Click, Colour{0xC0FFC0}},
        {&Form1Names::Option3_Click, Colour{0xC0C000}},
        {&Form1Names::Option4_Click, Colour{0xFFC0FF}},
        {&Form1Names::Option5_Click, Colour{0x008000}},
        {&Form1Names::Option6_Click, Colour{0x004080}},
        {&Form1Names::Option7_Click, Colour{0x404040}},
        {&Form1Names::Option8_Click, Colour{0x800000}},
    }};
    load();
    press_options();
    for (std::size_t n = 0; n < buttons.size(); ++n) {
        auto expected = painted_looks(form.window);
        std::invoke(buttons[n].first, form);
        for (PaintedLook& look : expected)
            if (look.name == "Shape1")
                look.fill = buttons[n].second;
        EXPECT_EQ(painted_looks(form.window), expected) << "Option" << n + 1;
    }
    EXPECT_TRUE(cues.played.empty());
}

TEST_F(OptionsPanel, Option1AtStartLeavesTheBoardAsItIsAndRestoresItAfterAnotherColour)
{
    load();
    const auto at_start = painted_looks(form.window);
    EXPECT_EQ(form.Shape1.fill_colour, Colour{0x80C0FF});
    form.Option1_Click();
    EXPECT_EQ(painted_looks(form.window), at_start);
    form.Option6_Click();
    EXPECT_EQ(form.Shape1.fill_colour, Colour{0x004080});
    form.Option1_Click();
    EXPECT_EQ(painted_looks(form.window), at_start);
}

} // namespace
} // namespace mossaline::testing
