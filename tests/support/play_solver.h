#pragma once

#include "play_geometry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <unordered_set>
#include <vector>

namespace mossaline::testing {

/// Finds jumps that leave a single marble: a depth-first search that remembers the
/// positions already known to be dead ends.
class SingleMarbleSolver {
public:
    /// Lays out the lines of three holes the search tries, outermost marbles first.
    SingleMarbleSolver()
    {
        int next = 0;
        for (int column = 0; column < 9; ++column)
            for (int row = 0; row < 9; ++row)
                if (on_cross(column, row))
                    hole_[static_cast<std::size_t>(cell_index(column, row))] = next++;
        constexpr int kSteps[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        for (int column = 0; column < 9; ++column)
            for (int row = 0; row < 9; ++row)
                for (const auto& step : kSteps)
                    if (on_cross(column, row) && on_cross(column + 2 * step[0], row + 2 * step[1]))
                        lines_.push_back({cell_index(column, row), cell_index(column + step[0], row + step[1]),
                            cell_index(column + 2 * step[0], row + 2 * step[1])});
        // Clearing the far ends of the arms first keeps the marbles together; tried in
        // plain order the search ran for over a minute without a finish.
        const auto reach = [](int cell) { return std::abs(column_of(cell) - 4) + std::abs(row_of(cell) - 4); };
        std::stable_sort(lines_.begin(), lines_.end(),
            [&](const GeometricJump& a, const GeometricJump& b) { return reach(a.from) > reach(b.from); });
    }

    /// The jumps from `board` down to one marble, or nothing when no such finish exists.
    std::optional<std::vector<GeometricJump>> solve(const Board& board)
    {
        dead_ends_.clear();
        path_.clear();
        std::uint64_t position = 0;
        for (int cell : marble_cells(board))
            position |= bit(cell);
        if (!search(position))
            return std::nullopt;
        return path_;
    }

private:
    // The 45 holes numbered densely so a position packs into 64 bits.
    std::uint64_t bit(int cell) const { return std::uint64_t{1} << hole_[static_cast<std::size_t>(cell)]; }

    bool search(std::uint64_t position)
    {
        if ((position & (position - 1)) == 0)
            return position != 0;
        if (dead_ends_.contains(position))
            return false;
        for (const GeometricJump& line : lines_) {
            const std::uint64_t from = bit(line.from);
            const std::uint64_t over = bit(line.over);
            const std::uint64_t to = bit(line.to);
            if ((position & from) && (position & over) && !(position & to)) {
                path_.push_back(line);
                if (search((position & ~from & ~over) | to))
                    return true;
                path_.pop_back();
            }
        }
        dead_ends_.insert(position);
        return false;
    }

    std::array<int, 82> hole_{};
    std::vector<GeometricJump> lines_;
    std::unordered_set<std::uint64_t> dead_ends_;
    std::vector<GeometricJump> path_;
};

} // namespace mossaline::testing
