#pragma once

#include "ui_model/board_hint.h"
#include "ui_model/game_keys.h"
#include "ui_model/hint_search.h"

#include <functional>
#include <optional>
#include <string>

namespace mossaline {

class Form1;

/// What a game session tells the window on screen. Each call says what changed; the view
/// reads the rest from the window model and the session, and decides nothing about the game.
class SessionView {
public:
    virtual ~SessionView() = default;
    /// The window model changed (board, markers, count, options, the report).
    virtual void model_changed() = 0;
    /// The hint's note changed: GameSession::note() holds what to show, if anything.
    virtual void note_changed() = 0;
    /// A hint's search started or ended: GameSession::busy() says which.
    virtual void busy_changed() = 0;
    /// A short word to the player, as "Back to the last winnable board" gives (not the report window).
    virtual void say(const std::string& text) = 0;
    /// A hint was asked for: the board takes the keyboard, so Enter makes the advised jump.
    virtual void board_wants_keyboard() = 0;
    /// The right-click menu, asked for from the keyboard, opens on the board's marker.
    virtual void open_menu() = 0;
};

/// One game in a window: takes the player's keys, clicks and menu commands, runs them as the
/// window model's handlers, takes jumps back and forward, asks for hints and for the last
/// winnable board, and tells the view what changed. Free of any toolkit: the view forwards
/// its input here and draws.
class GameSession {
public:
    /// A session over `form`, told to `view`; the hint's answers come back through
    /// `to_window_thread` (the window's event loop, or a queue a test runs).
    GameSession(Form1& form, SessionView& view, HintSearch::ToWindowThread to_window_thread);

    /// A key of the game, or the same command from the menu.
    void command(KeyCommand command);
    /// Pointer motion over the board, in twips.
    void pointer_moved(float x, float y);
    /// A click on the board.
    void board_clicked();
    /// A click on a control of the window: ends the hint on show and runs `handler`, the one
    /// bound to the control.
    void control_clicked(const std::function<void()>& handler);
    /// An event that leaves the hint on show (pointer motion over a control, a timer's tick):
    /// runs `handler`, the one bound to it.
    void passing_event(const std::function<void()>& handler);
    /// Any other key while the board has the keyboard: it ends the hint on show.
    void other_key();
    /// The window model may have been changed from outside (the report's own button): a
    /// search for a board that is gone is dropped.
    void settle();
    /// Builds the solver's tables ahead of the first hint.
    void prepare_hints();

    /// True when the command can do something now (Undo with a jump to take back, Hint with a
    /// jump left on the board ...).
    bool offers(KeyCommand command) const;
    /// The hint on show, if any.
    const std::optional<HintAdvice>& note() const { return note_; }
    /// True while the search for a hint the player asked for runs.
    bool busy() const { return busy_; }
    /// The search behind the hints, for tests that put another solver in.
    HintSearch& hint_search() { return search_; }

private:
    void ask_hint();
    void back_to_winnable();
    void show_hint(const Board& board, const solver::Answer& answer);
    void show_note(const HintAdvice& advice);
    bool end_hint();
    void set_busy(bool busy);
    void run(const std::function<void()>& handler);
    void changed();

    Form1& form_;
    SessionView& view_;
    BoardHint hint_;
    HintSearch search_;
    std::optional<HintAdvice> note_;
    bool busy_ = false;
};

} // namespace mossaline
