#pragma once

#include "game/board.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace mossaline::solver {

/// What is known about finishing with one marble.
enum class Verdict {
    OneMarbleFinish, ///< shown by a line that leaves one marble
    NoOneMarbleFinish, ///< proven: by an invariant or by following every line
    Undecided, ///< the time ran out or the search was cancelled first
};

/// One jump, in game cell indices.
struct Step {
    int from; ///< the marble that jumps
    int over; ///< the marble jumped over
    int to; ///< the empty hole it lands in
};

/// The outcome of a search.
struct Answer {
    Verdict verdict; ///< whether a one-marble finish is possible
    std::vector<Step> line; ///< `OneMarbleFinish`: a line to one marble; otherwise the best line found (may be empty)
    int marbles_after_line; ///< marbles the line leaves
    bool best_proven; ///< true only when no line can leave fewer marbles
};

/// How long a search may run, and a flag another thread may set to stop it.
struct Limits {
    std::chrono::milliseconds budget; ///< time from the call on
    const std::atomic<bool>* cancel = nullptr; ///< stops the search soon after it turns true
};

class BoardSet;

/// What the searches of one game have learnt: the boards shown to have no one-marble finish,
/// kept from call to call so no dead end is searched twice. One search at a time may use it.
class Memory {
public:
    Memory();
    ~Memory();
    Memory(const Memory&) = delete;
    Memory& operator=(const Memory&) = delete;
    /// Boards remembered.
    std::size_t size() const;

private:
    friend class Search;
    std::unique_ptr<BoardSet> dead_;
};

/// Names the file of the table of finishes that `make_finish_table` writes, which every search
/// reads on first use; before the first `prepare` or `solve`. Without it, or when the file is
/// missing, damaged or made by other code, a smaller table is made in place.
void use_finish_table(std::filesystem::path file);

/// Reads the table of finishes every search uses (made in place when its file is missing) and
/// builds the other tables, which the first `solve` of a process does otherwise (tens of ms);
/// calling it early, on a worker thread once the window shows, makes the first answer as quick
/// as the rest. Safe to call from any thread, any number of times.
void prepare();

/// Decides whether `board` can still be played down to one marble; only the 45 holes of the
/// cross are read. When none is left, the best count is then sought for about as long again
/// as the verdict took. Safe to call from several threads at once, each with its own `memory`
/// (or none).
Answer solve(const Board& board, const Limits& limits, Memory* memory = nullptr);

/// Of `game`, the boards of one game from its start to now in order, the index of the last one
/// that can still finish with one marble. Nothing when that is not known within the limits, or
/// when no board of `game` can finish.
std::optional<std::size_t> last_winnable(
    const std::vector<Board>& game, const Limits& limits, Memory* memory = nullptr);

} // namespace mossaline::solver
