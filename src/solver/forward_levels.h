#pragma once

#include "solver/bitboard.h"

#include <vector>

namespace mossaline::solver {

/// The start of every game: each hole full but the centre.
Bits start_bits();

/// Every board reached from the start by exactly `jumps` jumps, up to symmetry: canonical and
/// sorted, one vector per number of jumps from 0 to `jumps`.
///
/// Jumps read backwards are jumps on the complement (marbles and holes swapped), so the
/// boards of k marbles that can finish in the centre are the complements of the boards
/// reached in k - 1 jumps: this one enumeration also gives the table of small finishes.
std::vector<std::vector<Bits>> boards_after_jumps(int jumps);

/// The boards one jump on from `level`, canonical, sorted and without repeats.
std::vector<Bits> next_level(const std::vector<Bits>& level);

} // namespace mossaline::solver
