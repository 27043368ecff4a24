#include "solver/search.h"

#include "solver/finish_table.h"
#include "solver/forward_levels.h"
#include "solver/invariants.h"

#include <algorithm>

namespace mossaline::solver {
namespace {

// The one-marble table may take 32 MiB of slots (two slots per board at most).
constexpr std::size_t kMaxBoardsPerTable = std::size_t{1} << 21;
// The clock is read once per this many boards; the cancel flag on every board.
constexpr std::uint64_t kClockEvery = 1024;
// Boards in the first pass of the one-marble search, and the pass after which one runs to the end.
constexpr std::uint64_t kFirstPassBoards = 2000;
constexpr int kLastShortPass = 24;

} // namespace

Search::Search(
    Bits root, std::chrono::steady_clock::time_point deadline, const std::atomic<bool>* cancel, Memory* memory)
    : root_(root)
    , deadline_(deadline)
    , cancel_(cancel)
    , table_(FinishTable::get())
    , own_dead_(kMaxBoardsPerTable)
    , dead_one_(memory != nullptr ? *memory->dead_ : own_dead_)
    , dead_many_(kMaxBoardsPerTable / 4)
    , best_marbles_(marbles_in(root))
    // The table holds the finishes in the centre, which are all the finishes there are only for
    // boards of the start's class; a board of another class is searched down to its last marble.
    , table_marbles_(position_class(root) == position_class(start_bits()) ? table_.most_marbles() : 1)
{
}

bool Search::cancelled() const
{
    return cancel_ != nullptr && cancel_->load(std::memory_order_relaxed);
}

bool Search::stopping()
{
    if (stopped_ || pass_over_)
        return true;
    if (nodes_ >= pass_end_)
        pass_over_ = true;
    if (nodes_ >= board_limit_)
        stopped_ = true;
    if (cancelled())
        stopped_ = true;
    else if (nodes_ % kClockEvery == 0 && std::chrono::steady_clock::now() >= deadline_)
        stopped_ = true;
    return stopped_ || pass_over_;
}

void Search::visit(Bits board)
{
    ++nodes_;
    const int left = marbles_in(board);
    if (left < best_marbles_) {
        best_marbles_ = left;
        best_line_ = line_;
    }
}

SearchEnd Search::find_one_marble()
{
    for (int pass = 0;; ++pass) {
        order_ = static_cast<std::size_t>(pass % kSymmetries);
        pass_end_ = pass < kLastShortPass ? nodes_ + (kFirstPassBoards << pass) : ~std::uint64_t{0};
        pass_over_ = false;
        line_.clear();
        if (one_marble(root_))
            return SearchEnd::Found;
        if (stopped_)
            return SearchEnd::Stopped;
        if (!pass_over_)
            return SearchEnd::Exhausted;
    }
}

SearchEnd Search::find_at_most(int marbles)
{
    pass_end_ = ~std::uint64_t{0};
    pass_over_ = false;
    line_.clear();
    if (at_most(root_, marbles))
        return SearchEnd::Found;
    return stopped_ ? SearchEnd::Stopped : SearchEnd::Exhausted;
}

bool Search::one_marble(Bits board)
{
    visit(board);
    if (marbles_in(board) == 1)
        return true;
    if (marbles_in(board) <= table_marbles_) {
        // The other end of the search: the table knows every board this small.
        switch (table_.finishes(board)) {
        case Finish::Yes:
            if (const auto rest = table_.line_from(board)) {
                line_.insert(line_.end(), rest->begin(), rest->end());
                return true;
            }
            break; // a table at odds with itself: search this board as any other
        case Finish::No:
            return false;
        case Finish::Unknown:
            break;
        }
    }
    if (stopping() || possible_last_holes(board) == 0 || (table_marbles_ > 1 && below_pagoda_bars(board)))
        return false;
    const Bits key = canonical(board);
    if (dead_one_.contains(key))
        return false;
    const auto& all = jumps();
    for (std::uint8_t i : jump_orders()[order_]) {
        const BitJump& j = all[i];
        if ((board & j.from) && (board & j.over) && !(board & j.to)) {
            line_.push_back(i);
            if (one_marble(board ^ (j.from | j.over | j.to)))
                return true;
            line_.pop_back();
            if (stopped_ || pass_over_)
                return false;
        }
    }
    dead_one_.insert(key);
    return false;
}

bool Search::at_most(Bits board, int marbles)
{
    visit(board);
    if (marbles_in(board) <= marbles)
        return true;
    if (stopping())
        return false;
    const Bits key = canonical(board);
    if (dead_many_.contains(key))
        return false;
    const auto& all = jumps();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const BitJump& j = all[i];
        if ((board & j.from) && (board & j.over) && !(board & j.to)) {
            line_.push_back(static_cast<std::uint8_t>(i));
            if (at_most(board ^ (j.from | j.over | j.to), marbles))
                return true;
            line_.pop_back();
            if (stopped_ || pass_over_)
                return false;
        }
    }
    // Not reaching `marbles` also rules out every lower target, so the entry stays true
    // while the caller lowers it.
    dead_many_.insert(key);
    return false;
}

} // namespace mossaline::solver

namespace mossaline::solver {

int Search::fewest_below(Bits board, std::vector<std::uint8_t>& line)
{
    int fewest = marbles_in(board);
    std::vector<std::uint8_t> best_tail;
    const auto& all = jumps();
    // Two is the least a board outside the table can leave; past the cap the best so far stands.
    for (std::size_t i = 0; i < all.size() && fewest > 2 && deepen_left_ > 0 && !cancelled(); ++i) {
        const BitJump& j = all[i];
        if ((board & j.from) && (board & j.over) && !(board & j.to)) {
            --deepen_left_;
            std::vector<std::uint8_t> tail{static_cast<std::uint8_t>(i)};
            const int left = fewest_below(board ^ (j.from | j.over | j.to), tail);
            if (left < fewest) {
                fewest = left;
                best_tail = std::move(tail);
            }
        }
    }
    line.insert(line.end(), best_tail.begin(), best_tail.end());
    return fewest;
}

void Search::deepen_best_line()
{
    Bits board = root_;
    for (std::uint8_t i : best_line_)
        board ^= jumps()[i].from | jumps()[i].over | jumps()[i].to;
    if (marbles_in(board) > std::max(table_marbles_, FinishTable::kBuiltMarbles))
        return;
    deepen_left_ = 20000;
    best_marbles_ = fewest_below(board, best_line_);
}

} // namespace mossaline::solver
