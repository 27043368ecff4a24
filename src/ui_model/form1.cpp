#include "ui_model/form1.h"

#include "game/grid.h"
#include "game/jump_scan.h"
#include "game/move_judge.h"
#include "ui_model/bands.h"
#include "ui_model/form1_design.h"
#include "ui_model/marker_grid.h"
#include "ui_model/rounding.h"

#include <cmath>
#include <optional>
#include <string>

namespace mossaline {

namespace {

// One channel of a flicker colour: 150..250, halfway values to the even neighbour.
int light_channel(float draw)
{
    return static_cast<int>(std::nearbyint(100.0 * draw + 150.0));
}

// Loops over grid cells stop at the last slot; grid positions 79..81 have no shapes.
constexpr int kLastSlot = 78;

} // namespace

Form1Names::Form1Names(Module1& module, CuePlayer& cues, RandomSource& random, std::function<void()> end_program)
    : window(form1_design())
    , Label1(window.control("Label1"))
    , Label2(window.control("Label2"))
    , Label4(window.control("Label4"))
    , Label5(window.control("Label5"))
    , Shape1(window.control("Shape1"))
    , Shape4(window.control("Shape4"))
    , Shape5(window.control("Shape5"))
    , Image2(window.control("Image2"))
    , Image3(window.control("Image3"))
    , Frame1(window.control("Frame1"))
    , Check1(window.control("Check1"))
    , Check2(window.control("Check2"))
    , Check3(window.control("Check3"))
    , Check4(window.control("Check4"))
    , Check5(window.control("Check5"))
    , Timer1(window.control("Timer1"))
    , Timer2(window.control("Timer2"))
    , Shape2(window, "Shape2", 44)
    , Shape3(window, "Shape3", kLastGridIndex)
    , Shape7(window, "Shape7", kLastGridIndex)
    , module_(module)
    , cues_(cues)
    , random_(random)
    , end_program_(std::move(end_program))
{
    for (int n = 1; n <= 8; ++n)
        Option[static_cast<std::size_t>(n)] = &window.control("Option" + std::to_string(n));
}

void Form1Names::Form_Load()
{
    module_.sound_on = 1;
    module_.show_moves = 0;
    module_.show_last = 0;
    module_.show_count = 1;
    set_start_position(module_.board);
    show_board();
    play(Cue::ChimeUp);
}

void Form1Names::Form_Click()
{
    const MarkerPlace marker_before{Shape5.box.left, Shape5.box.top};
    const int source = marker_grid::cell_at(Shape5.box.left, Shape5.box.top);
    // The click carries no position: it is judged where the pointer was last seen.
    const double x = module_.pointer_x_value();
    const double y = module_.pointer_y;
    if (const auto row = row_band(x, y))
        Shape5.box.top = marker_grid::top_of(*row);
    if (const auto column = column_band(x, y))
        Shape5.box.left = marker_grid::left_of(*column);
    const int target = marker_grid::cell_at(Shape5.box.left, Shape5.box.top);

    Cue cue = Cue::Normal;
    const MoveVerdict verdict = judge_move(module_.board, source, target);
    switch (verdict) {
    case MoveVerdict::Jump:
        apply_jump(module_.board, source, target);
        history_.record({source, (source + target) / 2, target, marker_before, {Shape5.box.left, Shape5.box.top}});
        cue = Cue::Gain;
        break;
    case MoveVerdict::Refused:
        cue = Cue::Loss;
        break;
    case MoveVerdict::NotALine:
        break;
    }
    const bool jumped = verdict == MoveVerdict::Jump;
    finish_move(cue, jumped, jumped);
}

void Form1Names::show_board()
{
    for (int cell : board_cells()) {
        const bool marble = module_.board.at(cell) == Cell::Marble;
        Shape3(cell)->visible = marble;
        Shape7(cell)->visible = marble;
    }
    module_.marbles_left = static_cast<std::int16_t>(module_.board.marbles());
    Label5.caption = std::to_string(module_.marbles_left);
}

void Form1Names::show_result(bool game_just_ended)
{
    if (!result_)
        result_ = std::make_unique<Result>(module_, cues_);
    if (game_just_ended)
        result_->show_new_end();
    else
        result_->Show();
}

void Form1Names::Form_MouseMove(float x, float y)
{
    Timer1.enabled = false;
    Label1.fore_colour = colours::kCommandRest;
    Label2.fore_colour = colours::kCommandRest;
    if (const auto row = row_band(x, y))
        Shape4.box.top = hover_grid::top_of(*row);
    if (const auto column = column_band(x, y))
        Shape4.box.left = hover_grid::left_of(*column);
    module_.pointer_x = x;
    module_.pointer_y = round_half_even_16(y);
}

void Form1Names::Label1_MouseMove()
{
    module_.hover_label = 0;
    Timer1.enabled = true;
}

void Form1Names::Label2_MouseMove()
{
    module_.hover_label = -1;
    Timer1.enabled = true;
}

void Form1Names::Label1_Click()
{
    play(Cue::Bird);
    end_program_();
}

void Form1Names::Label2_Click()
{
    restart();
    Label1.fore_colour = colours::kCommandRest;
    Label2.fore_colour = colours::kCommandRest;
    show_board();
    if (module_.show_moves == 1)
        possible_moves();
    if (module_.sound_on == 1) {
        cues_.play(Cue::Normal);
        cues_.play(Cue::RingIn);
        cues_.play(Cue::RingIn);
    }
}

void Form1Names::Check1_Click()
{
    Frame1.visible = Check1.checked == 1;
    // Setting a box from here does not raise its handler: the variables already hold
    // these values and what depends on them is already in force.
    Check2.checked = module_.show_moves;
    Check3.checked = module_.show_last;
    Check4.checked = module_.show_count;
    Check5.checked = module_.sound_on;
}

void Form1Names::Check2_Click()
{
    module_.show_moves = Check2.checked;
    if (Check2.checked == 1)
        possible_moves();
    else
        reset_marble_colours();
}

void Form1Names::Check3_Click()
{
    module_.show_last = Check3.checked;
    Shape5.visible = Check3.checked == 1;
}

void Form1Names::Check4_Click()
{
    module_.show_count = Check4.checked;
    Label4.visible = Check4.checked == 1;
    Label5.visible = Check4.checked == 1;
}

void Form1Names::Check5_Click()
{
    module_.sound_on = Check5.checked;
    Image2.visible = module_.sound_on == 1;
    Image3.visible = module_.sound_on == 1;
}

void Form1Names::set_board_colour(int option)
{
    Shape1.fill_colour = Option[static_cast<std::size_t>(option)]->back_colour;
}

void Form1Names::Option1_Click()
{
    set_board_colour(1);
}
void Form1Names::Option2_Click()
{
    set_board_colour(2);
}
void Form1Names::Option3_Click()
{
    set_board_colour(3);
}
void Form1Names::Option4_Click()
{
    set_board_colour(4);
}
void Form1Names::Option5_Click()
{
    set_board_colour(5);
}
void Form1Names::Option6_Click()
{
    set_board_colour(6);
}
void Form1Names::Option7_Click()
{
    set_board_colour(7);
}
void Form1Names::Option8_Click()
{
    set_board_colour(8);
}

void Form1Names::Timer1_Timer()
{
    random_.reseed();
    Control& label = module_.hover_label == -1 ? Label2 : Label1;
    const float red = random_.next();
    const float green = random_.next();
    const float blue = random_.next();
    label.fore_colour = Colour::rgb(light_channel(red), light_channel(green), light_channel(blue));
}

void Form1Names::Timer2_Timer()
{
    random_.reseed();
    if (static_cast<int>(std::floor(10.0 * random_.next())) != 5)
        return;
    const bool twice = static_cast<int>(std::floor(2.0 * random_.next())) == 1;
    if (module_.sound_on != 1)
        return;
    if (twice) {
        cues_.play(Cue::One);
        cues_.play(Cue::One);
    } else {
        cues_.play(Cue::Two);
    }
}

void Form1Names::reset_marble_colours()
{
    for (int i = 1; i <= kLastSlot; ++i)
        if (Control* disc = Shape3(i))
            disc->fill_colour = colours::kPlainMarble;
}

void Form1Names::possible_moves()
{
    reset_marble_colours();
    for_each_open_jump(
        module_.board, [this](const OpenJump& jump) { Shape3(jump.from)->fill_colour = colours::kMovableMarble; });
}

void Form1Names::count_left()
{
    module_.moves_possible = count_open_jumps(module_.board);
}

void Form1Names::restart()
{
    history_.clear();
    set_start_position(module_.board);
    module_.marbles_left = 44;
}

void Form1Names::play(Cue cue)
{
    if (module_.sound_on == 1)
        cues_.play(cue);
}

bool Form1Names::undo_jump()
{
    return take_back_one(true);
}

int Form1Names::undo_jumps(int count)
{
    int taken = 0;
    while (taken < count && take_back_one(taken + 1 == count))
        ++taken;
    return taken;
}

std::vector<Board> Form1Names::boards_of_game() const
{
    Board board;
    set_start_position(board);
    std::vector<Board> game{board};
    for (const RecordedJump& jump : history_.made_jumps()) {
        apply_jump(board, jump.source, jump.target);
        game.push_back(board);
    }
    return game;
}

bool Form1Names::take_back_one(bool with_cue)
{
    const auto jump = history_.take_back();
    if (!jump)
        return false;
    // Only the jump taken back can have ended the game, so an open report shows its end.
    const bool ended_game = count_open_jumps(module_.board) == 0;
    take_back_jump(module_.board, jump->source, jump->target);
    // Back where it stood before the click, so the same marble is the source of the next one.
    put_marker(Shape5, jump->marker_before);
    if (ended_game && result_ && result_->loaded())
        result_->Command1_Click();
    // The cue of a jump that does not stand, once for a run of take-backs. The jump taken
    // back is open again, so this never ends the game.
    finish_move(with_cue ? std::optional<Cue>(Cue::Loss) : std::nullopt, false, true);
    return true;
}

bool Form1Names::redo_jump()
{
    const auto jump = history_.redo();
    if (!jump)
        return false;
    put_marker(Shape5, jump->marker_after);
    apply_jump(module_.board, jump->source, jump->target);
    finish_move(Cue::Gain, true, true);
    return true;
}

// The board is on screen before the cue blocks the thread, and the colours of the marbles
// that can move follow it. Only a jump ends a game; any other click on a finished board
// brings its report forward. A click that changed nothing leaves the screen as it is: the
// handlers' cost stays where it was for the clicks that are no jump.
void Form1Names::finish_move(std::optional<Cue> cue, bool jumped, bool board_changed)
{
    if (board_changed)
        show_board();
    if (cue)
        play(*cue);
    if (module_.show_moves == 1)
        possible_moves();
    count_left();
    if (module_.moves_possible == 0)
        show_result(jumped);
}

void Form1Names::put_marker(Control& marker, MarkerPlace place)
{
    marker.box.left = place.left;
    marker.box.top = place.top;
}

void Form1Names::move_cursor(CursorDirection direction)
{
    if (const auto cell = cursor_step(Shape4.box.left, Shape4.box.top, direction))
        hover_onto(*cell);
}

void Form1Names::hover_onto(int cell)
{
    const TwipsPoint centre = cell_centre(cell);
    Form_MouseMove(centre.x, centre.y);
}

void Form1Names::mark_source(int cell)
{
    put_marker(Shape5, {marker_grid::left_of(column_of(cell)), marker_grid::top_of(row_of(cell))});
    Shape5.visible = true;
}

void Form1Names::press_cursor()
{
    Form_Click();
}

Form1::Form1(Module1& module, CuePlayer& cues, RandomSource& random, std::function<void()> end_program)
    : Form1Names(module, cues, random, std::move(end_program))
{
}

} // namespace mossaline
