#pragma once

#include "solver/bitboard.h"

#include <cstdint>
#include <vector>

namespace mossaline::solver {

/// Every board of a few marbles that can be played down to one, found backwards from the
/// single marbles by undoing jumps; kept up to symmetry, built once and then only read.
class FinishTable {
public:
    /// Boards with up to this many marbles are in the table.
    static constexpr int kMostMarbles = 8;

    /// The table, built on first use (about 0.1 million boards, under 1 MiB).
    static const FinishTable& get();

    /// True when `board`, of 1..kMostMarbles marbles, can be played down to one marble.
    bool finishes(Bits board) const;
    /// A line to one marble from a board for which `finishes` holds, as jump indices.
    std::vector<std::uint8_t> line_from(Bits board) const;
    /// Boards held, over all counts.
    std::size_t size() const;

private:
    FinishTable();

    // levels_[k] holds the canonical boards of k marbles, sorted.
    std::vector<std::vector<Bits>> levels_;
};

} // namespace mossaline::solver
