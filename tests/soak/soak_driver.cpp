#include "soak_driver.h"

#include "game/grid.h"
#include "game/move_judge.h"
#include "ui_model/board_cursor.h"
#include "ui_model/game_keys.h"
#include "ui_model/marker_grid.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <iomanip>
#include <span>
#include <sstream>
#include <utility>
#include <vector>

namespace mossaline::testing {

namespace {

// The edges of the row and column bands: a pointer exactly on one belongs to no band.
constexpr std::array<float, 10> kColumnEdges{1500, 2100, 2700, 3300, 3900, 4500, 5100, 5700, 6300, 6900};
constexpr std::array<float, 10> kRowEdges{800, 1400, 2000, 2600, 3200, 3800, 4400, 5000, 5600, 6200};
// Just beside an edge; Y is rounded half to even when stored, so 0.5 off can land back on it.
constexpr std::array<float, 6> kNudges{0.4f, -0.4f, 0.5f, -0.5f, 0.25f, -0.001f};
// A pointer dragged far off the window, past what the stored 16-bit Y can hold.
constexpr std::array<float, 9> kFarAway{1e6f, -1e6f, 1e9f, -1e9f, 3.0e38f, -3.0e38f, 32767.5f, -32768.5f, 65536.0f};

constexpr int kWindowWidth = 9870;
constexpr int kWindowHeight = 6675;

template <class Values> float any_of(SoakStream& stream, const Values& values)
{
    return values[static_cast<std::size_t>(stream.below(static_cast<int>(values.size())))];
}

// Anywhere on the window or a little past its edges, at fractional positions.
float across(SoakStream& stream, int extent)
{
    return -300.0f + stream.unit() * static_cast<float>(extent + 600);
}

bool is_move_cue(Cue cue)
{
    return cue == Cue::Gain || cue == Cue::Loss || cue == Cue::Normal;
}

std::string cue_list(const std::vector<Cue>& cues)
{
    std::string text;
    for (Cue cue : cues)
        text += std::string(text.empty() ? "" : ", ") + std::string(cue_file_name(cue));
    return "[" + text + "]";
}

std::string jump_text(const OpenJump& jump)
{
    return std::to_string(jump.from) + " over " + std::to_string(jump.over) + " to " + std::to_string(jump.to);
}

// Enough for the search to answer most boards in full and keeps a million events quick; a
// search cut short may answer otherwise on a replay, and every check below holds either way.
constexpr std::chrono::milliseconds kHintBudget{5};

int changed_cells(const Board& before, const Board& after)
{
    int changed = 0;
    for (int i = 1; i < Board::kSlots; ++i)
        changed += before.at(i) != after.at(i) ? 1 : 0;
    return changed;
}

bool still_open(const Board& board, const OpenJump& jump)
{
    return board.at(jump.from) == Cell::Marble && board.at(jump.over) == Cell::Marble
        && board.at(jump.to) == Cell::Empty;
}

void expect_cues(const RecordingCuePlayer& cues, const std::vector<Cue>& expected, const char* event)
{
    if (cues.played != expected)
        throw SoakFault(std::string(event) + " played " + cue_list(cues.played) + " instead of " + cue_list(expected));
}

} // namespace

std::string SoakEvent::describe() const
{
    std::ostringstream line;
    line << std::setprecision(9) << "#" << number << " " << handler;
    if (has_pointer)
        line << "(" << x << ", " << y << ")";
    return line.str();
}

SoakDriver::SoakDriver(
    Form1& form, Module1& module, RecordingCuePlayer& cues, SoakStream& stream, const int& exits, Check after_each)
    : form_(design_names(form))
    , module_(module)
    , cues_(cues)
    , stream_(stream)
    , exits_(exits)
    , after_each_(std::move(after_each))
    , board_hint_(form)
{
}

template <class Handler> void SoakDriver::run(SoakEvent event, Handler&& handler)
{
    event.number = tally_.events + 1;
    current_ = event.number;
    recent_.push_back(event);
    if (recent_.size() > 12)
        recent_.pop_front();
    cues_.played.clear();
    handler();
    ++tally_.events;
    tally_.cues += static_cast<long>(cues_.played.size());
    after_each_(*this);
}

void SoakDriver::step()
{
    // Without a move left the player restarts sooner or later; until then every click
    // shows the report again.
    if (count_open_jumps(module_.board) == 0 && stream_.percent(8)) {
        restart();
        return;
    }
    const int roll = stream_.below(1000);
    if (roll < 250) {
        move_somewhere();
    } else if (roll < 300) {
        move_somewhere();
        click();
    } else if (roll < 450) {
        click();
    } else if (roll < 650) {
        std::vector<OpenJump> jumps;
        for_each_open_jump(module_.board, [&jumps](const OpenJump& jump) { jumps.push_back(jump); });
        if (jumps.empty())
            click();
        else
            deliberate_jump(jumps[static_cast<std::size_t>(stream_.below(static_cast<int>(jumps.size())))]);
    } else if (roll < 670) {
        run({.handler = "Label1_MouseMove"}, [this] { form_.Label1_MouseMove(); });
    } else if (roll < 690) {
        run({.handler = "Label2_MouseMove"}, [this] { form_.Label2_MouseMove(); });
    } else if (roll < 770) {
        tick_colour();
    } else if (roll < 850) {
        tick_ambient();
    } else if (roll < 910) {
        toggle_box();
    } else if (roll < 940) {
        choose_colour();
    } else if (roll < 970) {
        close_report();
    } else if (roll < 974) {
        restart();
    } else if (roll < 975) {
        exit();
    } else if (roll < 983) {
        take_back();
    } else if (roll < 987) {
        redo();
    } else if (roll < 989) {
        take_everything_back();
    } else if (roll < 999) {
        key();
    } else {
        hint();
    }
}

void SoakDriver::move(float x, float y)
{
    run({.handler = "Form_MouseMove", .has_pointer = true, .x = x, .y = y}, [&] { form_.Form_MouseMove(x, y); });
    // Back on the surface, the command labels stop flickering at once.
    if (form_.Timer1.enabled || form_.Label1.fore_colour != colours::kCommandRest
        || form_.Label2.fore_colour != colours::kCommandRest)
        throw SoakFault("pointer motion left the command labels flickering");
}

void SoakDriver::move_into(int cell)
{
    // Anywhere inside the cell's bands, which lie 300 twips either side of its centre.
    move(1800.0f + 600.0f * static_cast<float>(column_of(cell)) + (stream_.unit() - 0.5f) * 580.0f,
        1100.0f + 600.0f * static_cast<float>(row_of(cell)) + (stream_.unit() - 0.5f) * 580.0f);
}

void SoakDriver::move_somewhere()
{
    switch (stream_.below(10)) {
    case 0:
    case 1:
    case 2: // inside a board cell
        move_into(board_cells()[static_cast<std::size_t>(stream_.below(45))]);
        break;
    case 3:
    case 4: { // exactly on a band edge, one way or both; the other way often inside a band
        const int which = stream_.below(3);
        const bool in_band = stream_.percent(50);
        move(which != 1   ? any_of(stream_, kColumnEdges)
                : in_band ? 1800.0f + 600.0f * static_cast<float>(stream_.below(9))
                          : across(stream_, kWindowWidth),
            which != 0    ? any_of(stream_, kRowEdges)
                : in_band ? 1100.0f + 600.0f * static_cast<float>(stream_.below(9))
                          : across(stream_, kWindowHeight));
        break;
    }
    case 5:
    case 6: { // a hair beside an edge
        const int which = stream_.below(3);
        move(which != 1 ? any_of(stream_, kColumnEdges) + any_of(stream_, kNudges) : across(stream_, kWindowWidth),
            which != 0 ? any_of(stream_, kRowEdges) + any_of(stream_, kNudges) : across(stream_, kWindowHeight));
        break;
    }
    case 7:
    case 8: // anywhere on the window
        move(across(stream_, kWindowWidth), across(stream_, kWindowHeight));
        break;
    default: { // far outside it
        const int which = stream_.below(3);
        move(which != 1 ? any_of(stream_, kFarAway) : across(stream_, kWindowWidth),
            which != 0 ? any_of(stream_, kFarAway) : across(stream_, kWindowHeight));
        break;
    }
    }
}

bool SoakDriver::click(const char* name, void (Form1Names::*handler)())
{
    const bool sound = module_.sound_on == 1;
    const int before = module_.marbles_left;
    const bool was_loaded = report_loaded();
    const bool was_visible = report_visible();

    run({.handler = name}, [this, handler] { (form_.*handler)(); });
    ++tally_.clicks;
    if (marker_grid::cell_at(form_.Shape5.box.left, form_.Shape5.box.top) >= Board::kSlots)
        ++tally_.slotless_marks;

    const int after = module_.marbles_left;
    const bool jumped = after == before - 1;
    if (after != before && !jumped)
        throw SoakFault("a click took " + std::to_string(before - after) + " marbles");
    tally_.jumps += jumped ? 1 : 0;
    if (module_.moves_possible != count_open_jumps(module_.board))
        throw SoakFault("moves_possible is " + std::to_string(module_.moves_possible) + " after a click, the board has "
            + std::to_string(count_open_jumps(module_.board)));

    std::vector<Cue> expected;
    if (sound)
        expected.push_back(jumped ? Cue::Gain : cues_.played.empty() ? Cue::Normal : cues_.played.front());
    if (!expected.empty() && !is_move_cue(expected.front()))
        throw SoakFault("a click sounded " + cue_list(cues_.played) + " first");
    if (!expected.empty() && jumped != (expected.front() == Cue::Gain))
        throw SoakFault("a click sounded gain.wav without a jump");

    // A jump that ends a game fills the report even when it is still open from a game before.
    expect_report(!was_loaded || jumped, was_visible, expected);
    expect_cues(cues_, expected, name);
    return jumped;
}

bool SoakDriver::report_loaded() const
{
    return form_.result() != nullptr && form_.result()->loaded();
}

bool SoakDriver::report_visible() const
{
    return form_.result() != nullptr && form_.result()->visible();
}

void SoakDriver::expect_report(bool filled, bool was_visible, std::vector<Cue>& expected)
{
    const Result* report = form_.result();
    if (module_.moves_possible == 0) {
        if (report == nullptr || !report->loaded() || !report->visible())
            throw SoakFault("no move is left but the report is not shown");
        if (filled) {
            ++tally_.games_reported;
            const int left = module_.marbles_left;
            if (report->Label5.caption != std::to_string(left))
                throw SoakFault(
                    "the report counts " + report->Label5.caption + " with " + std::to_string(left) + " left");
            if (module_.sound_on == 1 && left <= 3)
                expected.push_back(Cue::Yahoo);
        }
    } else if ((report != nullptr && report->visible()) != was_visible) {
        throw SoakFault("a move with moves left changed whether the report is shown");
    }
}

void SoakDriver::deliberate_jump(const OpenJump& jump)
{
    if (marker_grid::cell_at(form_.Shape5.box.left, form_.Shape5.box.top) != jump.from) {
        move_into(jump.from);
        click();
        if (marker_grid::cell_at(form_.Shape5.box.left, form_.Shape5.box.top) != jump.from)
            throw SoakFault("a click inside cell " + std::to_string(jump.from) + " left the marker elsewhere");
        if (!still_open(module_.board, jump))
            return; // that click made a jump of its own and closed this one
    }
    move_into(jump.to);
    if (!click())
        throw SoakFault("the open jump " + jump_text(jump) + " was not made");
}

void SoakDriver::tick_colour()
{
    Control& flickering = module_.hover_label == -1 ? form_.Label2 : form_.Label1;
    const Control& resting = module_.hover_label == -1 ? form_.Label1 : form_.Label2;
    const Colour unchanged = resting.fore_colour;
    run({.handler = "Timer1_Timer"}, [this] { form_.Timer1_Timer(); });
    const Colour colour = flickering.fore_colour;
    for (int channel : {colour.red(), colour.green(), colour.blue()})
        if (channel < 150 || channel > 250)
            throw SoakFault(flickering.name + " flickered to " + std::to_string(colour.value) + ", not a light colour");
    if (resting.fore_colour != unchanged)
        throw SoakFault("a flicker tick recoloured " + resting.name + " too");
    expect_cues(cues_, {}, "Timer1_Timer");
}

void SoakDriver::tick_ambient()
{
    const bool sound = module_.sound_on == 1;
    run({.handler = "Timer2_Timer"}, [this] { form_.Timer2_Timer(); });
    const std::vector<Cue>& played = cues_.played;
    const bool allowed = played.empty()
        || (sound && (played == std::vector<Cue>{Cue::Two} || played == std::vector<Cue>{Cue::One, Cue::One}));
    if (!allowed)
        throw SoakFault("an ambient tick played " + cue_list(played) + (sound ? "" : " with sound off"));
}

void SoakDriver::toggle_box()
{
    // The player reaches the four switches only while the panel is open.
    const int n = form_.Frame1.visible ? 1 + stream_.below(5) : 1;
    static constexpr std::array<std::pair<const char*, void (Form1Names::*)()>, 6> kHandlers{
        {{"", nullptr}, {"Check1_Click", &Form1Names::Check1_Click}, {"Check2_Click", &Form1Names::Check2_Click},
            {"Check3_Click", &Form1Names::Check3_Click}, {"Check4_Click", &Form1Names::Check4_Click},
            {"Check5_Click", &Form1Names::Check5_Click}}};
    const std::array<Control*, 6> boxes{
        nullptr, &form_.Check1, &form_.Check2, &form_.Check3, &form_.Check4, &form_.Check5};
    Control& box = *boxes[static_cast<std::size_t>(n)];
    const char* name = kHandlers[static_cast<std::size_t>(n)].first;
    void (Form1Names::*handler)() = kHandlers[static_cast<std::size_t>(n)].second;
    run({.handler = name}, [&] {
        box.checked = static_cast<std::int16_t>(1 - box.checked);
        (form_.*handler)();
    });
    if (n == 1 && box.checked == 1)
        panel_opened_ = true;
    expect_cues(cues_, {}, name);
}

void SoakDriver::choose_colour()
{
    if (!form_.Frame1.visible) {
        toggle_box();
        return;
    }
    static constexpr std::array<std::pair<const char*, void (Form1Names::*)()>, 9> kHandlers{
        {{"", nullptr}, {"Option1_Click", &Form1Names::Option1_Click}, {"Option2_Click", &Form1Names::Option2_Click},
            {"Option3_Click", &Form1Names::Option3_Click}, {"Option4_Click", &Form1Names::Option4_Click},
            {"Option5_Click", &Form1Names::Option5_Click}, {"Option6_Click", &Form1Names::Option6_Click},
            {"Option7_Click", &Form1Names::Option7_Click}, {"Option8_Click", &Form1Names::Option8_Click}}};
    const int n = 1 + stream_.below(8);
    const char* name = kHandlers[static_cast<std::size_t>(n)].first;
    void (Form1Names::*handler)() = kHandlers[static_cast<std::size_t>(n)].second;
    run({.handler = name}, [&] {
        // The group keeps one button selected before the chosen one's handler runs.
        for (int other = 1; other <= 8; ++other)
            form_.Option[static_cast<std::size_t>(other)]->selected = other == n;
        (form_.*handler)();
    });
    expect_cues(cues_, {}, name);
}

void SoakDriver::close_report()
{
    Result* report = form_.result();
    if (report == nullptr || !report->loaded()) {
        click();
        return;
    }
    run({.handler = "Command1_Click"}, [report] { report->Command1_Click(); });
    ++tally_.closes;
    if (report->loaded() || report->visible())
        throw SoakFault("\"Close\" left the report open");
    expect_cues(cues_, {}, "Command1_Click");
}

void SoakDriver::restart()
{
    const bool sound = module_.sound_on == 1;
    const Result* report = form_.result();
    const bool report_shown = report != nullptr && report->visible();
    run({.handler = "Label2_Click"}, [this] { form_.Label2_Click(); });
    ++tally_.restarts;
    Board start;
    set_start_position(start);
    if (!(module_.board == start))
        throw SoakFault("RESTART did not lay out the start position");
    if ((report != nullptr && report->visible()) != report_shown)
        throw SoakFault("RESTART changed whether the report is shown");
    expect_cues(
        cues_, sound ? std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn} : std::vector<Cue>{}, "Label2_Click");
}

