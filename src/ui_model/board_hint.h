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
    std::string text;  ///< what is known about finishing with one marble
};

/// Turns a solver's answer for `board` into the hint shown to the player; nothing when no
/// jump is left on it. An answer without a line still points at an open jump.
std::optional<HintAdvice> advice_for(const Board& board, const solver::Answer& answer);

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
