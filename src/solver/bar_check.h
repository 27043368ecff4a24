#pragma once

#include "solver/bitboard.h"
#include "solver/invariants.h"

#include <optional>

namespace mossaline::solver {

/// A board of `marbles` marbles that finishes with one marble in the centre and on which
/// `weights` is below `bar`; nothing when there is none, so that on every board of the start's
/// class with `marbles` or more marbles, `weights` below `bar` proves no finish is left.
/// Follows the boards the start reaches in `marbles` - 1 jumps (the complements of those
/// finishing boards), dropping each on which no image could still end a counterexample: as no
/// jump raises a pagoda, none of its successors could either. A weighting that is not a pagoda
/// gives no such proof, so for it the start itself is returned.
std::optional<Bits> finishing_board_below_bar(const Weights& weights, int marbles, int bar);

} // namespace mossaline::solver