void SoakDriver::exit()
{
    const bool sound = module_.sound_on == 1;
    const int before = exits_;
    run({.handler = "Label1_Click"}, [this] { form_.Label1_Click(); });
    ++tally_.exits;
    if (exits_ != before + 1)
        throw SoakFault("EXIT did not end the program exactly once");
    expect_cues(cues_, sound ? std::vector<Cue>{Cue::Bird} : std::vector<Cue>{}, "Label1_Click");
}

bool SoakDriver::take_back()
{
    const bool sound = module_.sound_on == 1;
    const bool could = form_.can_undo();
    const Board before = module_.board;
    const int left = module_.marbles_left;
    bool taken = false;
    run({.handler = "undo_jump"}, [&] { taken = form_.undo_jump(); });
    if (taken != could)
        throw SoakFault(could ? "a take-back did nothing with a jump to take back" : "a take-back with no jump made");
    if (!taken) {
        if (!(module_.board == before))
            throw SoakFault("a take-back with nothing to take back changed the board");
        expect_cues(cues_, {}, "undo_jump");
        return false;
    }
    ++tally_.take_backs;
    if (module_.marbles_left != left + 1 || changed_cells(before, module_.board) != 3)
        throw SoakFault("a take-back did not put back exactly one jump's marbles");
    if (module_.moves_possible != count_open_jumps(module_.board))
        throw SoakFault("moves_possible is not counted again after a take-back");
    expect_cues(cues_, sound ? std::vector<Cue>{Cue::Loss} : std::vector<Cue>{}, "undo_jump");
    return true;
}

