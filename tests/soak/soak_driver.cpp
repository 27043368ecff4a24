#include "soak_driver.h"

#include "game/grid.h"
#include "ui_model/marker_grid.h"

#include <algorithm>
#include <array>
#include <iomanip>
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

template <class Values>
float any_of(SoakStream& stream, const Values& values)
{
    return values[static_cast<std::size_t>(stream.below(static_cast<int>(values.size())))];
}

// Anywhere on the window or a little past its edges, at fractional positions.
float across(SoakStream& stream, int extent) { return -300.0f + stream.unit() * static_cast<float>(extent + 600); }

bool is_move_cue(Cue cue) { return cue == Cue::Gain || cue == Cue::Loss || cue == Cue::Normal; }

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

bool still_open(const Board& board, const OpenJump& jump)
{
    return board.at(jump.from) == Cell::Marble && board.at(jump.over) == Cell::Marble && board.at(jump.to) == Cell::Empty;
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

SoakDriver::SoakDriver(Form1& form, Module1& module, RecordingCuePlayer& cues, SoakStream& stream, const int& exits,
                       Check after_each)
    : form_(form)
    , module_(module)
    , cues_(cues)
    , stream_(stream)
    , exits_(exits)
    , after_each_(std::move(after_each))
{
}

template <class Handler>
void SoakDriver::run(SoakEvent event, Handler&& handler)
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
    } else {
        click();
    }
}

void SoakDriver::move(float x, float y)
{
    run({.handler = "Form_MouseMove", .has_pointer = true, .x = x, .y = y}, [&] { form_.Form_MouseMove(x, y); });
    // Back on the surface, the command labels stop flickering at once.
    if (form_.Timer1.enabled || form_.Label1.fore_colour != colours::kCommandRest ||
        form_.Label2.fore_colour != colours::kCommandRest)
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
        move(which != 1 ? any_of(stream_, kColumnEdges)
                        : in_band ? 1800.0f + 600.0f * static_cast<float>(stream_.below(9)) : across(stream_, kWindowWidth),
             which != 0 ? any_of(stream_, kRowEdges)
                        : in_band ? 1100.0f + 600.0f * static_cast<float>(stream_.below(9)) : across(stream_, kWindowHeight));
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

bool SoakDriver::click()
{
    const bool sound = module_.sound_on == 1;
    const int before = module_.marbles_left;
    const Result* report = form_.result();
    const bool was_loaded = report != nullptr && report->loaded();
    const bool was_visible = report != nullptr && report->visible();

    run({.handler = "Form_Click"}, [this] { form_.Form_Click(); });
    ++tally_.clicks;
    if (marker_grid::cell_at(form_.Shape5.box.left, form_.Shape5.box.top) >= Board::kSlots)
        ++tally_.slotless_marks;

    const int after = module_.marbles_left;
    const bool jumped = after == before - 1;
    if (after != before && !jumped)
        throw SoakFault("a click took " + std::to_string(before - after) + " marbles");
    tally_.jumps += jumped ? 1 : 0;
    if (module_.moves_possible != count_open_jumps(module_.board))
        throw SoakFault("moves_possible is " + std::to_string(module_.moves_possible) + " after a click, the board has " +
                        std::to_string(count_open_jumps(module_.board)));

    std::vector<Cue> expected;
    if (sound)
        expected.push_back(jumped ? Cue::Gain : cues_.played.empty() ? Cue::Normal : cues_.played.front());
    if (!expected.empty() && !is_move_cue(expected.front()))
        throw SoakFault("a click sounded " + cue_list(cues_.played) + " first");
    if (!expected.empty() && jumped != (expected.front() == Cue::Gain))
        throw SoakFault("a click sounded gain.wav without a jump");

    report = form_.result();
    if (module_.moves_possible == 0) {
        if (report == nullptr || !report->loaded() || !report->visible())
            throw SoakFault("no move is left but the report is not shown");
        if (!was_loaded) {
            ++tally_.games_reported;
            if (report->Label5.caption != std::to_string(after))
                throw SoakFault("the report counts " + report->Label5.caption + " with " + std::to_string(after) + " left");
            if (sound && after <= 3)
                expected.push_back(Cue::Yahoo);
        }
    } else if ((report != nullptr && report->visible()) != was_visible) {
        throw SoakFault("a click with moves left changed whether the report is shown");
    }
    expect_cues(cues_, expected, "Form_Click");
    return jumped;
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
    const bool allowed = played.empty() || (sound && (played == std::vector<Cue>{Cue::Two} ||
                                                      played == std::vector<Cue>{Cue::One, Cue::One}));
    if (!allowed)
        throw SoakFault("an ambient tick played " + cue_list(played) + (sound ? "" : " with sound off"));
}

void SoakDriver::toggle_box()
{
    // The player reaches the four switches only while the panel is open.
    const int n = form_.Frame1.visible ? 1 + stream_.below(5) : 1;
    static constexpr std::array<std::pair<const char*, void (Form1::*)()>, 6> kHandlers{{{"", nullptr},
        {"Check1_Click", &Form1::Check1_Click}, {"Check2_Click", &Form1::Check2_Click},
        {"Check3_Click", &Form1::Check3_Click}, {"Check4_Click", &Form1::Check4_Click},
        {"Check5_Click", &Form1::Check5_Click}}};
    const std::array<Control*, 6> boxes{nullptr, &form_.Check1, &form_.Check2, &form_.Check3, &form_.Check4, &form_.Check5};
    Control& box = *boxes[static_cast<std::size_t>(n)];
    const char* name = kHandlers[static_cast<std::size_t>(n)].first;
    void (Form1::*handler)() = kHandlers[static_cast<std::size_t>(n)].second;
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
    static constexpr std::array<std::pair<const char*, void (Form1::*)()>, 9> kHandlers{{{"", nullptr},
        {"Option1_Click", &Form1::Option1_Click}, {"Option2_Click", &Form1::Option2_Click},
        {"Option3_Click", &Form1::Option3_Click}, {"Option4_Click", &Form1::Option4_Click},
        {"Option5_Click", &Form1::Option5_Click}, {"Option6_Click", &Form1::Option6_Click},
        {"Option7_Click", &Form1::Option7_Click}, {"Option8_Click", &Form1::Option8_Click}}};
    const int n = 1 + stream_.below(8);
    const char* name = kHandlers[static_cast<std::size_t>(n)].first;
    void (Form1::*handler)() = kHandlers[static_cast<std::size_t>(n)].second;
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
    expect_cues(cues_, sound ? std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn} : std::vector<Cue>{}, "Label2_Click");
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

} // namespace mossaline::testing
