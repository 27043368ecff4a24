#pragma once

#include <cstdint>

namespace mossaline {

/// What a grid position holds; the values are the codes the board stores.
enum class Cell : std::int16_t {
    Empty = 0, ///< a hole without a marble
    Marble = 1, ///< a hole holding a marble
    OffBoard = 2, ///< a grid position outside the cross
};

} // namespace mossaline
