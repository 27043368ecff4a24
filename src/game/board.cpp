#include "game/board.h"

#include "game/grid.h"

#include <algorithm>

namespace mossaline {

int Board::marbles() const
{
    return static_cast<int>(std::count(cells_.begin(), cells_.end(), Cell::Marble));
}

void set_start_position(Board& board)
{
    // Slot 0 is no grid position and is never written.
    for (int index = 1; index < Board::kSlots; ++index)
        board.set(index, Cell::OffBoard);
    for (int index = 28; index <= 54; ++index)
        board.set(index, Cell::Marble);
    for (int index : kArmCells)
        board.set(index, Cell::Marble);
    board.set(kCentreCell, Cell::Empty);
}

} // namespace mossaline
