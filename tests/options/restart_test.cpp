#include "options_fixture.h"
#include "options_looks.h"

#include <array>

namespace mossaline::testing {
namespace {

constexpr Colour kGrey{0x808080};
constexpr Colour kLightYellow{0xC0FFFF};
constexpr Colour kRest{0x00C0C0};
const std::vector<Cue> kRestartCues{Cue::Normal, Cue::RingIn, Cue::RingIn};

class Restart : public OptionsFixture {
protected:
    /// The start position, in the model and on screen.
    void expect_start_position()
    {
        Board start;
        set_start_position(start);
        EXPECT_EQ(module.board, start);
        EXPECT_EQ(module.marbles_left, 44);
        EXPECT_EQ(form.Label5.caption, "44");
        std::vector<int> expected;
        for (int cell : board_cells())
            if (cell != kCentreCell)
                expected.push_back(cell);
        EXPECT_EQ(shown_marbles(), expected);
        for (int cell : board_cells())
            EXPECT_EQ(form.Shape7(cell)->visible, cell != kCentreCell) << "highlight of cell " << cell;
    }

    /// A few moves into a game: 39 into 41, then 37 into 39.
    void play_a_little()
    {
        click(41);
        click(37);
        click(39);
        ASSERT_EQ(module.marbles_left, 42);
        cues.played.clear();
    }
};

TEST_F(Restart, AtStartDrawsTheStartPositionAgainWithItsCues)
{
    load();
    form.Label2_Click();
    expect_start_position();
    EXPECT_EQ(cues.played, kRestartCues);
}

TEST_F(Restart, MidGameBringsBackEveryMarbleAndTheCount)
{
    load();
    play_a_little();
    EXPECT_EQ(form.Label5.caption, "42");
    form.Label2_Click();
    expect_start_position();
    EXPECT_EQ(cues.played, kRestartCues);
}

TEST_F(Restart, AfterTheReportLeavesTheReportOpenAndTheMoveCountAsItWas)
{
    load();
    set_position({39, 40});
    click(41); // the last jump: one marble left, no move
    ASSERT_NE(form.result(), nullptr);
    ASSERT_TRUE(form.result()->visible());
    ASSERT_EQ(module.moves_possible, 0);
    cues.played.clear();

    form.Label2_Click();
    expect_start_position();
    EXPECT_EQ(cues.played, kRestartCues);
    EXPECT_TRUE(form.result()->loaded());
    EXPECT_TRUE(form.result()->visible());
    EXPECT_EQ(form.result()->Label5.caption, "1") << "the report keeps its text";
    EXPECT_EQ(module.moves_possible, 0) << "only the next click counts the moves again";
}

TEST_F(Restart, WithPossibleMovesOnMarksTheStartPositionAndWithThemOffLeavesTheColours)
{
    load();
    press_options();
    toggle(form.Check2, &Form1Names::Check2_Click);
    play_a_little();
    ASSERT_NE(discs_coloured(kLightYellow), (std::vector<int>{23, 39, 43, 59}));
    form.Label2_Click();
    EXPECT_EQ(discs_coloured(kLightYellow), (std::vector<int>{23, 39, 43, 59}));
    EXPECT_EQ(discs_coloured(kGrey).size(), 41u);

    toggle(form.Check2, &Form1Names::Check2_Click);
    play_a_little();
    form.Label2_Click();
    EXPECT_TRUE(discs_coloured(kLightYellow).empty()) << "no marks while the option is off";
}

TEST_F(Restart, WithMarblesLeftHiddenWritesTheCountButKeepsItHidden)
{
    load();
    press_options();
    toggle(form.Check4, &Form1Names::Check4_Click);
    play_a_little();
    form.Label2_Click();
    EXPECT_EQ(form.Label5.caption, "44");
    EXPECT_FALSE(form.Label5.visible);
    EXPECT_FALSE(form.Label4.visible);
    EXPECT_EQ(module.show_count, 0);
}

TEST_F(Restart, WithSoundOnTheBoardIsRedrawnBeforeTheFirstCueAndWithSoundOffAllIsSilent)
{
    load();
    press_options();
    toggle(form.Check2, &Form1Names::Check2_Click);
    play_a_little();
    std::vector<int> shown_at_first_cue;
    std::vector<int> marked_at_first_cue;
    std::string count_at_first_cue;
    Board board_at_first_cue;
    cues.while_playing = [&](Cue) {
        if (cues.played.size() != 1)
            return;
        shown_at_first_cue = shown_marbles();
        marked_at_first_cue = discs_coloured(kLightYellow);
        count_at_first_cue = form.Label5.caption;
        board_at_first_cue = module.board;
    };
    form.Label2_Click();
    EXPECT_EQ(cues.played, kRestartCues);
    EXPECT_EQ(shown_at_first_cue, shown_marbles());
    EXPECT_EQ(shown_at_first_cue.size(), 44u);
    EXPECT_EQ(marked_at_first_cue, (std::vector<int>{23, 39, 43, 59}));
    EXPECT_EQ(count_at_first_cue, "44");
    EXPECT_EQ(board_at_first_cue, module.board);

    toggle(form.Check5, &Form1Names::Check5_Click);
    play_a_little();
    form.Label2_Click();
    EXPECT_TRUE(cues.played.empty());
    expect_start_position();
}

TEST_F(Restart, KeepsOptionsBoardColourMarkersHoverAndTimers)
{
    load();
    press_options();
    toggle(form.Check3, &Form1Names::Check3_Click);
    form.Option7_Click();
    play_a_little();
    form.Form_MouseMove(6000, 3500); // hover marker onto cell 68
    form.Label2_MouseMove(); // then onto RESTART, which starts flickering
    random.draws = {0.1f, 0.2f, 0.3f};
    form.Timer1_Timer();
    ASSERT_NE(form.Label2.fore_colour, kRest);
    const TwipsRect hover = form.Shape4.box;
    const TwipsRect marker = form.Shape5.box;
    const std::int16_t moves = module.moves_possible;

    form.Label2_Click();
    EXPECT_EQ(form.Label1.fore_colour, kRest);
    EXPECT_EQ(form.Label2.fore_colour, kRest);
    EXPECT_TRUE(form.Timer1.enabled) << "the flicker goes on while the pointer stays";
    EXPECT_TRUE(form.Timer2.enabled);
    EXPECT_EQ(module.hover_label, -1);
    EXPECT_EQ(form.Shape4.box, hover);
    EXPECT_EQ(form.Shape5.box, marker);
    EXPECT_TRUE(form.Shape5.visible);
    EXPECT_EQ(module.moves_possible, moves);
    EXPECT_EQ(form.Shape1.fill_colour, Colour{0x404040});
    EXPECT_TRUE(form.Frame1.visible);
    EXPECT_EQ(form.Check1.checked, 1);
    EXPECT_EQ((std::array{form.Check2.checked, form.Check3.checked, form.Check4.checked, form.Check5.checked}),
        (std::array<std::int16_t, 4>{0, 1, 1, 1}));
    EXPECT_EQ(module.show_moves, 0);
    EXPECT_EQ(module.show_last, 1);
    EXPECT_EQ(module.show_count, 1);
    EXPECT_EQ(module.sound_on, 1);
}

TEST_F(Restart, TheFirstClickAfterARestartIsJudgedFromTheLastCellClickedBeforeIt)
{
    load();
    click(59); // not a line from 39: the marker just moves onto 59
    ASSERT_EQ(module.marbles_left, 44);
    form.Label2_Click();
    cues.played.clear();
    click(41);
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(module.board.at(59), Cell::Empty);
    EXPECT_EQ(module.board.at(50), Cell::Empty);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_EQ(module.board.at(39), Cell::Marble) << "not the design marker's cell";
    EXPECT_EQ(form.Label5.caption, "43");
}

} // namespace
} // namespace mossaline::testing
