#include "ui_model/game_session.h"

#include "game/jump_scan.h"
#include "ui_model/form1.h"

namespace mossaline {

namespace {
// Within a frame the answer is shown at once; longer searches go to a thread of their own.
constexpr std::chrono::milliseconds kHintAtOnce{12};
// After this the player is told the search is not sure, with the best line it has.
constexpr std::chrono::milliseconds kHintInAll{3000};
} // namespace

GameSession::GameSession(Form1& form, SessionView& view, HintSearch::ToWindowThread to_window_thread)
    : form_(form)
    , view_(view)
    , hint_(form)
    , search_(std::move(to_window_thread), kHintAtOnce, kHintInAll)
{
}

void GameSession::command(KeyCommand command)
{
    switch (command) {
    case KeyCommand::CursorLeft:
        return run([this] { form_.move_cursor(CursorDirection::Left); });
    case KeyCommand::CursorRight:
        return run([this] { form_.move_cursor(CursorDirection::Right); });
    case KeyCommand::CursorUp:
        return run([this] { form_.move_cursor(CursorDirection::Up); });
    case KeyCommand::CursorDown:
        return run([this] { form_.move_cursor(CursorDirection::Down); });
    case KeyCommand::Press:
        return run([this] { form_.press_cursor(); });
    case KeyCommand::OpenMenu:
        if (end_hint())
            changed();
        view_.open_menu();
        return;
    case KeyCommand::TakeBack:
        return run([this] { form_.undo_jump(); });
    case KeyCommand::Redo:
        return run([this] { form_.redo_jump(); });
    case KeyCommand::Hint:
        return ask_hint();
    case KeyCommand::BackToWinnable:
        return back_to_winnable();
    case KeyCommand::NewGame:
        // The same path as a click on RESTART, so nothing of it is left out.
        return run([this] { form_.new_game(); });
    case KeyCommand::Exit:
        return run([this] { form_.exit_game(); });
    }
}

void GameSession::pointer_moved(float x, float y)
{
    // Resting on the hole a hint points at keeps the hint: only a click or a key ends it.
    form_.move_pointer(x, y);
    changed();
}

void GameSession::board_clicked()
{
    run([this] { form_.click_board(); });
}

void GameSession::control_clicked(const std::function<void()>& handler)
{
    run(handler);
}

void GameSession::passing_event(const std::function<void()>& handler)
{
    handler();
    changed();
}

void GameSession::other_key()
{
    // The marker the hint showed goes back to what the box says, and is drawn so.
    if (end_hint())
        changed();
}

void GameSession::run(const std::function<void()>& handler)
{
    end_hint();
    handler();
    changed();
}

void GameSession::changed()
{
    settle();
    view_.model_changed();
}

void GameSession::settle()
{
    // A search for a board that is gone would only be thrown away.
    if (const auto asked = search_.asked(); asked && *asked != form_.board())
        search_.cancel();
    if (!search_.running())
        set_busy(false);
}

void GameSession::prepare_hints()
{
    search_.prepare();
}

bool GameSession::offers(KeyCommand command) const
{
    switch (command) {
    case KeyCommand::TakeBack:
        return form_.can_undo();
    case KeyCommand::Redo:
        return form_.can_redo();
    case KeyCommand::Hint:
        return count_open_jumps(form_.board()) > 0;
    default:
        return true;
    }
}

void GameSession::ask_hint()
{
    end_hint();
    set_busy(false);
    if (count_open_jumps(form_.board()) == 0)
        return; // nothing to advise on
    // Whichever control had the keyboard, Enter now makes the advised jump.
    view_.board_wants_keyboard();
    search_.ask(form_.board(), [this](const Board& board, const solver::Answer& answer) { show_hint(board, answer); });
    set_busy(search_.running());
}

void GameSession::show_hint(const Board& board, const solver::Answer& answer)
{
    set_busy(false);
    if (board != form_.board())
        return;
    const auto advice = advice_for(board, answer);
    if (!advice)
        return;
    hint_.show(advice->step);
    view_.model_changed();
    show_note(*advice);
    if (answer.verdict != solver::Verdict::NoOneMarbleFinish)
        return;
    // On a lost board the note also tells how far back the game could still be won, once known.
    search_.ask_back(form_.boards_of_game(), [this, answer](const Board& asked, std::optional<std::size_t> back) {
        if (asked != form_.board() || !hint_.showing() || !back || *back == 0)
            return;
        if (const auto advice_back = advice_for(asked, answer, back))
            show_note(*advice_back);
    });
}

void GameSession::show_note(const HintAdvice& advice)
{
    note_ = advice;
    view_.note_changed();
}

void GameSession::back_to_winnable()
{
    end_hint();
    // Asking drops the hint's search, if one runs.
    search_.ask_back(form_.boards_of_game(), [this](const Board& asked, std::optional<std::size_t> back) {
        if (asked != form_.board())
            return;
        if (back && *back > 0) {
            form_.undo_jumps(static_cast<int>(*back));
            changed();
        }
        view_.say(back_note(back));
    });
    set_busy(false);
    if (search_.running())
        view_.say(back_looking_note());
}

bool GameSession::end_hint()
{
    if (!hint_.showing())
        return false;
    hint_.end();
    note_.reset();
    view_.note_changed();
    return true;
}

void GameSession::set_busy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    view_.busy_changed();
}

} // namespace mossaline
