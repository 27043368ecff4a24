#pragma once

#include "game/board.h"

#include <cstdint>
#include <optional>

namespace mossaline {

/// The game's shared state: one instance lives for the whole run and is never saved.
struct Module1 {
    Board board; ///< the cells, slots 0..78
    std::int16_t marbles_left = 0; ///< marbles on the board, shown by the count label
    std::int16_t sound_on = 1; ///< 1: cues play
    std::int16_t show_moves = 0; ///< 1: marbles that can jump are drawn light yellow
    std::int16_t show_last = 0; ///< state of the "Show last position" box
    std::int16_t show_count = 1; ///< state of the "Show marbles left" box
    std::optional<float> pointer_x; ///< last pointer X in twips; empty until the first motion
    std::int16_t pointer_y = 0; ///< last pointer Y in twips, rounded half to even
    std::int16_t moves_possible = 0; ///< open jumps found by the last count
    std::int16_t hover_label = 0; ///< 0: EXIT entered last; -1: RESTART

    /// The stored X as the bands compare it: an empty value reads as 0.
    float pointer_x_value() const { return pointer_x.value_or(0.0f); }
};

} // namespace mossaline