bool SoakDriver::redo()
{
    const bool sound = module_.sound_on == 1;
    const bool could = form_.can_redo();
    const Board before = module_.board;
    const int left = module_.marbles_left;
    const bool was_visible = report_visible();
    bool made = false;
    run({.handler = "redo_jump"}, [&] { made = form_.redo_jump(); });
    if (made != could)
        throw SoakFault(could ? "a redo did nothing with a jump taken back" : "a redo with no jump taken back");
    if (!made) {
        if (!(module_.board == before))
            throw SoakFault("a redo with nothing to redo changed the board");
        expect_cues(cues_, {}, "redo_jump");
        return false;
    }
    ++tally_.redos;
    ++tally_.jumps;
    if (module_.marbles_left != left - 1 || changed_cells(before, module_.board) != 3)
        throw SoakFault("a redo did not make exactly one jump");
    if (module_.moves_possible != count_open_jumps(module_.board))
        throw SoakFault("moves_possible is not counted again after a redo");
    std::vector<Cue> expected;
    if (sound)
        expected.push_back(Cue::Gain);
    expect_report(true, was_visible, expected);
    expect_cues(cues_, expected, "redo_jump");
    return true;
}

void SoakDriver::take_everything_back()
{
    const Board reached = module_.board;
    // Half the time every jump of the game, otherwise a few.
    const bool everything = stream_.percent(50);
    const int few = 1 + stream_.below(5);
    int taken = 0;
    while ((everything || taken < few) && take_back())
        ++taken;
    if (everything) {
        Board start;
        set_start_position(start);
        if (!(module_.board == start))
            throw SoakFault("taking every jump back left " + std::to_string(module_.board.marbles())
                + " marbles, not the start position");
        ++tally_.back_to_start;
    }
    if (stream_.percent(50))
        return;
    for (int again = 0; again < taken; ++again)
        if (!redo())
            throw SoakFault("a jump taken back could not be made again");
    if (!(module_.board == reached))
        throw SoakFault("making the " + std::to_string(taken) + " jumps taken back again gave another board");
}

