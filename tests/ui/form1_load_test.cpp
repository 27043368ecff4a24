#include "form1_fixture.h"

#include "game/grid.h"

namespace mossaline::testing {
namespace {

using Form1Load = Form1Fixture;

TEST_F(Form1Load, SetsTheSharedStateAndTheStartPositionThenSoundsTheChimeOnce)
{
    Board board_at_cue;
    std::string count_at_cue;
    cues.while_playing = [&](Cue) {
        board_at_cue = module.board;
        count_at_cue = form.Label5.caption;
    };
    form.Form_Load();

    ASSERT_EQ(cues.played, (std::vector<Cue>{Cue::ChimeUp}));
    EXPECT_EQ(board_at_cue, module.board) << "the board is complete before the cue";
    EXPECT_EQ(count_at_cue, "44");
    EXPECT_EQ(form.Label5.caption, "44");
    EXPECT_EQ(module.marbles_left, 44);
    EXPECT_EQ(module.board.marbles(), 44);
    EXPECT_EQ(module.board.at(kCentreCell), Cell::Empty);
    EXPECT_EQ(module.sound_on, 1);
    EXPECT_EQ(module.show_moves, 0);
    EXPECT_EQ(module.show_last, 0);
    EXPECT_EQ(module.show_count, 1);
    EXPECT_FALSE(module.pointer_x.has_value());
    EXPECT_EQ(module.pointer_y, 0);
    EXPECT_EQ(module.moves_possible, 0);
    EXPECT_EQ(module.hover_label, 0);
    // Exactly the discs of cells holding a marble are shown.
    std::vector<int> marbles;
    for (int cell : board_cells())
        if (module.board.at(cell) == Cell::Marble)
            marbles.push_back(cell);
    EXPECT_EQ(shown_marbles(), marbles);
    EXPECT_EQ(form.result(), nullptr);
}

} // namespace
} // namespace mossaline::testing
