#include "form1_fixture.h"

#include "game/grid.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "ui_model/board_cursor.h"
#include "ui_model/board_hint.h"
#include "ui_model/hint_search.h"
#include "ui_model/marker_grid.h"

#include <chrono>
#include <functional>
#include <vector>

namespace mossaline::testing {
namespace {

using namespace std::chrono_literals;

class Hint : public Form1Fixture {
protected:
    BoardHint hint{window_model};
    // Tasks bound for the window's thread, run when the test says so.
    std::vector<std::function<void()>> posted;
    HintSearch search{[this](std::function<void()> task) { posted.push_back(std::move(task)); }, 200ms, 5000ms};

    void run_posted()
    {
        auto tasks = std::move(posted);
        for (auto& task : tasks)
            task();
    }
};

TEST_F(Hint, HintAndClickAloneFinishAGameWithOneMarble)
{
    // Faults: the marker put on the wrong marble, the pointer not where the click is judged,
    // a hint that is not a jump, or a line that does not end in one marble.
    load();
    form.Check3.checked = 0;
    for (int move = 1; count_open_jumps(module.board) > 0; ++move) {
        const Board before = module.board;
        std::optional<HintAdvice> advice;
        search.ask(module.board,
            [&](const Board& board, const solver::Answer& answer) { advice = advice_for(board, answer); });
        // The first answer comes from the search's own thread; the ones after it, at once.
        for (int wait = 0; wait < 1000 && !advice; ++wait) {
            std::this_thread::sleep_for(5ms);
            run_posted();
        }
        ASSERT_TRUE(advice) << "move " << move;
        EXPECT_NE(advice->text.find("still possible"), std::string::npos) << advice->text;
        hint.show(advice->step);
        EXPECT_TRUE(form.Shape5.visible) << "shown although Show last position is off";
        EXPECT_EQ(marker_grid::cell_at(form.Shape5.box.left, form.Shape5.box.top), advice->step.from);
        const TwipsPoint centre = cell_centre(advice->step.to);
        EXPECT_EQ(module.pointer_x_value(), centre.x);
        EXPECT_EQ(form.Shape4.box.left, hover_grid::left_of(column_of(advice->step.to)));
        EXPECT_EQ(form.Shape4.box.top, hover_grid::top_of(row_of(advice->step.to)));
        cues.played.clear();
        hint.end();
        EXPECT_FALSE(form.Shape5.visible) << "back to the box's setting";
        form.Form_Click();
        ASSERT_EQ(cues.played.front(), Cue::Gain) << "move " << move;
        ASSERT_EQ(module.marbles_left, before.marbles() - 1);
    }
    EXPECT_EQ(module.marbles_left, 1);
    ASSERT_NE(form.result(), nullptr);
    EXPECT_EQ(form.result()->Label4.caption, "are Genious.");
}

TEST_F(Hint, TheMarkerStaysWhenTheBoxShowsIt)
{
    load();
    form.Check3.checked = 1;
    form.Check3_Click();
    hint.show({39, 40, 41});
    hint.end();
    EXPECT_TRUE(form.Shape5.visible);
}

TEST_F(Hint, AdviceSaysWhatIsKnownAndNothingWithoutAMove)
{
    // Faults: a hint on a finished board; "at best" claimed without proof; no jump offered
    // when the search stopped before its first line.
    Board lone;
    set_start_position(lone);
    for (int cell : board_cells())
        lone.set(cell, Cell::Empty);
    lone.set(41, Cell::Marble);
    lone.set(59, Cell::Marble);
    EXPECT_FALSE(advice_for(lone, solver::Answer{solver::Verdict::NoOneMarbleFinish, {}, 2, true}));
    lone.set(50, Cell::Marble);
    const auto unsure = advice_for(lone, solver::Answer{solver::Verdict::Undecided, {}, 3, false});
    ASSERT_TRUE(unsure);
    EXPECT_EQ(judge_move(lone, unsure->step.from, unsure->step.to), MoveVerdict::Jump);
    EXPECT_NE(unsure->text.find("Not sure"), std::string::npos);
    const solver::Answer lost{solver::Verdict::NoOneMarbleFinish, {{41, 50, 59}}, 2, false};
    EXPECT_EQ(advice_for(lone, lost)->text.find("fewest"), std::string::npos);
    auto proven = lost;
    proven.best_proven = true;
    EXPECT_NE(advice_for(lone, proven)->text.find("fewest"), std::string::npos);
}

TEST_F(Hint, FollowingTheLineIsAnsweredFromItAndNothingElseIs)
{
    // Faults: the rest of a line offered for a board off it, or for an undecided answer.
    Board start;
    set_start_position(start);
    const solver::Answer answer = solver::solve(start, {5s});
    ASSERT_EQ(answer.verdict, solver::Verdict::OneMarbleFinish);
    Board now = start;
    for (int i = 0; i < 2; ++i)
        apply_jump(now, answer.line[static_cast<std::size_t>(i)].from, answer.line[static_cast<std::size_t>(i)].to);
    const auto rest = follow_line(start, answer, now);
    ASSERT_TRUE(rest);
    EXPECT_EQ(rest->line.size(), answer.line.size() - 2);
    EXPECT_EQ(rest->line.front().from, answer.line[2].from);
    auto unsure = answer;
    unsure.verdict = solver::Verdict::Undecided;
    EXPECT_FALSE(follow_line(start, unsure, now));
    Board off = start;
    off.set(41, Cell::Marble);
    off.set(23, Cell::Empty);
    EXPECT_FALSE(follow_line(start, answer, off));
}

TEST_F(Hint, AnAnswerComesOnlyForTheLastBoardAskedAndNeverAfterCancel)
{
    // Faults: a stale answer shown for a board gone by; cancel not stopping the search.
    std::atomic<int> cancelled{0};
    search.set_solver([&](const Board& board, const solver::Limits& limits) {
        if (limits.budget < 1s)
            return solver::Answer{solver::Verdict::Undecided, {}, board.marbles(), false};
        while (!limits.cancel->load())
            std::this_thread::sleep_for(1ms);
        ++cancelled;
        return solver::Answer{solver::Verdict::NoOneMarbleFinish, {}, board.marbles(), true};
    });
    Board a;
    set_start_position(a);
    Board b = a;
    apply_jump(b, 39, 41);
    std::vector<int> answered;
    search.ask(a, [&](const Board&, const solver::Answer&) { answered.push_back(1); });
    EXPECT_TRUE(search.running());
    search.ask(b, [&](const Board&, const solver::Answer&) { answered.push_back(2); });
    EXPECT_EQ(cancelled, 1) << "asking again stops the search before";
    search.cancel();
    EXPECT_EQ(cancelled, 2);
    EXPECT_FALSE(search.running());
    run_posted();
    EXPECT_TRUE(answered.empty());
}

TEST_F(Hint, PreparingTheTablesKeepsAnAnswerAlreadySent)
{
    // Fault: the tables' preparation, a second after start, dropping an answer already on its
    // way to the window's thread.
    search.set_solver([](const Board& board, const solver::Limits&) {
        return solver::Answer{solver::Verdict::OneMarbleFinish, {{39, 40, 41}}, board.marbles() - 1, true};
    });
    Board start;
    set_start_position(start);
    std::vector<Board> answered;
    search.ask(start, [&](const Board& board, const solver::Answer&) { answered.push_back(board); });
    for (int wait = 0; wait < 1000 && search.running(); ++wait)
        std::this_thread::sleep_for(5ms);
    ASSERT_FALSE(search.running());
    search.prepare();
    run_posted();
    ASSERT_EQ(answered.size(), 1u);
    EXPECT_EQ(answered.front(), start);
}

TEST(HintNote, LostBoardTellsHowFarBackTheGameCouldStillBeWon)
{
    // Faults: the count of jumps to take back left out, put after the line, or "1 jumps".
    Board board;
    set_start_position(board);
    const solver::Answer lost{solver::Verdict::NoOneMarbleFinish, {{39, 40, 41}}, 5, true};
    EXPECT_EQ(advice_for(board, lost, 3)->text,
        "No finish with one marble is left. Take back 3 jumps (B) to a board that can still finish with one "
        "marble. This line leaves 5 marbles, the fewest possible.");
    EXPECT_NE(advice_for(board, lost, 1)->text.find("Take back 1 jump (B)"), std::string::npos);
    EXPECT_EQ(advice_for(board, lost)->text.find("Take back"), std::string::npos);
    EXPECT_EQ(back_note(0), "This board can still finish with one marble: nothing to take back.");
    EXPECT_EQ(back_note(1), "Took back 1 jump: this board can still finish with one marble.");
}

} // namespace
} // namespace mossaline::testing
