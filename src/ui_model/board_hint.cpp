#include "ui_model/board_hint.h"

#include "game/jump_scan.h"
#include "ui_model/form1.h"

#include <string>

namespace mossaline {

namespace {

std::string marbles(int count)
{
    return std::to_string(count) + (count == 1 ? " marble" : " marbles");
}

std::string jumps(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " jump" : " jumps");
}

std::string text_for(const solver::Answer& answer, std::optional<std::size_t> take_back)
{
    switch (answer.verdict) {
    case solver::Verdict::OneMarbleFinish:
        return "A finish with one marble is still possible: jump this marble.";
    case solver::Verdict::NoOneMarbleFinish:
        return "No finish with one marble is left. "
            + (take_back && *take_back > 0
                    ? "Take back " + jumps(*take_back) + " (B) to a board that can still finish with one marble. "
                    : std::string())
            + "This line leaves " + marbles(answer.marbles_after_line)
            + (answer.best_proven ? ", the fewest possible." : ".");
    case solver::Verdict::Undecided:
        break;
    }
    return "Not sure yet whether one marble can be left. This line leaves " + marbles(answer.marbles_after_line) + ".";
}

} // namespace

std::string back_note(std::optional<std::size_t> take_back)
{
    if (!take_back)
        return "Not sure yet which board of this game can still finish with one marble.";
    if (*take_back == 0)
        return "This board can still finish with one marble: nothing to take back.";
    return "Took back " + jumps(*take_back) + ": this board can still finish with one marble.";
}

std::string back_looking_note()
{
    return "Still looking for the last board that can finish with one marble...";
}

std::optional<HintAdvice> advice_for(
    const Board& board, const solver::Answer& answer, std::optional<std::size_t> take_back)
{
    if (!answer.line.empty())
        return HintAdvice{answer.line.front(), text_for(answer, take_back)};
    // A search stopped before its first line still knows the board is not over.
    std::optional<HintAdvice> advice;
    for_each_open_jump(board, [&](const OpenJump& jump) {
        if (!advice)
            advice = HintAdvice{{jump.from, jump.over, jump.to},
                "Not sure yet whether one marble can be left: no line was found in time."};
    });
    return advice;
}

BoardHint::BoardHint(Form1& form)
    : form_(form)
{
}

void BoardHint::show(const solver::Step& step)
{
    // The marker is the source of the next click, so the suggested marble becomes the one
    // the next click jumps from, and the pointer stands where that click lands.
    form_.mark_source(step.from);
    showing_ = true;
    form_.hover_onto(step.to);
}

void BoardHint::end()
{
    if (!showing_)
        return;
    showing_ = false;
    form_.source_marker().visible = form_.last_position_shown();
}

} // namespace mossaline
