#include "keyboard_fixture.h"
#include "losing_game.h"
#include "options_fixture.h"

#include "game/grid.h"

#include <QAction>
#include <QTest>

#include <atomic>
#include <thread>

namespace mossaline::testing {
namespace {

using namespace std::chrono_literals;

using HintWidget = KeyboardFixture;

TEST_F(HintWidget, HThenEnterMakesTheSuggestedJump)
{
    // Faults: H not bound window-wide; the answer never shown; Enter not judged at the hint.
    key(Qt::Key_H);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->hint_text().isEmpty(); }, 5000));
    EXPECT_TRUE(window->hint_text().contains("still possible")) << window->hint_text().toStdString();
    EXPECT_TRUE(form.Shape5.visible);
    const Board before = module.board;
    key(Qt::Key_Return);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(module.board.marbles(), before.marbles() - 1);
    EXPECT_FALSE(form.Shape5.visible) << "the hint ends with the next key";
    EXPECT_TRUE(window->hint_text().isEmpty());
}

TEST_F(HintWidget, AClickCancelsTheSearchAndItsAnswerIsNeverShown)
{
    // Faults: a search left running for a board gone by; its answer drawn on the new board.
    std::atomic<bool> saw_cancel{false};
    window->hint_search().set_solver([&](const Board& board, const solver::Limits& limits) {
        while (limits.cancel && !limits.cancel->load())
            std::this_thread::sleep_for(1ms);
        saw_cancel = limits.cancel != nullptr;
        return solver::Answer{solver::Verdict::OneMarbleFinish, {{39, 40, 41}}, board.marbles(), true};
    });
    window->ask_hint();
    EXPECT_TRUE(window->hint_search().running());
    pointer().click_cell(4, 4); // the marker's cell 39 jumps into the centre
    EXPECT_TRUE(saw_cancel);
    EXPECT_FALSE(window->hint_search().running());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->hint_text().isEmpty());
    EXPECT_FALSE(form.Shape5.visible);
}

TEST_F(HintWidget, NoMoveLeftNoHint)
{
    put_marbles(module, form, {41, 23});
    window->sync();
    EXPECT_FALSE(window->actions().hint->isEnabled());
    window->ask_hint();
    QTest::qWait(50);
    EXPECT_TRUE(window->hint_text().isEmpty());
    EXPECT_FALSE(window->hint_search().running());
}

TEST_F(HintWidget, BTakesBackToTheBoardBeforeTheLosingJump)
{
    // Faults: B not bound; too many or too few jumps taken back; not taken back as Undo does,
    // so Redo cannot go forward again; a board that can still be won changed by B.
    const LosingGame game = losing_game(30, 2);
    ASSERT_GT(game.losing_jump, 0u);
    for (const auto& [from, to] : game.jumps) {
        pointer().click_cell(column_of(from), row_of(from));
        pointer().click_cell(column_of(to), row_of(to));
    }
    ASSERT_EQ(module.board, game.boards.back());
    key(Qt::Key_B);
    const Board last_winnable = game.boards[game.losing_jump - 1];
    ASSERT_TRUE(QTest::qWaitFor([&] { return module.board == last_winnable; }, 20000));
    EXPECT_EQ(window->back_text().toStdString(), "Took back 3 jumps: this board can still finish with one marble.");
    EXPECT_TRUE(form.can_redo());

    key(Qt::Key_B);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->back_text().contains("nothing to take back"); }, 20000));
    EXPECT_EQ(module.board, last_winnable);
    window->actions().redo->trigger();
    EXPECT_EQ(module.board, game.boards[game.losing_jump]);
}

} // namespace
} // namespace mossaline::testing