void SoakDriver::key()
{
    const std::span<const KeyBinding> bindings = key_bindings();
    const KeyBinding& binding = bindings[static_cast<std::size_t>(stream_.below(static_cast<int>(bindings.size())))];
    ++tally_.keys;
    // Each key runs what the window runs for it.
    switch (binding.command) {
    case KeyCommand::TakeBack:
        take_back();
        break;
    case KeyCommand::Redo:
        redo();
        break;
    case KeyCommand::CursorLeft:
        cursor(CursorDirection::Left);
        break;
    case KeyCommand::CursorRight:
        cursor(CursorDirection::Right);
        break;
    case KeyCommand::CursorUp:
        cursor(CursorDirection::Up);
        break;
    case KeyCommand::CursorDown:
        cursor(CursorDirection::Down);
        break;
    case KeyCommand::Press:
        click("press_cursor", &Form1Names::press_cursor);
        break;
    case KeyCommand::OpenMenu:
        break; // the menu only offers the commands of the other keys
    case KeyCommand::Hint:
        hint();
        break;
    case KeyCommand::NewGame:
        restart();
        break;
    case KeyCommand::Exit:
        exit();
        break;
    }
}

void SoakDriver::cursor(CursorDirection direction)
{
    const TwipsRect before = form_.Shape4.box;
    const std::optional<int> cell = cursor_step(before.left, before.top, direction);
    run({.handler = "move_cursor"}, [&] { form_.move_cursor(direction); });
    const TwipsRect& after = form_.Shape4.box;
    if (cell ? after.left != hover_grid::left_of(column_of(*cell)) || after.top != hover_grid::top_of(row_of(*cell))
             : after.left != before.left || after.top != before.top)
        throw SoakFault("an arrow key left the hover marker off the cell it steps to");
    expect_cues(cues_, {}, "move_cursor");
}

