#pragma once

#include "game/board.h"
#include "solver/solver.h"

#include <optional>
#include <string>

namespace mossaline {

class Form1;

/// The jump a hint points at, and what the player is told about the board.
struct HintAdvice {
    solver::Step step; ///< the marble to jump and where to
    std::string text; ///< what is known about finishing with one marble
};

/// Turns a solver's answer for `board` into the hint shown to the player; nothing when no
/// jump is left on it. An answer without a line still points at an open jump. On a lost board,
/// `take_back` (when known) is how many jumps back the last board that can still finish lies.
std::optional<HintAdvice> advice_for(
    const Board& board, const solver::Answer& answer, std::optional<std::size_t> take_back = std::nullopt);

/// What "Back to the last winnable board" tells the player: `take_back` jumps were taken back,
/// or none were needed (0), or the answer is not known yet (nothing).
std::string back_note(std::optional<std::size_t> take_back);
/// What it says while its search runs.
std::string back_looking_note();

/// Points the window at a suggested jump: the last-position marker onto the marble that should
/// jump, shown until the next click or key, and the pointer onto the hole it should jump into,
/// so one click there makes the jump.
class BoardHint {
public:
    /// A hint over `form`.
    explicit BoardHint(Form1& form);

    /// Marks the step's marble, and moves the pointer onto its target as a motion there would.
    void show(const solver::Step& step);
    /// The marker's visibility back to what the "Show last position" box says; nothing if no hint shows.
    void end();
    /// True from show() until end().
    bool showing() const { return showing_; }

private:
    Form1& form_;
    bool showing_ = false;
};

} // namespace mossaline
