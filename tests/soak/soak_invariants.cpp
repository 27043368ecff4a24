#include "soak_invariants.h"

#include "game/grid.h"
#include "game/jump_scan.h"
#include "ui_model/marker_grid.h"

#include <array>
#include <utility>

namespace mossaline::testing {

namespace {

std::string cell_text(int index)
{
    return "cell " + std::to_string(index);
}

// Cells 79..81 have shapes in no array and no slot, so they can hold no marble either.
bool holds_marble(const Board& board, int index)
{
    return Board::in_range(index) && board.at(index) == Cell::Marble;
}

std::optional<std::string> disc_fault(const ControlArray& discs, const char* name, const Board& board)
{
    for (int i = 0; i <= kLastGridIndex; ++i) {
        const Control* disc = discs(i);
        const bool marble = holds_marble(board, i);
        if (disc == nullptr) {
            if (marble)
                return cell_text(i) + " holds a marble but has no " + name;
            continue;
        }
        if (disc->visible != marble)
            return std::string(name) + "(" + std::to_string(i) + ") is " + (disc->visible ? "shown" : "hidden")
                + " but the cell " + (marble ? "holds a marble" : "holds none");
    }
    return std::nullopt;
}

std::optional<std::string> cell_code_fault(const Board& board)
{
    for (int i = 1; i < Board::kSlots; ++i) {
        const Cell cell = board.at(i);
        if (is_board_cell(i) ? cell == Cell::OffBoard : cell != Cell::OffBoard)
            return cell_text(i) + " has code " + std::to_string(static_cast<int>(cell));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> display_fault(const Form1Names& form, const Module1& module)
{
    const int on_board = module.board.marbles();
    if (on_board != module.marbles_left)
        return "marbles_left is " + std::to_string(module.marbles_left) + " but the board holds "
            + std::to_string(on_board);
    if (on_board < 1 || on_board > 44)
        return "the board holds " + std::to_string(on_board) + " marbles";
    if (form.Label5.caption != std::to_string(module.marbles_left))
        return "Label5 reads \"" + form.Label5.caption + "\" with marbles_left " + std::to_string(module.marbles_left);
    if (auto fault = cell_code_fault(module.board))
        return fault;
    if (auto fault = disc_fault(form.Shape3, "Shape3", module.board))
        return fault;
    if (auto fault = disc_fault(form.Shape7, "Shape7", module.board))
        return fault;
    const int marker = marker_grid::cell_at(form.Shape5.box.left, form.Shape5.box.top);
    if (marker < 1 || marker > kLastGridIndex)
        return "the last-position marker names " + cell_text(marker);
    return std::nullopt;
}

std::optional<std::string> movable_colour_fault(const Form1Names& form, const Module1& module)
{
    std::array<bool, kLastGridIndex + 1> movable{};
    for_each_open_jump(
        module.board, [&movable](const OpenJump& jump) { movable.at(static_cast<std::size_t>(jump.from)) = true; });
    for (int i = 0; i <= kLastGridIndex; ++i) {
        const Control* disc = form.Shape3(i);
        if (disc == nullptr)
            continue;
        const Colour expected = movable[static_cast<std::size_t>(i)] ? colours::kMovableMarble : colours::kPlainMarble;
        if (disc->fill_colour != expected)
            return "Shape3(" + std::to_string(i) + ") is coloured " + std::to_string(disc->fill_colour.value)
                + (movable[static_cast<std::size_t>(i)] ? " but its marble can jump" : " but it has no open jump");
    }
    return std::nullopt;
}

std::optional<std::string> settings_fault(const Form1Names& form, const Module1& module, bool panel_opened)
{
    if (form.Frame1.visible != (form.Check1.checked == 1))
        return std::string("the options panel is ") + (form.Frame1.visible ? "open" : "closed") + " with OPTIONS at "
            + std::to_string(form.Check1.checked);
    if (form.Shape5.visible != (module.show_last == 1))
        return "the marker's visibility disagrees with show_last " + std::to_string(module.show_last);
    if (form.Label4.visible != (module.show_count == 1) || form.Label5.visible != (module.show_count == 1))
        return "the count's visibility disagrees with show_count " + std::to_string(module.show_count);
    if (form.Image2.visible != (module.sound_on == 1) || form.Image3.visible != (module.sound_on == 1))
        return "the pictures' visibility disagrees with sound_on " + std::to_string(module.sound_on);

    Colour board_colour{0x80C0FF}; // the colour of Option1, the board's colour before any choice
    for (int n = 1; n <= 8; ++n)
        if (const Control* button = form.Option[static_cast<std::size_t>(n)]; button->selected)
            board_colour = button->back_colour;
    if (form.Shape1.fill_colour != board_colour)
        return "the board is coloured " + std::to_string(form.Shape1.fill_colour.value) + " instead of "
            + std::to_string(board_colour.value);

    if (!panel_opened)
        return std::nullopt;
    const std::array<std::pair<const Control*, std::int16_t>, 4> boxes{{{&form.Check2, module.show_moves},
        {&form.Check3, module.show_last}, {&form.Check4, module.show_count}, {&form.Check5, module.sound_on}}};
    for (const auto& [box, variable] : boxes)
        if (box->checked != variable)
            return box->name + " shows " + std::to_string(box->checked) + " but its variable holds "
                + std::to_string(variable);
    return std::nullopt;
}

} // namespace mossaline::testing
