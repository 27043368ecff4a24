#include "solver/invariants.h"

#include <cstdlib>

namespace mossaline::solver {
namespace {

int colour_sum(int hole)
{
    return (column_of_hole(hole) + row_of_hole(hole)) % 3;
}
int colour_difference(int hole)
{
    return ((column_of_hole(hole) - row_of_hole(hole)) % 3 + 3) % 3;
}
int parity_class(int hole)
{
    return (column_of_hole(hole) % 2) * 2 + row_of_hole(hole) % 2;
}

// The arms' corner holes can never be jumped over, only jump out, and each way out
// needs a marble beside them: weighing the corners -1 and the holes such a helper must
// pass +1 makes a function no jump raises, while every hole a last marble can stand on
// in the usual classes weighs 0.
Weights corner_pagoda()
{
    constexpr int kArm[3][3] = {{-1, 0, -1}, {1, 0, 1}, {0, 0, 0}};
    constexpr int kBand[9] = {-1, 1, 0, 1, 0, 1, 0, 1, -1};
    Weights w{};
    for (int h = 0; h < kHoles; ++h) {
        const int c = column_of_hole(h);
        const int r = row_of_hole(h);
        int value = 0;
        if (r < 3)
            value = kArm[r][c - 3];
        else if (r > 5)
            value = kArm[8 - r][c - 3];
        else if (c < 3)
            value = kArm[c][r - 3];
        else if (c > 5)
            value = kArm[8 - c][r - 3];
        else if (r == 3 || r == 5)
            value = kBand[c];
        else if (c == 3 || c == 5)
            value = kBand[r];
        w[static_cast<std::size_t>(h)] = value;
    }
    return w;
}

// One arm alone: its two outer corners -1 and the holes a helper passes on the way +1.
// Weighing each arm on its own catches a stranded arm that the sum over all four,
// with slack elsewhere, lets through.
Weights arm_pagoda(int symmetry)
{
    Weights top{};
    for (int h = 0; h < kHoles; ++h) {
        const int c = column_of_hole(h);
        const int r = row_of_hole(h);
        int value = 0;
        if (r == 0 && (c == 3 || c == 5))
            value = -1;
        else if ((r == 1 || r == 7) && (c == 3 || c == 5))
            value = 1;
        else if ((r == 3 || r == 5) && c % 2 == 1)
            value = 1;
        top[static_cast<std::size_t>(h)] = value;
    }
    Weights w{};
    for (int h = 0; h < kHoles; ++h) {
        const Bits image = transformed(Bits{1} << h, symmetry);
        w[static_cast<std::size_t>(__builtin_ctzll(image))] = top[static_cast<std::size_t>(h)];
    }
    return w;
}

struct PagodaMasks {
    Bits plus = 0;
    Bits minus = 0;
};

struct InvariantTables {
    std::array<Bits, 3> by_sum{};
    std::array<Bits, 3> by_difference{};
    std::array<Bits, 4> by_parity{};
    std::array<Bits, 16> goals_of_class{};
    std::vector<Weights> weights;
    std::vector<PagodaMasks> masks;

    InvariantTables()
    {
        for (int h = 0; h < kHoles; ++h) {
            const Bits bit = Bits{1} << h;
            by_sum[static_cast<std::size_t>(colour_sum(h))] |= bit;
            by_difference[static_cast<std::size_t>(colour_difference(h))] |= bit;
            by_parity[static_cast<std::size_t>(parity_class(h))] |= bit;
        }
        for (int h = 0; h < kHoles; ++h) {
            const Bits bit = Bits{1} << h;
            goals_of_class[static_cast<std::size_t>(class_of(bit))] |= bit;
        }
        weights.push_back(corner_pagoda());
        for (int quarter = 0; quarter < 4; ++quarter)
            weights.push_back(arm_pagoda(quarter)); // symmetries 0..3 are the four rotations
        // A weighting that a jump could raise would prune winnable boards: never use one.
        std::erase_if(weights, [](const Weights& w) { return !is_pagoda(w); });
        for (const Weights& w : weights) {
            PagodaMasks m;
            for (int h = 0; h < kHoles; ++h) {
                if (w[static_cast<std::size_t>(h)] > 0)
                    m.plus |= Bits{1} << h;
                if (w[static_cast<std::size_t>(h)] < 0)
                    m.minus |= Bits{1} << h;
            }
            masks.push_back(m);
        }
    }

    int class_of(Bits board) const
    {
        const auto odd = [board](Bits a, Bits b) { return marbles_in(board & (a | b)) & 1; };
        return odd(by_sum[0], by_sum[1]) | odd(by_sum[1], by_sum[2]) << 1 | odd(by_difference[0], by_difference[1]) << 2
            | odd(by_difference[1], by_difference[2]) << 3;
    }
};

const InvariantTables& invariant_tables()
{
    static const InvariantTables built;
    return built;
}

} // namespace

int position_class(Bits board)
{
    return invariant_tables().class_of(board);
}

Bits class_goals(Bits board)
{
    const InvariantTables& t = invariant_tables();
    return t.goals_of_class[static_cast<std::size_t>(t.class_of(board))];
}

bool is_pagoda(const Weights& weights)
{
    for (const BitJump& j : jumps())
        if (weights[static_cast<std::size_t>(j.from_hole)] + weights[static_cast<std::size_t>(j.over_hole)]
            < weights[static_cast<std::size_t>(j.to_hole)])
            return false;
    return true;
}

const std::vector<Weights>& pagodas()
{
    return invariant_tables().weights;
}

bool below_pagoda_bars(Bits board)
{
    if (marbles_in(board) < kBarMarbles)
        return false;
    for (const PagodaMasks& m : invariant_tables().masks)
        if (marbles_in(board & m.plus) - marbles_in(board & m.minus) < kPagodaBar)
            return true;
    return false;
}

Bits possible_last_holes(Bits board)
{
    const InvariantTables& t = invariant_tables();
    Bits holes = t.goals_of_class[static_cast<std::size_t>(t.class_of(board))];
    // A marble keeps the parity of its column and of its row through every jump.
    Bits reachable = 0;
    for (Bits parity : t.by_parity)
        if (board & parity)
            reachable |= parity;
    holes &= reachable;
    for (const PagodaMasks& m : t.masks) {
        const int value = marbles_in(board & m.plus) - marbles_in(board & m.minus);
        if (value <= 0)
            holes &= ~m.plus;
        if (value <= -1)
            holes &= m.minus;
        if (value <= -2)
            holes = 0;
    }
    return holes;
}

} // namespace mossaline::solver
