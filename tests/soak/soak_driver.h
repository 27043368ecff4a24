#pragma once

#include "recording_cue_player.h"
#include "soak_random.h"

#include "game/jump_scan.h"
#include "ui_model/board_hint.h"
#include "ui_model/form1.h"
#include "ui_model/module1.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mossaline::testing {

/// A promise of one kind of event broken during a soak run.
class SoakFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One handler call of a soak run, kept so a failure can say what led up to it.
struct SoakEvent {
    long number = 0; ///< position in the run, from 1
    const char* handler = ""; ///< the handler called
    bool has_pointer = false; ///< true for pointer motion
    float x = 0; ///< pointer X in twips, for motion
    float y = 0; ///< pointer Y in twips, for motion

    /// One line for a failure report.
    std::string describe() const;
};

/// What a soak run has done, for its report.
struct SoakTally {
    long events = 0; ///< handler calls
    long clicks = 0; ///< clicks on the board's surface
    long slotless_marks = 0; ///< clicks that left the marker on a grid cell without a board slot
    long jumps = 0; ///< jumps made
    long games_reported = 0; ///< report windows loaded by a game's end
    long restarts = 0; ///< RESTART clicks
    long closes = 0; ///< "Close" clicks on the report
    long exits = 0; ///< EXIT clicks
    long take_backs = 0; ///< jumps taken back
    long redos = 0; ///< jumps made again
    long back_to_start = 0; ///< games taken back to the start position
    long keys = 0; ///< keys pressed
    long hints = 0; ///< hints shown
    long cues = 0; ///< cues played
};

/// Feeds random events to the main window's handlers the way a player could, and checks what
/// each kind of event promises; a broken promise throws SoakFault.
class SoakDriver {
public:
    /// Runs after every handler call, to check what must hold after any event.
    using Check = std::function<void(const SoakDriver&)>;

    /// Drives a loaded window; `exits` is the counter its end-of-program call raises.
    SoakDriver(
        Form1& form, Module1& module, RecordingCuePlayer& cues, SoakStream& stream, const int& exits, Check after_each);

    /// One action: a single handler call, or the few calls of a jump made on purpose.
    void step();

    /// The counts so far.
    const SoakTally& tally() const { return tally_; }
    /// The last few events, the one that failed last.
    const std::deque<SoakEvent>& recent() const { return recent_; }
    /// The number of the event running now, or of the last one; stable for the driver's life.
    const long* current_event() const { return &current_; }
    /// True once "OPTIONS" has been checked: from then on the boxes show the variables.
    bool panel_opened() const { return panel_opened_; }

private:
    template <class Handler> void run(SoakEvent event, Handler&& handler);

    void move(float x, float y);
    void move_into(int cell);
    void move_somewhere();
    bool click(const char* name = "Form_Click", void (Form1Names::*handler)() = &Form1Names::Form_Click);
    bool report_loaded() const;
    bool report_visible() const;
    void expect_report(bool filled, bool was_visible, std::vector<Cue>& expected);
    void deliberate_jump(const OpenJump& jump);
    void tick_colour();
    void tick_ambient();
    void toggle_box();
    void choose_colour();
    void close_report();
    void restart();
    void exit();
    bool take_back();
    bool redo();
    void take_everything_back();
    void key();
    void cursor(CursorDirection direction);
    void hint();

    Form1Names& form_;
    Module1& module_;
    RecordingCuePlayer& cues_;
    SoakStream& stream_;
    const int& exits_;
    Check after_each_;
    SoakTally tally_{};
    std::deque<SoakEvent> recent_;
    long current_ = 0;
    bool panel_opened_ = false;
    BoardHint board_hint_;
};

} // namespace mossaline::testing
