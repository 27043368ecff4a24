#pragma once

#include "game/cell.h"

#include <array>

namespace mossaline {

/// The cells of the game, slots 0..78; grid positions 79..81 lie in a corner and have no slot.
class Board {
public:
    /// Number of slots, 0..78.
    static constexpr int kSlots = 79;

    /// True when the index has a slot.
    static constexpr bool in_range(int index) { return index >= 0 && index < kSlots; }

    /// The cell at a slot; an index without a slot throws std::out_of_range.
    Cell at(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
    /// Writes a slot; an index without a slot throws std::out_of_range.
    void set(int index, Cell cell) { cells_.at(static_cast<std::size_t>(index)) = cell; }

    /// Number of cells holding a marble.
    int marbles() const;

    /// Two boards are equal when every slot is.
    bool operator==(const Board&) const = default;

private:
    std::array<Cell, kSlots> cells_{};
};

/// Writes the start position: every grid cell off the board, the cross full, the centre empty.
void set_start_position(Board& board);

} // namespace mossaline
