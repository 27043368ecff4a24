#include "keyboard_fixture.h"
#include "losing_game.h"
#include "options_fixture.h"

#include "game/grid.h"
#include "ui/twips.h"
#include "ui_model/form1_design.h"
#include "ui_model/marker_grid.h"

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
    window->session().hint_search().set_solver([&](const Board& board, const solver::Limits& limits) {
        while (limits.cancel && !limits.cancel->load())
            std::this_thread::sleep_for(1ms);
        saw_cancel = limits.cancel != nullptr;
        return solver::Answer{solver::Verdict::OneMarbleFinish, {{39, 40, 41}}, board.marbles(), true};
    });
    window->session().command(KeyCommand::Hint);
    EXPECT_TRUE(window->session().hint_search().running());
    pointer().click_cell(4, 4); // the marker's cell 39 jumps into the centre
    EXPECT_TRUE(saw_cancel);
    EXPECT_FALSE(window->session().hint_search().running());
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->hint_text().isEmpty());
    EXPECT_FALSE(form.Shape5.visible);
}

TEST_F(HintWidget, ASlowAnswerShowsThinkingAndItsNoteStaysInViewUntilTheNextKey)
{
    // Faults: no sign of a slow search; the note gone when the pointer rests on the hole or
    // when the tables are prepared meanwhile; Enter taken by the check box that had the keyboard.
    std::atomic<bool> answer{false};
    window->session().hint_search().set_solver([&](const Board& board, const solver::Limits& limits) {
        if (!limits.cancel) // the quick try on the window's thread
            return solver::Answer{solver::Verdict::Undecided, {}, board.marbles(), false};
        while (!answer && !limits.cancel->load())
            std::this_thread::sleep_for(1ms);
        return solver::Answer{solver::Verdict::OneMarbleFinish, {{39, 40, 41}}, board.marbles() - 1, true};
    });
    form.Check1.checked = 1;
    form.Check1_Click();
    window->sync();
    window->natives().widget("Check2")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_H);
    EXPECT_FALSE(window->hint_note().isVisible()) << "a quick answer needs no sign of thinking";
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->hint_note().isVisible(); }, 2000));
    EXPECT_EQ(window->surface()->cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(window->hint_note().text(), QStringLiteral("Thinking…"));
    window->session().hint_search().prepare(); // as the window does a second after it shows
    answer = true;
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->hint_text().isEmpty(); }, 2000));
    EXPECT_FALSE(window->surface()->testAttribute(Qt::WA_SetCursor));
    const HintNote& note = window->hint_note();
    EXPECT_EQ(note.text(), window->hint_text());
    EXPECT_TRUE(window->rect().contains(note.geometry()));
    EXPECT_FALSE(note.geometry().intersects(to_pixel_rect(form.Shape3(41)->box)));
    pointer().move(1807.5 + 600 * 4, 1087.5 + 600 * 4); // resting on the hole to jump into
    QTest::qWait(20);
    EXPECT_TRUE(note.isVisible());
    key(Qt::Key_Return);
    EXPECT_EQ(module.board.at(41), Cell::Marble);
    EXPECT_FALSE(note.isVisible());
}

TEST_F(HintWidget, ClicksAreAnsweredWhileBLooksAndEndItsSearch)
{
    // Faults: B's search held on the window's thread, so the click waits for it; the search
    // left running once the board moved on, or its take-back made on the new board.
    std::atomic<bool> saw_cancel{false};
    window->session().hint_search().set_back_finder(
        [&](const std::vector<Board>&, const solver::Limits& limits) -> std::optional<std::size_t> {
            if (!limits.cancel) // the quick try on the window's thread
                return std::nullopt;
            for (int wait = 0; wait < 2000 && !limits.cancel->load(); ++wait)
                std::this_thread::sleep_for(1ms);
            saw_cancel = limits.cancel->load();
            return 1;
        });
    pointer().click_cell(4, 4); // the marker's cell 39 jumps into the centre
    ASSERT_EQ(module.board.at(41), Cell::Marble);
    key(Qt::Key_B);
    EXPECT_TRUE(window->session().hint_search().running());
    pointer().click_cell(4, 0);
    pointer().click_cell(4, 2); // a second jump, into the hole the first left
    EXPECT_EQ(module.board.at(39), Cell::Marble);
    EXPECT_TRUE(saw_cancel);
    EXPECT_FALSE(window->session().hint_search().running());
    QTest::qWait(20);
    EXPECT_EQ(module.board.at(39), Cell::Marble) << "a jump taken back after the board moved on";
    EXPECT_EQ(module.board.marbles(), 42);
}

TEST(HintNotePlace, BesideEveryMarbleInsideTheWindowAndClearOfItsHole)
{
    // Faults: a note cut off at the window's edge, or over the hole the hint points at.
    const WindowDesign design = form1_design();
    const QRect window(0, 0, qRound(to_pixels(design.client_width)), qRound(to_pixels(design.client_height)));
    const auto disc = [](int cell) {
        return to_pixel_rect({1560 + 600 * column_of(cell), 840 + 600 * row_of(cell), 495, 495});
    };
    const auto ring = [](int cell) {
        return to_pixel_rect({hover_grid::left_of(column_of(cell)), hover_grid::top_of(row_of(cell)), 495, 495});
    };
    for (const QSize size : {QSize(230, 62), QSize(90, 22)})
        for (int from : board_cells())
            for (int step : {-18, -2, 2, 18}) {
                const int to = from + step;
                if (!is_board_cell(to)
                    || std::abs(column_of(to) - column_of(from)) + std::abs(row_of(to) - row_of(from)) != 2)
                    continue;
                const QRect hole = ring(to).united(disc(to));
                const QRect place = hint_note_place(size, disc(from), hole, window);
                EXPECT_TRUE(window.contains(place)) << from << " to " << to;
                EXPECT_FALSE(place.intersects(hole) || place.intersects(disc(from))) << from << " to " << to;
            }
}

TEST_F(HintWidget, NoMoveLeftNoHint)
{
    put_marbles(module, form, {41, 23});
    window->sync();
    EXPECT_FALSE(window->actions().hint->isEnabled());
    window->session().command(KeyCommand::Hint);
    QTest::qWait(50);
    EXPECT_TRUE(window->hint_text().isEmpty());
    EXPECT_FALSE(window->session().hint_search().running());
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
