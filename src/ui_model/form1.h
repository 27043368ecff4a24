#pragma once

#include "game/jump_history.h"
#include "sound/cue_player.h"
#include "ui_model/board_cursor.h"
#include "ui_model/control_array.h"
#include "ui_model/module1.h"
#include "ui_model/random_source.h"
#include "ui_model/result.h"
#include "ui_model/window_model.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace mossaline {

/// The main window under its design's names: its controls and event handlers, free of any
/// toolkit so tests can drive them. Only the handlers themselves, the binding of views to
/// handlers and the handlers' tests reach it, through design_names(); the rest of the game
/// works with Form1's roles.
class Form1Names {
public:
    Form1Names(const Form1Names&) = delete;
    Form1Names& operator=(const Form1Names&) = delete;

    WindowModel window; ///< every control of the window

    Control& Label1; ///< EXIT
    Control& Label2; ///< RESTART
    Control& Label4; ///< "Marbles left :"
    Control& Label5; ///< the count of marbles left
    Control& Shape1; ///< the board disc
    Control& Shape4; ///< the hover marker
    Control& Shape5; ///< the last-position marker, source of the next move
    Control& Image2; ///< picture left of the title
    Control& Image3; ///< picture right of the title
    Control& Frame1; ///< the options panel
    Control& Check1; ///< "OPTIONS"
    Control& Check2; ///< "Show possible moves"
    Control& Check3; ///< "Show last position"
    Control& Check4; ///< "Show marbles left"
    Control& Check5; ///< "Play sound"
    Control& Timer1; ///< flicker of the hovered command label
    Control& Timer2; ///< ambient cues
    ControlArray Shape2; ///< hole rings, elements 0..44
    ControlArray Shape3; ///< marble discs, by cell index
    ControlArray Shape7; ///< marble highlights, by cell index
    std::array<Control*, 9> Option{}; ///< colour buttons 1..8; element 0 is unused

    /// Start-up: the shared state, the start position, the count and the start cue.
    void Form_Load();
    /// A click on the window's surface: moves the last-position marker and judges the move.
    void Form_Click();
    /// Pointer motion over the surface, in twips.
    void Form_MouseMove(float x, float y);
    /// Pointer motion over EXIT.
    void Label1_MouseMove();
    /// Pointer motion over RESTART.
    void Label2_MouseMove();
    /// EXIT: the farewell cue, then the end of the program.
    void Label1_Click();
    /// RESTART: the start position again, with its cues.
    void Label2_Click();
    /// "OPTIONS" toggled: opens or closes the panel and shows the settings in its boxes.
    void Check1_Click();
    /// "Show possible moves" toggled.
    void Check2_Click();
    /// "Show last position" toggled.
    void Check3_Click();
    /// "Show marbles left" toggled.
    void Check4_Click();
    /// "Play sound" toggled.
    void Check5_Click();
    void Option1_Click(); ///< board colour light orange
    void Option2_Click(); ///< board colour pale green
    void Option3_Click(); ///< board colour teal
    void Option4_Click(); ///< board colour pale pink
    void Option5_Click(); ///< board colour green
    void Option6_Click(); ///< board colour brown
    void Option7_Click(); ///< board colour dark grey
    void Option8_Click(); ///< board colour navy
    /// Colour-effect tick: a random light colour for the hovered command label.
    void Timer1_Timer();
    /// Ambient tick: now and then an ambient cue.
    void Timer2_Timer();

    /// Colours light yellow every marble that has an open jump, every other one grey.
    void possible_moves();
    /// Counts the open jumps into the shared state.
    void count_left();
    /// Resets the board model to the start position; touches no control.
    void restart();

    /// The report window, or nullptr before the first game end.
    Result* result() { return result_.get(); }

