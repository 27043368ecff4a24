#include "solver/bar_check.h"

#include "solver/forward_levels.h"

#include <algorithm>
#include <array>

namespace mossaline::solver {
namespace {

int value_of(const Weights& weights, Bits board)
{
    int value = 0;
    for (Bits rest = board; rest != 0; rest &= rest - 1)
        value += weights[static_cast<std::size_t>(__builtin_ctzll(rest))];
    return value;
}

} // namespace

std::optional<Bits> finishing_board_below_bar(const Weights& weights, int marbles, int bar)
{
    if (!is_pagoda(weights))
        return start_bits();
    // The finishing board is the complement of a reached one, in any of its images: it is below
    // the bar when the weights of the reached image exceed those of all holes less the bar.
    std::array<Weights, kSymmetries> seen_through{};
    for (int s = 0; s < kSymmetries; ++s)
        for (int h = 0; h < kHoles; ++h)
            seen_through[static_cast<std::size_t>(s)][static_cast<std::size_t>(h)]
                = weights[static_cast<std::size_t>(__builtin_ctzll(transformed(Bits{1} << h, s)))];
    const int above = value_of(weights, kAllHoles) - bar;
    const auto image_above = [&](Bits reached) -> std::optional<int> {
        for (int s = 0; s < kSymmetries; ++s)
            if (value_of(seen_through[static_cast<std::size_t>(s)], reached) > above)
                return s;
        return std::nullopt;
    };
    std::vector<Bits> level{canonical(start_bits())};
    for (int jumps = 0;; ++jumps) {
        std::erase_if(level, [&](Bits reached) { return !image_above(reached); });
        if (jumps == marbles - 1)
            break;
        level = next_level(level);
    }
    if (level.empty())
        return std::nullopt;
    const Bits reached = level.front();
    return kAllHoles & ~transformed(reached, *image_above(reached));
}

} // namespace mossaline::solver
