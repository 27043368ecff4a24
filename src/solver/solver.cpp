#include "solver/solver.h"

#include "game/move_judge.h"
#include "solver/bitboard.h"
#include "solver/board_set.h"
#include "solver/finish_table.h"
#include "solver/invariants.h"
#include "solver/search.h"

#include <algorithm>

namespace mossaline::solver {
namespace {

// Turns jump indices into game cells, checking each jump with the game's own judge: a line
// the game would refuse is never handed out.
bool replay(Bits root, const std::vector<std::uint8_t>& indices, std::vector<Step>& steps)
{
    Board board = board_of(root);
    steps.clear();
    for (std::uint8_t index : indices) {
        const BitJump& j = jumps()[index];
        const Step step{cell_of_hole(j.from_hole), cell_of_hole(j.over_hole), cell_of_hole(j.to_hole)};
        if (judge_move(board, step.from, step.to) != MoveVerdict::Jump)
            return false;
        apply_jump(board, step.from, step.to);
        steps.push_back(step);
    }
    return true;
}

// A game's memory may take 32 MiB of slots, as one search's own table of dead ends does.
constexpr std::size_t kMostRemembered = std::size_t{1} << 21;

Answer undecided(Bits root, Search& search)
{
    search.deepen_best_line();
    Answer answer{Verdict::Undecided, {}, marbles_in(root), false};
    if (replay(root, search.best_line(), answer.line))
        answer.marbles_after_line = search.best_marbles();
    else
        answer.line.clear();
    return answer;
}

} // namespace

Memory::Memory()
    : dead_(std::make_unique<BoardSet>(kMostRemembered))
{
}

Memory::~Memory() = default;

std::size_t Memory::size() const
{
    return dead_->size();
}

void use_finish_table(std::filesystem::path file)
{
    FinishTable::read_from(std::move(file));
}

void prepare()
{
    FinishTable::get();
    possible_last_holes(canonical(kAllHoles));
}

Answer solve(const Board& board, const Limits& limits, Memory* memory)
{
    const auto deadline = std::chrono::steady_clock::now() + limits.budget;
    const Bits root = bits_of(board);
    const int marbles = marbles_in(root);
    if (marbles <= 1)
        return Answer{marbles == 1 ? Verdict::OneMarbleFinish : Verdict::NoOneMarbleFinish, {}, marbles, true};

    const auto begun = std::chrono::steady_clock::now();
    Search search(root, deadline, limits.cancel, memory);
    const SearchEnd one = search.find_one_marble();
    if (one == SearchEnd::Stopped)
        return undecided(root, search);
    if (one == SearchEnd::Found) {
        Answer answer{Verdict::OneMarbleFinish, {}, 1, true};
        if (!replay(root, search.line(), answer.line))
            return undecided(root, search);
        return answer;
    }

    // No one-marble finish: look for lines leaving ever fewer marbles until a count is shown
    // out of reach, for no longer than the verdict took (at least a millisecond), so the
    // verdict is not held back for long by the refinement.
    const auto spent = std::chrono::steady_clock::now() - begun;
    search.set_deadline(std::min(deadline,
        std::chrono::steady_clock::now()
            + std::max<std::chrono::steady_clock::duration>(spent, std::chrono::milliseconds(1))));
    Answer answer{Verdict::NoOneMarbleFinish, {}, marbles, false};
    search.deepen_best_line();
    std::vector<std::uint8_t> best = search.best_line();
    int best_marbles = search.best_marbles();
    while (best_marbles > 2) {
        const SearchEnd fewer = search.find_at_most(best_marbles - 1);
        if (fewer == SearchEnd::Stopped)
            break;
        if (fewer == SearchEnd::Exhausted) {
            answer.best_proven = true;
            break;
        }
        best = search.line();
        best_marbles = search.best_marbles();
    }
    if (best_marbles == 2)
        answer.best_proven = true; // one marble is ruled out, and two were reached
    if (replay(root, best, answer.line))
        answer.marbles_after_line = best_marbles;
    else
        answer.best_proven = false;
    return answer;
}

} // namespace mossaline::solver

namespace mossaline::solver {

std::optional<std::size_t> last_winnable(const std::vector<Board>& game, const Limits& limits, Memory* memory)
{
    // Backwards from now: once a board is lost so is every later one, and each board shown lost
    // is a dead end the search of the board before it meets at once.
    const auto deadline = std::chrono::steady_clock::now() + limits.budget;
    for (std::size_t i = game.size(); i-- > 0;) {
        if (limits.cancel != nullptr && limits.cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        const Bits bits = bits_of(game[i]);
        if (marbles_in(bits) == 1)
            return i;
        Search search(bits, deadline, limits.cancel, memory);
        switch (search.find_one_marble()) {
        case SearchEnd::Found:
            return i;
        case SearchEnd::Exhausted:
            break;
        case SearchEnd::Stopped:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace mossaline::solver
