// The main window's handlers alone: no toolkit, no painting, cues played by a silent player.
#include "bench_game.h"

#include "ui_model/rounding.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace mossaline::bench {
namespace {

// A loaded main window model, as the game has it once the start cue has played.
struct Game {
    Module1 module;
    SilentCuePlayer cues;
    FixedRandom random;
    Form1 window_model{module, cues, random, [] {}};
    Form1Names& form = design_names(window_model);

    Game() { form.Form_Load(); }
};

// Start position: the marble two above the centre jumps into it.
constexpr int kJumpFrom = cell_index(4, 2);
constexpr int kJumpTo = kCentreCell;
// Two marbles two apart in a column: a line, but the target is full.
constexpr int kRefusedA = cell_index(4, 0);
constexpr int kRefusedB = cell_index(4, 2);

// A jump empties two cells for good, so each iteration starts from a copy of the state taken
// before the first one; only the handler is timed (manual time), the copy-back is not.
void BM_FormClick_Jump(benchmark::State& state)
{
    Game game;
    mark(game.form, kJumpFrom);
    point_at(game.form, kJumpTo);
    const Snapshot before(game.form, game.module);
    for (auto _ : state) {
        before.restore(game.form, game.module);
        const auto start = std::chrono::steady_clock::now();
        game.form.Form_Click();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    if (game.cues.last != Cue::Gain || game.module.marbles_left != 43)
        state.SkipWithError("the click was not a jump");
}
BENCHMARK(BM_FormClick_Jump)->UseManualTime();

// The same click judged refused. The marker ends on the cell clicked, so clicking the two
// marbles in turn refuses every time and the state never drifts.
void BM_FormClick_Refused(benchmark::State& state)
{
    Game game;
    mark(game.form, kRefusedA);
    bool to_b = true;
    for (auto _ : state) {
        const int target = to_b ? kRefusedB : kRefusedA;
        game.module.pointer_x = cell_x(target);
        game.module.pointer_y = round_half_even_16(cell_y(target));
        game.form.Form_Click();
        to_b = !to_b;
    }
    if (game.cues.last != Cue::Loss || game.module.marbles_left != 44)
        state.SkipWithError("the click was not refused");
}
BENCHMARK(BM_FormClick_Refused);

// A click on the window's margin, in no band: the marker stays, nothing is a line.
void BM_FormClick_Outside(benchmark::State& state)
{
    Game game;
    game.form.Form_MouseMove(100.0f, 100.0f);
    for (auto _ : state)
        game.form.Form_Click();
    if (game.cues.last != Cue::Normal)
        state.SkipWithError("the click was judged as a move");
}
BENCHMARK(BM_FormClick_Outside);

// The most frequent event of all: the pointer crossing the board from cell to cell.
void BM_FormMouseMove(benchmark::State& state)
{
    Game game;
    bool left = true;
    for (auto _ : state) {
        game.form.Form_MouseMove(
            left ? cell_x(kRefusedA) : cell_x(kJumpTo), left ? cell_y(kRefusedA) : cell_y(kJumpTo));
        left = !left;
    }
}
BENCHMARK(BM_FormMouseMove);

// Argument 0: the start position; argument 1: a dense middle game.
Game& game_at(Game& game, std::int64_t position, benchmark::State& state)
{
    if (position == 1)
        play_busiest_jumps(game.form, game.module, kMidGameJumps);
    state.counters["marbles"] = game.module.marbles_left;
    state.counters["open_jumps"] = count_open_jumps(game.module.board);
    return game;
}

void BM_CountLeft(benchmark::State& state)
{
    Game fresh;
    Game& game = game_at(fresh, state.range(0), state);
    for (auto _ : state) {
        game.form.count_left();
        benchmark::DoNotOptimize(game.module.moves_possible);
    }
}
BENCHMARK(BM_CountLeft)->ArgName("midgame")->Arg(0)->Arg(1);

void BM_PossibleMoves(benchmark::State& state)
{
    Game fresh;
    Game& game = game_at(fresh, state.range(0), state);
    for (auto _ : state) {
        game.form.possible_moves();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PossibleMoves)->ArgName("midgame")->Arg(0)->Arg(1);

} // namespace
} // namespace mossaline::bench
