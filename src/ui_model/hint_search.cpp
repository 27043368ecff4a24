#include "ui_model/hint_search.h"

#include "game/move_judge.h"

namespace mossaline {

std::optional<solver::Answer> follow_line(const Board& asked, const solver::Answer& answer, const Board& now)
{
    // Whatever can be done from a board reached on the line could be done from the board
    // before it, and the line itself still gets there: the verdict and the count carry over.
    if (answer.verdict == solver::Verdict::Undecided)
        return std::nullopt;
    Board board = asked;
    for (std::size_t done = 0; done <= answer.line.size(); ++done) {
        if (board == now) {
            solver::Answer rest = answer;
            rest.line.erase(rest.line.begin(), rest.line.begin() + static_cast<std::ptrdiff_t>(done));
            return rest;
        }
        if (done == answer.line.size())
            break;
        const solver::Step& step = answer.line[done];
        if (judge_move(board, step.from, step.to) != MoveVerdict::Jump)
            return std::nullopt;
        apply_jump(board, step.from, step.to);
    }
    return std::nullopt;
}

HintSearch::HintSearch(
    ToWindowThread to_window_thread, std::chrono::milliseconds quick, std::chrono::milliseconds full, Solve solve)
    : to_window_thread_(std::move(to_window_thread))
    , solve_(solve ? std::move(solve) : Solve([this](const Board& board, const solver::Limits& limits) {
        return solver::solve(board, limits, &memory_);
    }))
    , find_back_([this](const std::vector<Board>& game, const solver::Limits& limits) {
        return solver::last_winnable(game, limits, &memory_);
    })
    , quick_(quick)
    , full_(full)
{
}

HintSearch::~HintSearch()
{
    stop_worker();
}

std::optional<Board> HintSearch::asked() const
{
    if (!running())
        return std::nullopt;
    return *request_->board;
}

void HintSearch::cancel()
{
    ++generation_;
    stop_worker();
}

void HintSearch::stop_worker()
{
    request_->cancel = true;
    // The search looks at its flag often, so this wait is short.
    if (worker_.joinable())
        worker_.join();
}

std::optional<solver::Answer> HintSearch::from_last_line(const Board& board) const
{
    if (!last_board_)
        return std::nullopt;
    return follow_line(*last_board_, last_answer_, board);
}

void HintSearch::set_solver(Solve solve)
{
    cancel();
    solve_ = std::move(solve);
}

void HintSearch::set_back_finder(FindBack find)
{
    cancel();
    find_back_ = std::move(find);
}

void HintSearch::remember(const Board& board, const solver::Answer& answer)
{
    last_board_ = board;
    last_answer_ = answer;
}

void HintSearch::prepare()
{
    // A search under way builds the tables itself; stopping it would lose the player's answer.
    if (running())
        return;
    // A search that has ended may have sent its answer to the window's thread already: that
    // answer still belongs to the board last asked about, so only the thread is joined.
    if (worker_.joinable())
        worker_.join();
    auto request = std::make_shared<Request>();
    request_ = request;
    prepared_ = true;
    worker_ = std::thread([request] {
        solver::prepare();
        request->finished = true;
    });
}

void HintSearch::ask(const Board& board, Done done)
{
    cancel();
    // cancel() waited for the tables, if they were being built.
    warmed_up_ = warmed_up_ || prepared_;
    if (const auto known = from_last_line(board)) {
        done(board, *known);
        return;
    }
    // The solver's first search also builds its tables, which takes longer than a frame.
    if (warmed_up_) {
        const solver::Answer quick = solve_(board, {quick_});
        if (quick.verdict != solver::Verdict::Undecided) {
            remember(board, quick);
            done(board, quick);
            return;
        }
    }
    start_worker(board, [this, done = std::move(done), full = full_](const Request& request) -> std::function<void()> {
        solver::Answer answer = solve_(*request.board, {full, &request.cancel});
        return [this, board = *request.board, done, answer = std::move(answer)] {
            warmed_up_ = true;
            if (answer.verdict != solver::Verdict::Undecided)
                remember(board, answer);
            done(board, answer);
        };
    });
}

void HintSearch::start_worker(const Board& asked, std::function<std::function<void()>(const Request&)> work)
{
    auto request = std::make_shared<Request>();
    request->board = asked;
    request_ = request;
    const unsigned generation = generation_;
    worker_ = std::thread([this, request, generation, work = std::move(work)] {
        std::function<void()> deliver = work(*request);
        // Sent before the search counts as finished, so that whoever sees it finished knows
        // the answer is on its way.
        if (!request->cancel)
            to_window_thread_([this, generation, deliver = std::move(deliver)] {
                // Asked again, or cancelled, since: this answer belongs to a board gone by.
                if (generation == generation_)
                    deliver();
            });
        request->finished = true;
    });
}

void HintSearch::ask_back(std::vector<Board> game, BackDone done)
{
    cancel();
    warmed_up_ = warmed_up_ || prepared_;
    if (game.empty())
        return;
    const auto back_from = [](const std::vector<Board>& boards, std::optional<std::size_t> last) {
        return last ? std::optional<std::size_t>(boards.size() - 1 - *last) : std::nullopt;
    };
    if (warmed_up_) {
        if (const auto last = find_back_(game, {quick_})) {
            done(game.back(), back_from(game, last));
            return;
        }
    }
    const Board now = game.back(); // before the game moves into the search
    start_worker(now,
        [this, game = std::move(game), done = std::move(done), back_from, full = full_](
            const Request& request) -> std::function<void()> {
            const auto last = find_back_(game, {full, &request.cancel});
            return [this, board = game.back(), done, back = back_from(game, last)] {
                warmed_up_ = true;
                done(board, back);
            };
        });
}

} // namespace mossaline
