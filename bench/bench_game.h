#pragma once

#include "game/grid.h"
#include "game/jump_scan.h"
#include "ui_model/marker_grid.h"
#include "ui_model/module1.h"
#include "game/move_judge.h"
#include "sound/cue_player.h"
#include "ui_model/form1.h"
#include "ui_model/random_source.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace mossaline::bench {

/// Plays nothing and returns at once; remembers the last cue so a set-up can check its verdict.
class SilentCuePlayer final : public CuePlayer {
public:
    std::optional<Cue> last; ///< the cue most recently asked for
    void play(Cue cue) override { last = cue; }
};

/// Draws that never make an ambient cue or need a clock.
class FixedRandom final : public RandomSource {
public:
    void reseed() override { }
    float next() override { return 0.0f; }
};

/// The centre of a cell's hit area in twips, as a player's pointer would stand there.
inline float cell_x(int cell)
{
    return 1807.5f + 600.0f * static_cast<float>(column_of(cell));
}
/// See cell_x().
inline float cell_y(int cell)
{
    return 1087.5f + 600.0f * static_cast<float>(row_of(cell));
}

/// Puts the last-position marker on a cell, as the previous click would have.
inline void mark(Form1Names& form, int cell)
{
    form.Shape5.box.left = marker_grid::left_of(column_of(cell));
    form.Shape5.box.top = marker_grid::top_of(row_of(cell));
}

/// Moves the pointer over a cell through the motion handler.
inline void point_at(Form1Names& form, int cell)
{
    form.Form_MouseMove(cell_x(cell), cell_y(cell));
}

/// Plays `jumps` moves from the current position, each the one that leaves the most open jumps
/// (the first found on ties), through the handlers, so the controls show the board's position.
inline void play_busiest_jumps(Form1Names& form, const Module1& module, int jumps)
{
    for (int n = 0; n < jumps; ++n) {
        std::optional<OpenJump> best;
        int best_open = -1;
        for_each_open_jump(module.board, [&](const OpenJump& jump) {
            Board after = module.board;
            apply_jump(after, jump.from, jump.to);
            if (const int open = count_open_jumps(after); open > best_open) {
                best = jump;
                best_open = open;
            }
        });
        if (!best)
            return;
        mark(form, best->from);
        point_at(form, best->to);
        form.Form_Click();
    }
}

/// Moves that leave a dense middle game: 36 marbles with holes all over the cross.
inline constexpr int kMidGameJumps = 8;

/// Everything a click can change, so a benchmark can put it back between iterations.
class Snapshot {
public:
    /// Copies the window's controls and the shared state as they are now.
    Snapshot(const Form1Names& form, const Module1& module)
        : controls_(form.window.controls())
        , module_(module)
    {
    }
    /// Writes the copy back in place; references to controls stay valid.
    void restore(Form1Names& form, Module1& module) const
    {
        std::copy(controls_.begin(), controls_.end(), form.window.controls().begin());
        module = module_;
    }

private:
    std::vector<Control> controls_;
    Module1 module_;
};

} // namespace mossaline::bench
