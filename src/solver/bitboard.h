#pragma once

#include "game/board.h"

#include <array>
#include <cstdint>

namespace mossaline::solver {

/// One bit per hole of the cross, bit h for the h-th hole in ascending cell index.
using Bits = std::uint64_t;

/// Number of holes on the cross.
inline constexpr int kHoles = 45;
/// Every hole set.
inline constexpr Bits kAllHoles = (Bits{1} << kHoles) - 1;

/// A jump between three holes in a straight row or column, as bits and as holes.
struct BitJump {
    Bits from; ///< the marble that jumps
    Bits over; ///< the marble jumped over
    Bits to; ///< the empty hole it lands in
    std::int8_t from_hole; ///< hole index of `from`
    std::int8_t over_hole; ///< hole index of `over`
    std::int8_t to_hole; ///< hole index of `to`
};

/// Number of jumps the cross allows (54 lines of three, both ways).
inline constexpr int kJumpCount = 108;

/// Every jump, those that clear the far ends of the arms first: the order the search tries them.
const std::array<BitJump, kJumpCount>& jumps();

/// The jump order seen through each symmetry: entry k of order s is the index of the image
/// of `jumps()[k]`, so a search can try the same preferences from any of eight sides.
const std::array<std::array<std::uint8_t, kJumpCount>, 8>& jump_orders();

/// Hole index of a game cell index, or -1 for a cell off the cross.
int hole_of_cell(int cell);
/// Game cell index of a hole.
int cell_of_hole(int hole);
/// Grid column of a hole, 0..8.
int column_of_hole(int hole);
/// Grid row of a hole, 0..8.
int row_of_hole(int hole);

/// The marbles on the 45 holes; cells off the cross are not read.
Bits bits_of(const Board& board);
/// A game board holding exactly the marbles of `bits`, everything off the cross `OffBoard`.
Board board_of(Bits bits);

/// Number of marbles.
inline int marbles_in(Bits bits)
{
    return __builtin_popcountll(bits);
}

/// Marbles with no marble beside them in their row or column.
int lonely_marbles(Bits bits);

/// Number of symmetries of the cross (rotations and reflections).
inline constexpr int kSymmetries = 8;
/// The board seen through symmetry `s` (0 is the identity).
Bits transformed(Bits bits, int s);
/// The least of the eight images: one key for all boards equal up to symmetry.
Bits canonical(Bits bits);

} // namespace mossaline::solver
