#pragma once

#include "game/board.h"
#include "solver/solver.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace mossaline {

/// Finds the answer a hint needs without holding the window: a quick try on the calling
/// thread, and a search on a thread of its own when that is not enough. Only the last board
/// asked about is answered; asking again or cancelling drops the search before it.
class HintSearch {
public:
    /// Runs a task on the window's thread, later; the answers come back through it.
    using ToWindowThread = std::function<void(std::function<void()>)>;
    /// Receives the answer, on the window's thread, with the board it belongs to.
    using Done = std::function<void(const Board&, const solver::Answer&)>;

    /// The search itself; the solver's unless a test puts another in.
    using Solve = std::function<solver::Answer(const Board&, const solver::Limits&)>;
    /// Receives, on the window's thread, the last board asked about and how many jumps must be
    /// taken back to reach the last board of the game that can still finish with one marble:
    /// 0 when this one can, nothing when that is not known in time.
    using BackDone = std::function<void(const Board&, std::optional<std::size_t>)>;
    /// The search behind `ask_back`: of a game's boards, the index of the last that can still
    /// finish; the solver's unless a test puts another in.
    using FindBack = std::function<std::optional<std::size_t>(const std::vector<Board>&, const solver::Limits&)>;

    /// `quick` is what the window may spend at once, `full` what the search may take in all.
    /// Without `solve`, the solver's, with a memory that lasts as long as this object.
    HintSearch(ToWindowThread to_window_thread, std::chrono::milliseconds quick, std::chrono::milliseconds full,
        Solve solve = {});
    ~HintSearch();
    HintSearch(const HintSearch&) = delete;
    HintSearch& operator=(const HintSearch&) = delete;

    /// Asks about `board`. A board reached by following the last answer's line is answered
    /// from that line; otherwise, once a first search has finished, a short search runs here
    /// and, if it decides nothing, a full one on a thread of its own. `done` runs here at once
    /// or later on the window's thread.
    void ask(const Board& board, Done done);
    /// Asks, about `game` (the boards from the start of this game to now), how far back its
    /// last board that can still finish with one marble lies; as `ask`, a short search here and
    /// the rest on a thread of its own.
    void ask_back(std::vector<Board> game, BackDone done);
    /// Builds the solver's tables on a thread of its own, so the first hint is answered at once.
    void prepare();
    /// Stops the search under way; its answer never arrives.
    void cancel();
    /// True while a search runs on its own thread.
    bool running() const { return worker_.joinable() && request_->board && !request_->finished.load(); }
    /// Puts another search in place of the solver's, as tests do.
    void set_solver(Solve solve);
    /// Puts another search in place of the solver's behind `ask_back`, as tests do.
    void set_back_finder(FindBack find);
    /// The board of the search under way, if any.
    std::optional<Board> asked() const;

private:
    struct Request {
        std::optional<Board> board; ///< empty while the tables are built
        std::atomic<bool> cancel{false};
        std::atomic<bool> finished{false};
    };

    void remember(const Board& board, const solver::Answer& answer);
    void start_worker(const Board& asked, std::function<std::function<void()>(const Request&)> work);
    std::optional<solver::Answer> from_last_line(const Board& board) const;
    void stop_worker();

    solver::Memory memory_; // what this game's searches learnt; one search uses it at a time
    ToWindowThread to_window_thread_;
    Solve solve_;
    FindBack find_back_;
    std::chrono::milliseconds quick_;
    std::chrono::milliseconds full_;
    std::shared_ptr<Request> request_ = std::make_shared<Request>();
    std::thread worker_;
    unsigned generation_ = 0;
    bool warmed_up_ = false;
    bool prepared_ = false;
    std::optional<Board> last_board_;
    solver::Answer last_answer_{};
};

/// The answer for a board reached from `asked` by the first steps of `answer`'s line: the rest
/// of that line, with the same verdict. Nothing when `now` is not on the line, or when the
/// answer was undecided (a line that is not known to be good is not worth following).
std::optional<solver::Answer> follow_line(const Board& asked, const solver::Answer& answer, const Board& now);

} // namespace mossaline
