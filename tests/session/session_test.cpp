#include "form1_fixture.h"
#include "losing_game.h"
#include "posted_tasks.h"

#include "game/grid.h"
#include "ui_model/game_session.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace mossaline::testing {
namespace {

using namespace std::chrono_literals;

/// Records what the session tells the window.
class RecordingView final : public SessionView {
public:
    const GameSession* session = nullptr;
    int model_changes = 0;
    std::vector<bool> busy_seen; ///< busy() at each change
    std::vector<std::string> said;
    int keyboard_wanted = 0;

    void model_changed() override { ++model_changes; }
    void note_changed() override { }
    void busy_changed() override { busy_seen.push_back(session->busy()); }
    void say(const std::string& text) override { said.push_back(text); }
    void board_wants_keyboard() override { ++keyboard_wanted; }
    void open_menu() override { }
};

// The jump from the right into the centre: not the one the marker's start place gives.
constexpr solver::Step kFromTheRight{59, 50, kCentreCell};

class Session : public Form1Fixture {
protected:
    RecordingView view;
    PostedTasks tasks;
    GameSession session{window_model, view, [this](std::function<void()> task) { tasks.post(std::move(task)); }};
    std::atomic<bool> saw_cancel{false};

    void SetUp() override
    {
        view.session = &session;
        load();
    }
    void click(int cell)
    {
        const TwipsPoint centre = board_geometry::disc_centre(cell);
        session.pointer_moved(centre.x, centre.y);
        session.board_clicked();
    }
    /// A search that runs until it is cancelled, then advises kFromTheRight; after a second
    /// without a cancel it answers anyway, as a search for a board gone by would.
    void search_until_cancelled()
    {
        session.hint_search().set_solver([this](const Board& board, const solver::Limits& limits) {
            const auto give_up = std::chrono::steady_clock::now() + 1s;
            while (limits.cancel && !limits.cancel->load() && std::chrono::steady_clock::now() < give_up)
                std::this_thread::sleep_for(1ms);
            saw_cancel = limits.cancel && limits.cancel->load();
            return solver::Answer{solver::Verdict::OneMarbleFinish, {kFromTheRight}, board.marbles() - 1, true};
        });
    }
    /// Waits for the posted tasks a search owes, long enough to see one that should never come.
    void run_what_comes()
    {
        tasks.run_until([] { return false; }, 1500ms);
    }
};

TEST_F(Session, HThenEnterMakesTheAdvisedJump)
{
    // Faults: the marker not put on the advised marble or the pointer not on its hole, so
    // Enter makes another jump or none; the hint outliving the key that follows it.
    session.hint_search().set_solver([](const Board& board, const solver::Limits&) {
        return solver::Answer{solver::Verdict::OneMarbleFinish, {kFromTheRight}, board.marbles() - 1, true};
    });
    session.command(KeyCommand::Hint);
    ASSERT_TRUE(tasks.run_until([this] { return session.note().has_value(); }, 5s));
    EXPECT_EQ(view.keyboard_wanted, 1);
    EXPECT_TRUE(form.Shape5.visible);
    session.command(KeyCommand::Press);
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Gain}));
    EXPECT_EQ(module.board.at(kFromTheRight.from), Cell::Empty);
    EXPECT_EQ(module.board.at(kFromTheRight.over), Cell::Empty);
    EXPECT_EQ(module.board.at(kFromTheRight.to), Cell::Marble);
    EXPECT_FALSE(session.note());
    EXPECT_FALSE(form.Shape5.visible) << "back to what Show last position says";
}

TEST_F(Session, BOnALostBoardTakesBackExactlyToTheLastWinnableAndRedoGoesForward)
{
    // Faults: one jump too many or too few taken back; jumps taken back past the history, so
    // Redo cannot go forward; a board that can still be won changed by B.
    const LosingGame game = losing_game(30, 2);
    ASSERT_GT(game.losing_jump, 0u);
    for (const auto& [from, to] : game.jumps)
        click(from), click(to);
    ASSERT_EQ(module.board, game.boards.back());
    const auto said = [this](const char* words) {
        return [this, words] { return !view.said.empty() && view.said.back().find(words) != std::string::npos; };
    };
    session.command(KeyCommand::BackToWinnable);
    ASSERT_TRUE(tasks.run_until(said("Took back"), 20s));
    EXPECT_EQ(view.said.back(), "Took back 3 jumps: this board can still finish with one marble.");
    EXPECT_EQ(module.board, game.boards[game.losing_jump - 1]);

    session.command(KeyCommand::BackToWinnable);
    ASSERT_TRUE(tasks.run_until(said("nothing to take back"), 20s));
    EXPECT_EQ(module.board, game.boards[game.losing_jump - 1]);
    for (std::size_t forward = game.losing_jump; forward < game.boards.size(); ++forward) {
        ASSERT_TRUE(session.offers(KeyCommand::Redo));
        session.command(KeyCommand::Redo);
        EXPECT_EQ(module.board, game.boards[forward]);
    }
    EXPECT_FALSE(session.offers(KeyCommand::Redo));
}

TEST_F(Session, AClickWhileASearchRunsCancelsItAndNoStaleAnswerLands)
{
    // Faults: a search left running for a board gone by; its answer marking a marble of the
    // new board; the busy sign left on.
    search_until_cancelled();
    session.command(KeyCommand::Hint);
    ASSERT_TRUE(session.busy());
    click(kCentreCell); // the marker's start place makes this a jump
    ASSERT_EQ(module.board.marbles(), 43);
    const Board after_click = module.board;
    EXPECT_TRUE(saw_cancel);
    EXPECT_FALSE(session.busy());
    run_what_comes();
    EXPECT_FALSE(session.note());
    EXPECT_FALSE(form.Shape5.visible);
    EXPECT_EQ(module.board, after_click);
    EXPECT_EQ(view.busy_seen, (std::vector<bool>{true, false}));
}

TEST_F(Session, NewGameDuringASearchDropsItAndTheNextHintIsForTheNewGame)
{
    // Faults: the search of the old game answering on the new one; the history of the old
    // game kept; the busy sign stuck, or the next hint refused.
    click(kCentreCell);
    search_until_cancelled();
    session.command(KeyCommand::Hint);
    ASSERT_TRUE(session.busy());
    cues.played.clear();
    session.command(KeyCommand::NewGame);
    EXPECT_TRUE(saw_cancel);
    EXPECT_FALSE(session.busy());
    EXPECT_EQ(module.board.marbles(), 44);
    EXPECT_FALSE(session.offers(KeyCommand::TakeBack));
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn}));
    run_what_comes();
    EXPECT_FALSE(session.note());

    session.hint_search().set_solver([](const Board& board, const solver::Limits&) {
        return solver::Answer{solver::Verdict::OneMarbleFinish, {kFromTheRight}, board.marbles() - 1, true};
    });
    session.command(KeyCommand::Hint);
    ASSERT_TRUE(tasks.run_until([this] { return session.note().has_value(); }, 5s));
    EXPECT_EQ(session.note()->step.from, kFromTheRight.from);
}

} // namespace
} // namespace mossaline::testing
