#include "solver/bitboard.h"

#include "game/grid.h"

#include <algorithm>
#include <cstdlib>

namespace mossaline::solver {
namespace {

constexpr int kChunks = 6; // 45 bits read a byte at a time

// Everything derived from the cross once: written on first use, read-only afterwards, so
// searches on several threads share it safely.
struct Tables {
    std::array<int, kLastGridIndex + 1> hole_of_cell{};
    std::array<int, kHoles> cell_of_hole{};
    std::array<BitJump, kJumpCount> jumps{};
    std::array<std::array<std::array<Bits, 256>, kChunks>, kSymmetries> images{};
    std::array<Bits, kHoles> neighbours{};
    std::array<std::array<std::uint8_t, kJumpCount>, kSymmetries> orders{};

    Tables()
    {
        hole_of_cell.fill(-1);
        int next = 0;
        for (int cell : board_cells()) {
            hole_of_cell[static_cast<std::size_t>(cell)] = next;
            cell_of_hole[static_cast<std::size_t>(next)] = cell;
            ++next;
        }
        fill_jumps();
        fill_images();
        fill_orders();
        for (const BitJump& j : jumps) {
            neighbours[static_cast<std::size_t>(j.from_hole)] |= j.over;
            neighbours[static_cast<std::size_t>(j.over_hole)] |= j.from;
        }
    }

    int hole_at(int column, int row) const
    {
        if (column < 0 || column > 8 || row < 0 || row > 8)
            return -1;
        return hole_of_cell[static_cast<std::size_t>(cell_index(column, row))];
    }

    void fill_jumps()
    {
        constexpr int kSteps[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        std::size_t n = 0;
        for (int column = 0; column < 9; ++column)
            for (int row = 0; row < 9; ++row)
                for (const auto& step : kSteps) {
                    const int a = hole_at(column, row);
                    const int b = hole_at(column + step[0], row + step[1]);
                    const int c = hole_at(column + 2 * step[0], row + 2 * step[1]);
                    if (a < 0 || b < 0 || c < 0)
                        continue;
                    jumps[n++] = BitJump{Bits{1} << a, Bits{1} << b, Bits{1} << c, static_cast<std::int8_t>(a),
                        static_cast<std::int8_t>(b), static_cast<std::int8_t>(c)};
                }
        // Marbles left far out on an arm are the ones that get stranded, so the search
        // moves them first; among equals the scan order above stands.
        const auto reach = [this](int hole) {
            const int cell = cell_of_hole[static_cast<std::size_t>(hole)];
            return std::abs(column_of(cell) - 4) + std::abs(row_of(cell) - 4);
        };
        std::stable_sort(jumps.begin(), jumps.end(),
            [&](const BitJump& x, const BitJump& y) { return reach(x.from_hole) > reach(y.from_hole); });
    }

    Bits image_of(Bits bits, int s) const
    {
        Bits out = 0;
        for (std::size_t chunk = 0; chunk < kChunks; ++chunk)
            out |= images[static_cast<std::size_t>(s)][chunk][(bits >> (8 * chunk)) & 0xff];
        return out;
    }

    void fill_orders()
    {
        for (int s = 0; s < kSymmetries; ++s)
            for (std::size_t k = 0; k < kJumpCount; ++k) {
                const Bits from = image_of(jumps[k].from, s);
                const Bits to = image_of(jumps[k].to, s);
                for (std::size_t i = 0; i < kJumpCount; ++i)
                    if (jumps[i].from == from && jumps[i].to == to)
                        orders[static_cast<std::size_t>(s)][k] = static_cast<std::uint8_t>(i);
            }
    }

    void fill_images()
    {
        for (int s = 0; s < kSymmetries; ++s) {
            std::array<int, kHoles> image{};
            for (int h = 0; h < kHoles; ++h) {
                const int cell = cell_of_hole[static_cast<std::size_t>(h)];
                const int x = column_of(cell) - 4;
                const int y = row_of(cell) - 4;
                int u = x;
                int v = y;
                switch (s) {
                case 1:
                    u = -y, v = x;
                    break;
                case 2:
                    u = -x, v = -y;
                    break;
                case 3:
                    u = y, v = -x;
                    break;
                case 4:
                    u = -x, v = y;
                    break;
                case 5:
                    u = x, v = -y;
                    break;
                case 6:
                    u = y, v = x;
                    break;
                case 7:
                    u = -y, v = -x;
                    break;
                default:
                    break;
                }
                image[static_cast<std::size_t>(h)] = hole_at(u + 4, v + 4);
            }
            for (int chunk = 0; chunk < kChunks; ++chunk)
                for (int byte = 0; byte < 256; ++byte) {
                    Bits out = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        const int h = chunk * 8 + bit;
                        if ((byte >> bit & 1) && h < kHoles)
                            out |= Bits{1} << image[static_cast<std::size_t>(h)];
                    }
                    images[static_cast<std::size_t>(s)][static_cast<std::size_t>(chunk)][static_cast<std::size_t>(byte)]
                        = out;
                }
        }
    }
};

const Tables& tables()
{
    static const Tables built;
    return built;
}

} // namespace

const std::array<BitJump, kJumpCount>& jumps()
{
    return tables().jumps;
}

const std::array<std::array<std::uint8_t, kJumpCount>, 8>& jump_orders()
{
    return tables().orders;
}

int hole_of_cell(int cell)
{
    if (cell < 0 || cell > kLastGridIndex)
        return -1;
    return tables().hole_of_cell[static_cast<std::size_t>(cell)];
}

int cell_of_hole(int hole)
{
    return tables().cell_of_hole.at(static_cast<std::size_t>(hole));
}
int column_of_hole(int hole)
{
    return column_of(cell_of_hole(hole));
}
int row_of_hole(int hole)
{
    return row_of(cell_of_hole(hole));
}

Bits bits_of(const Board& board)
{
    Bits bits = 0;
    for (int h = 0; h < kHoles; ++h)
        if (board.at(cell_of_hole(h)) == Cell::Marble)
            bits |= Bits{1} << h;
    return bits;
}

Board board_of(Bits bits)
{
    Board board;
    for (int index = 1; index < Board::kSlots; ++index)
        board.set(index, Cell::OffBoard);
    for (int h = 0; h < kHoles; ++h)
        board.set(cell_of_hole(h), (bits >> h & 1) ? Cell::Marble : Cell::Empty);
    return board;
}

int lonely_marbles(Bits bits)
{
    const auto& neighbours = tables().neighbours;
    int lonely = 0;
    for (Bits rest = bits; rest != 0; rest &= rest - 1)
        lonely += (bits & neighbours[static_cast<std::size_t>(__builtin_ctzll(rest))]) == 0;
    return lonely;
}

Bits transformed(Bits bits, int s)
{
    const auto& image = tables().images[static_cast<std::size_t>(s)];
    Bits out = 0;
    for (std::size_t chunk = 0; chunk < kChunks; ++chunk)
        out |= image[chunk][(bits >> (8 * chunk)) & 0xff];
    return out;
}

Bits canonical(Bits bits)
{
    const auto& all = tables().images;
    Bits best = bits;
    for (std::size_t s = 1; s < kSymmetries; ++s) {
        Bits out = 0;
        for (std::size_t chunk = 0; chunk < kChunks; ++chunk)
            out |= all[s][chunk][(bits >> (8 * chunk)) & 0xff];
        best = std::min(best, out);
    }
    return best;
}

} // namespace mossaline::solver