void SoakDriver::hint()
{
    const Board board = module_.board;
    const solver::Answer answer = solver::solve(board, {kHintBudget});
    const std::optional<HintAdvice> advice = advice_for(board, answer);
    if (count_open_jumps(board) == 0) {
        if (advice)
            throw SoakFault("a hint on a board without a jump");
        return;
    }
    if (!advice)
        throw SoakFault("no hint on a board with a jump open");
    const solver::Step step = advice->step;
    if (judge_move(board, step.from, step.to) != MoveVerdict::Jump || step.over != (step.from + step.to) / 2)
        throw SoakFault("the hint suggests " + std::to_string(step.from) + " to " + std::to_string(step.to)
            + ", not a jump on this board");
    Board along = board;
    for (const solver::Step& next : answer.line) {
        if (judge_move(along, next.from, next.to) != MoveVerdict::Jump)
            throw SoakFault("the hint's line has a step that is not a jump");
        apply_jump(along, next.from, next.to);
    }
    // Shown, then ended as the next event ends it, so the marker's switch holds again.
    run({.handler = "hint"}, [&] {
        board_hint_.show(step);
        board_hint_.end();
    });
    ++tally_.hints;
    if (marker_grid::cell_at(form_.Shape5.box.left, form_.Shape5.box.top) != step.from
        || form_.Shape4.box.left != hover_grid::left_of(column_of(step.to))
        || form_.Shape4.box.top != hover_grid::top_of(row_of(step.to)))
        throw SoakFault("the hint does not point from the marble to jump at its hole");
    expect_cues(cues_, {}, "hint");
    // Enter then makes the suggested jump.
    if (stream_.percent(50)
        && (!click("press_cursor", &Form1Names::press_cursor) || module_.board.at(step.to) != Cell::Marble))
        throw SoakFault("Enter after a hint did not make the suggested jump");
}

} // namespace mossaline::testing
