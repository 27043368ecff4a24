#pragma once

#include "solver/bitboard.h"

#include <array>
#include <vector>

namespace mossaline::solver {

/// One weight per hole.
using Weights = std::array<int, kHoles>;

/// The position class of a board: four parities that no jump changes, from the two
/// three-colourings of the holes by (column + row) mod 3 and (column - row) mod 3.
int position_class(Bits board);

/// The holes a single marble could stand on and have the same class as `board`.
Bits class_goals(Bits board);

/// True when no jump can raise the weighted sum of the marbles: p(from) + p(over) >= p(to).
bool is_pagoda(const Weights& weights);

/// The pagoda functions the search prunes with (weights -1, 0, +1), each checked by `is_pagoda`.
const std::vector<Weights>& pagodas();

/// Every board of the start's class with this many marbles that can finish with one marble
/// has each pagoda of `pagodas()` at this value or more; as no jump raises a pagoda and every
/// line to one marble passes through each count, so has every such board with more marbles.
/// Proven by `finishing_board_below_bar` (solver/bar_check.h), which the solver's tests run on
/// every pagoda, as does `make_finish_table --bars`: a changed weight or bar fails them.
inline constexpr int kBarMarbles = 14;
inline constexpr int kPagodaBar = 1;

/// True when `board`, of the start's class and at least kBarMarbles marbles, has a pagoda
/// below kPagodaBar: no finish with one marble is left.
bool below_pagoda_bars(Bits board);

/// The holes where the last marble of a one-marble finish could still stand, as far as the
/// position class, the parity of each marble's column and row, and the pagodas tell;
/// zero proves that no finish with one marble is left.
Bits possible_last_holes(Bits board);

} // namespace mossaline::solver
