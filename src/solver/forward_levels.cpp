#include "solver/forward_levels.h"

#include "game/grid.h"

#include <algorithm>

namespace mossaline::solver {

Bits start_bits()
{
    return kAllHoles & ~(Bits{1} << hole_of_cell(kCentreCell));
}

std::vector<Bits> next_level(const std::vector<Bits>& level)
{
    std::vector<Bits> next;
    next.reserve(level.size() * 4);
    for (Bits board : level)
        for (const BitJump& j : jumps())
            if ((board & j.from) && (board & j.over) && !(board & j.to))
                next.push_back(canonical(board ^ (j.from | j.over | j.to)));
    std::sort(next.begin(), next.end());
    next.erase(std::unique(next.begin(), next.end()), next.end());
    next.shrink_to_fit();
    return next;
}

std::vector<std::vector<Bits>> boards_after_jumps(int jumps)
{
    std::vector<std::vector<Bits>> levels{{canonical(start_bits())}};
    for (int k = 1; k <= jumps; ++k)
        levels.push_back(next_level(levels.back()));
    return levels;
}

} // namespace mossaline::solver