    /// Takes back the last jump of this game, as if it had never been made; false when there is none.
    bool undo_jump();
    /// Takes back up to `count` jumps one by one as undo_jump() does, with one cue for them all;
    /// the number taken back.
    int undo_jumps(int count);
    /// The boards of this game from its start to the board as it stands, one per jump made.
    std::vector<Board> boards_of_game() const;
    /// Makes the jump taken back last again, as its click did; false when there is none.
    bool redo_jump();
    /// The board as it stands, for views that advise on it.
    const Board& board() const { return module_.board; }
    /// True when a jump of this game can be taken back.
    bool can_undo() const { return history_.can_take_back(); }
    /// True when a jump taken back can be made again.
    bool can_redo() const { return history_.can_redo(); }
    /// Moves the hover marker one board cell that way, as a pointer motion onto that cell's centre.
    void move_cursor(CursorDirection direction);
    /// A click on the board from the keyboard, judged where the pointer was last seen.
    void press_cursor();
    /// Moves the hover marker onto a cell, as a pointer motion onto its centre.
    void hover_onto(int cell);
    /// Puts the last-position marker on a cell, shown, so the next click jumps from there.
    void mark_source(int cell);

    /// Shows the board as it stands: a marble disc and its highlight on every cell that holds
    /// a marble and on no other, and the count of marbles. Every handler that changes the
    /// board ends through here, so what is drawn cannot drift from the board.
    void show_board();

protected:
    /// Builds the window from its design; `end_program` ends the process when EXIT is clicked.
    Form1Names(Module1& module, CuePlayer& cues, RandomSource& random, std::function<void()> end_program);

private:
    void finish_move(std::optional<Cue> cue, bool jumped, bool board_changed);
    bool take_back_one(bool with_cue);
    void put_marker(Control& marker, MarkerPlace place);
    void show_result(bool game_just_ended);
    void set_board_colour(int option);
    void play(Cue cue);
    void reset_marble_colours();

    Module1& module_;
    CuePlayer& cues_;
    RandomSource& random_;
    std::function<void()> end_program_;
    std::unique_ptr<Result> result_;
    JumpHistory history_;
};

/// The main window model as the views and the game session see it: the window's controls as
/// a whole, the board, the take-back, and the roles of the controls they work with.
class Form1 : private Form1Names {
public:
    /// Builds the window from its design; `end_program` ends the process when EXIT is clicked.
    Form1(Module1& module, CuePlayer& cues, RandomSource& random, std::function<void()> end_program);

    using Form1Names::board;
    using Form1Names::boards_of_game;
    using Form1Names::can_redo;
    using Form1Names::can_undo;
    using Form1Names::hover_onto;
    using Form1Names::mark_source;
    using Form1Names::move_cursor;
    using Form1Names::press_cursor;
    using Form1Names::redo_jump;
    using Form1Names::result;
    using Form1Names::undo_jump;
    using Form1Names::undo_jumps;
    using Form1Names::window;

    /// Start-up: the shared state, the start position, the count and the start cue.
    void load() { Form_Load(); }
    /// Pointer motion over the board, in twips.
    void move_pointer(float x, float y) { Form_MouseMove(x, y); }
    /// A click on the board, judged where the pointer was last seen.
    void click_board() { Form_Click(); }
    /// A new game, as a click on RESTART.
    void new_game() { Label2_Click(); }
    /// The end of the program, as a click on EXIT.
    void exit_game() { Label1_Click(); }
    /// The last-position marker: the cell the next click jumps from.
    Control& source_marker() { return Shape5; }
    /// The hover marker: the cell under the pointer or the keyboard cursor.
    const Control& hover_marker() const { return Shape4; }
    /// True while the player has asked to see the last position.
    bool last_position_shown() const { return Check3.checked == 1; }
    /// The marble disc on a cell, or nullptr where the cross has no hole.
    const Control* marble_disc(int cell) const { return Shape3(cell); }
    /// The timer that makes the hovered command flicker.
    const Control& flicker_timer() const { return Timer1; }
    /// The timer of the ambient cues.
    const Control& ambient_timer() const { return Timer2; }

    /// The window by its design's names: for the binding of views to handlers and for the
    /// handlers' tests.
    friend Form1Names& design_names(Form1& form) { return form; }
    /// The same, to read.
    friend const Form1Names& design_names(const Form1& form) { return form; }
};

} // namespace mossaline
