#pragma once

#include "solver/bitboard.h"
#include "solver/board_set.h"
#include "solver/finish_table.h"
#include "solver/solver.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

namespace mossaline::solver {

/// How a search ended.
enum class SearchEnd {
    Found, ///< reached the target: `line()` gets there
    Exhausted, ///< every line was followed or ruled out: the target cannot be reached
    Stopped, ///< the time ran out or the caller cancelled first
};

/// Depth-first searches from one board, sharing what they learn: boards known not to reach
/// a target are remembered up to symmetry, and the best line seen is kept throughout.
class Search {
public:
    /// A search from `root` that stops at `deadline` or once `*cancel` is set (when not null);
    /// with `memory`, the dead ends it finds are kept there and those known there are skipped.
    Search(Bits root, std::chrono::steady_clock::time_point deadline, const std::atomic<bool>* cancel,
        Memory* memory = nullptr);

    /// Moves the time the search stops at.
    void set_deadline(std::chrono::steady_clock::time_point deadline) { deadline_ = deadline; }
    /// Stops the search once it has visited `boards` boards in all: a limit that, unlike the
    /// clock, gives the same answer on every run whatever the machine's load.
    void set_board_limit(std::uint64_t boards) { board_limit_ = boards; }

    /// Looks for a line to a single marble, pruning with the invariants.
    SearchEnd find_one_marble();
    /// Looks for a line leaving at most `marbles` marbles, with no pruning but the table.
    SearchEnd find_at_most(int marbles);

    /// The line of the last `Found`, as jump indices into `jumps()`.
    const std::vector<std::uint8_t>& line() const { return line_; }
    /// The line that left the fewest marbles of all boards visited so far.
    const std::vector<std::uint8_t>& best_line() const { return best_line_; }
    /// Plays the best line on below the small boards the table cuts it at, as far as any
    /// line from its end goes (those boards have few enough lines to try them all).
    void deepen_best_line();
    /// Marbles `best_line()` leaves.
    int best_marbles() const { return best_marbles_; }
    /// Boards visited so far.
    std::uint64_t nodes() const { return nodes_; }

private:
    bool one_marble(Bits board);
    bool at_most(Bits board, int marbles);
    void visit(Bits board);
    bool stopping();
    bool cancelled() const;
    int fewest_below(Bits board, std::vector<std::uint8_t>& line);

    Bits root_;
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* cancel_;
    const FinishTable& table_;
    BoardSet own_dead_; // boards with no one-marble finish, when no game's memory is given
    BoardSet& dead_one_; // the game's memory or own_dead_
    BoardSet dead_many_; // boards that cannot get below the current target of find_at_most
    std::vector<std::uint8_t> line_;
    std::vector<std::uint8_t> best_line_;
    int best_marbles_;
    int table_marbles_; // boards of up to this many marbles are looked up, not searched
    std::uint64_t nodes_ = 0;
    std::uint64_t board_limit_ = ~std::uint64_t{0};
    bool stopped_ = false;
    // Short passes from the eight sides in turn, each twice as long as the last, find
    // lines that one fixed order misses; what a pass rules out stays ruled out.
    bool pass_over_ = false;
    std::uint64_t pass_end_ = ~std::uint64_t{0};
    std::size_t order_ = 0;
    int deepen_left_ = 0; // boards the deepening of the best line may still try
};

} // namespace mossaline::solver
