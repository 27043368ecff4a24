#include "solver/finish_table.h"

#include <algorithm>

namespace mossaline::solver {

const FinishTable& FinishTable::get()
{
    static const FinishTable built;
    return built;
}

FinishTable::FinishTable()
    : levels_(kMostMarbles + 1)
{
    for (int h = 0; h < kHoles; ++h)
        levels_[1].push_back(canonical(Bits{1} << h));
    for (int k = 1; k <= kMostMarbles; ++k) {
        std::vector<Bits>& level = levels_[static_cast<std::size_t>(k)];
        std::sort(level.begin(), level.end());
        level.erase(std::unique(level.begin(), level.end()), level.end());
        if (k == kMostMarbles)
            break;
        // Undoing a jump: a marble in `to` goes back to `from`, and the one jumped over returns.
        std::vector<Bits>& above = levels_[static_cast<std::size_t>(k + 1)];
        for (Bits board : level)
            for (const BitJump& j : jumps())
                if ((board & j.to) && !(board & j.over) && !(board & j.from))
                    above.push_back(canonical(board ^ (j.from | j.over | j.to)));
    }
}

bool FinishTable::finishes(Bits board) const
{
    const int k = marbles_in(board);
    if (k < 1 || k > kMostMarbles)
        return false;
    const std::vector<Bits>& level = levels_[static_cast<std::size_t>(k)];
    return std::binary_search(level.begin(), level.end(), canonical(board));
}

std::vector<std::uint8_t> FinishTable::line_from(Bits board) const
{
    std::vector<std::uint8_t> line;
    while (marbles_in(board) > 1) {
        const auto& all = jumps();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const BitJump& j = all[i];
            if ((board & j.from) && (board & j.over) && !(board & j.to) && finishes(board ^ (j.from | j.over | j.to))) {
                line.push_back(static_cast<std::uint8_t>(i));
                board ^= j.from | j.over | j.to;
                break;
            }
        }
    }
    return line;
}

std::size_t FinishTable::size() const
{
    std::size_t n = 0;
    for (const auto& level : levels_)
        n += level.size();
    return n;
}

} // namespace mossaline::solver
