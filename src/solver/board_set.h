#pragma once

#include "solver/bitboard.h"

#include <cstddef>
#include <vector>

namespace mossaline::solver {

/// A set of boards by open addressing, owned by one search; it grows up to a size limit
/// and then stops taking more, which only costs the search repeated work.
class BoardSet {
public:
    /// An empty set that will hold at most `max_entries` boards.
    explicit BoardSet(std::size_t max_entries);

    /// True when `key` was inserted before.
    bool contains(Bits key) const;
    /// Adds `key`; silently refused once the limit is reached.
    void insert(Bits key);
    /// Number of boards held.
    std::size_t size() const { return count_; }
    /// Bytes the slots take.
    std::size_t bytes() const { return slots_.size() * sizeof(Bits); }

private:
    void grow();
    std::size_t slot_of(Bits key) const;

    // Boards use 45 bits, so the all-ones word is never one and marks a free slot.
    static constexpr Bits kFree = ~Bits{0};
    std::vector<Bits> slots_;
    std::size_t count_ = 0;
    std::size_t max_entries_;
};

} // namespace mossaline::solver
