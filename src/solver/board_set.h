#pragma once

#include "solver/bitboard.h"

#include <cstddef>
#include <vector>

namespace mossaline::solver {

/// A set of boards by open addressing, owned by one search or one game. It holds at most a
/// limit: once the boards inserted since the last turn fill half of it, they become the older
/// half and the half before is forgotten. A set that only stopped taking boards would stop the
/// search learning, and a search that cannot remember its dead ends meets them again and
/// again: forgetting the oldest costs far less.
class BoardSet {
public:
    /// An empty set that will hold at most `max_entries` boards.
    explicit BoardSet(std::size_t max_entries);

    /// True when `key` was inserted and not forgotten since.
    bool contains(Bits key) const;
    /// Adds `key`, forgetting the older half first when the newer one is full.
    void insert(Bits key);
    /// Number of boards held.
    std::size_t size() const { return count_ + older_count_; }
    /// Bytes the slots take.
    std::size_t bytes() const { return (slots_.size() + older_.size()) * sizeof(Bits); }

private:
    static bool holds(const std::vector<Bits>& slots, Bits key);
    static void put(std::vector<Bits>& slots, Bits key);
    void grow();

    // Boards use 45 bits, so the all-ones word is never one and marks a free slot.
    static constexpr Bits kFree = ~Bits{0};
    std::vector<Bits> slots_; // the newer half
    std::size_t count_ = 0;
    std::vector<Bits> older_; // the older half, only read
    std::size_t older_count_ = 0;
    std::size_t half_entries_;
};

} // namespace mossaline::solver
