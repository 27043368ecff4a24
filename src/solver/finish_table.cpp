#include "solver/finish_table.h"

#include "solver/forward_levels.h"
#include "solver/invariants.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

namespace mossaline::solver {
namespace {

constexpr std::array<char, 8> kMagic{'M', 'O', 'S', 'S', 'F', 'I', 'N', '2'};
// Boards reached from the start in up to this many jumps go into the code's fingerprint.
constexpr int kFingerprintJumps = 5;

std::filesystem::path& named_file()
{
    static std::filesystem::path file;
    return file;
}

std::uint64_t fnv1a(const void* data, std::size_t size, std::uint64_t hash)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

constexpr std::uint64_t kFnvStart = 14695981039346656037ull;

} // namespace

void FinishTable::read_from(std::filesystem::path file)
{
    named_file() = std::move(file);
}

const FinishTable& FinishTable::get()
{
    static const FinishTable made = read_or_build(named_file());
    return made;
}

FinishTable FinishTable::read_or_build(const std::filesystem::path& file)
{
    if (!file.empty())
        if (auto loaded = load(file))
            return std::move(*loaded);
    return build(kBuiltMarbles);
}

std::uint64_t FinishTable::code_fingerprint()
{
    std::uint64_t hash = kFnvStart;
    const auto add = [&hash](std::int64_t value) { hash = fnv1a(&value, sizeof value, hash); };
    add(kHoles);
    for (int h = 0; h < kHoles; ++h)
        add(cell_of_hole(h));
    add(kJumpCount);
    for (const BitJump& j : jumps()) {
        add(j.from_hole);
        add(j.over_hole);
        add(j.to_hole);
    }
    add(kLowBits);
    // The keys of the start and of the boards near it show how `canonical()` picks a class's
    // key; the sizes show that the enumeration merges exactly the boards equal up to symmetry.
    for (const std::vector<Bits>& level : boards_after_jumps(kFingerprintJumps)) {
        add(static_cast<std::int64_t>(level.size()));
        for (Bits key : level)
            add(static_cast<std::int64_t>(key));
    }
    return hash;
}

FinishTable::Level FinishTable::level_of(const std::vector<Bits>& sorted_keys)
{
    Level level;
    level.start.assign(kBuckets + 1, 0);
    level.low.reserve(sorted_keys.size());
    for (Bits key : sorted_keys) {
        ++level.start[static_cast<std::size_t>(key >> kLowBits) + 1];
        level.low.push_back(static_cast<std::uint32_t>(key));
    }
    for (std::size_t b = 0; b < kBuckets; ++b)
        level.start[b + 1] += level.start[b];
    return level;
}

FinishTable FinishTable::of_levels(const std::vector<std::vector<Bits>>& levels)
{
    FinishTable table;
    table.levels_.push_back(level_of({}));
    for (std::size_t k = 1; k < levels.size(); ++k)
        table.levels_.push_back(level_of(levels[k]));
    return table;
}

FinishTable FinishTable::build(int most_marbles)
{
    // Read backwards, a jump is a jump on the complement (marbles and holes swapped), so a board
    // of k marbles finishes in the centre exactly when its complement is reached from the start
    // (the complement of a lone marble in the centre) in k - 1 jumps. Why a finish in the centre
    // is all `finishes()` needs to know is told there.
    const std::vector<std::vector<Bits>> reached = boards_after_jumps(most_marbles - 1);
    std::vector<std::vector<Bits>> levels(1);
    for (const std::vector<Bits>& level : reached) {
        std::vector<Bits> finishing;
        finishing.reserve(level.size());
        for (Bits board : level)
            finishing.push_back(canonical(kAllHoles & ~board));
        std::sort(finishing.begin(), finishing.end());
        levels.push_back(std::move(finishing));
    }
    return of_levels(levels);
}

bool FinishTable::Level::contains(Bits key) const
{
    const auto bucket = static_cast<std::size_t>(key >> kLowBits);
    const auto first = low.begin() + start[bucket];
    const auto last = low.begin() + start[bucket + 1];
    return std::binary_search(first, last, static_cast<std::uint32_t>(key));
}

Finish FinishTable::finishes(Bits board) const
{
    const int k = marbles_in(board);
    if (k == 1)
        return Finish::Yes;
    if (k < 1)
        return Finish::No;
    // The table holds the boards that finish with their last marble in the centre. For a board
    // of the start's class, which every board of a game is (no jump changes the class), that is
    // every board that finishes at all, from two marbles up:
    // - A single marble has the class of the start only on the centre and on the four holes
    //   three away from it along the middle row and column ((column + row) mod 3 and
    //   (column - row) mod 3 are then the centre's, which fixes column mod 3 and row mod 3).
    // - A line that ends on one of those four holes, say (4, 1), ends with the one jump that
    //   lands there: from (4, 3) over (4, 2), the arm being too narrow for any other. Its board
    //   before holds just those two marbles, so the centre is empty and (4, 2) can jump over
    //   (4, 3) into it instead: the same line ends in the centre.
    // A board of another class may finish elsewhere, so the table cannot answer for it.
    if (k > most_marbles() || position_class(board) != position_class(start_bits()))
        return Finish::Unknown;
    return levels_[static_cast<std::size_t>(k)].contains(canonical(board)) ? Finish::Yes : Finish::No;
}

std::optional<std::vector<std::uint8_t>> FinishTable::line_from(Bits board) const
{
    std::vector<std::uint8_t> line;
    const auto& all = jumps();
    // Each pass makes one jump or gives up, so this ends after fewer passes than marbles.
    while (marbles_in(board) > 1) {
        bool jumped = false;
        for (std::size_t i = 0; i < all.size() && !jumped; ++i) {
            const BitJump& j = all[i];
            if ((board & j.from) && (board & j.over) && !(board & j.to)
                && finishes(board ^ (j.from | j.over | j.to)) == Finish::Yes) {
                line.push_back(static_cast<std::uint8_t>(i));
                board ^= j.from | j.over | j.to;
                jumped = true;
            }
        }
        if (!jumped)
            return std::nullopt;
    }
    return line;
}

std::vector<Bits> FinishTable::boards(int marbles) const
{
    std::vector<Bits> out;
    if (marbles < 1 || marbles > most_marbles())
        return out;
    const Level& level = levels_[static_cast<std::size_t>(marbles)];
    out.reserve(level.low.size());
    for (std::size_t b = 0; b < kBuckets; ++b)
        for (std::uint32_t i = level.start[b]; i < level.start[b + 1]; ++i)
            out.push_back(Bits{b} << kLowBits | level.low[i]);
    return out;
}

std::size_t FinishTable::size() const
{
    std::size_t n = 0;
    for (const Level& level : levels_)
        n += level.low.size();
    return n;
}

std::size_t FinishTable::bytes() const
{
    std::size_t n = 0;
    for (const Level& level : levels_)
        n += (level.low.size() + level.start.size()) * sizeof(std::uint32_t);
    return n;
}

// The file: the magic, the code's fingerprint, the highest marble count, then per count from 1 up the number of
// boards, the bucket offsets and the stored low bits, and last a checksum of all before it.
bool FinishTable::save(const std::filesystem::path& file, std::uint64_t fingerprint) const
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::uint64_t hash = kFnvStart;
    const auto put = [&](const void* data, std::size_t size) {
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        hash = fnv1a(data, size, hash);
    };
    put(kMagic.data(), kMagic.size());
    put(&fingerprint, sizeof fingerprint);
    const auto most = static_cast<std::uint32_t>(most_marbles());
    put(&most, sizeof most);
    for (std::size_t k = 1; k < levels_.size(); ++k) {
        const Level& level = levels_[k];
        const auto count = static_cast<std::uint32_t>(level.low.size());
        put(&count, sizeof count);
        put(level.start.data(), level.start.size() * sizeof(std::uint32_t));
        put(level.low.data(), level.low.size() * sizeof(std::uint32_t));
    }
    out.write(reinterpret_cast<const char*>(&hash), sizeof hash);
    return static_cast<bool>(out.flush());
}

std::optional<FinishTable> FinishTable::load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::uint64_t hash = kFnvStart;
    const auto get = [&](void* data, std::size_t size) {
        if (!in.read(static_cast<char*>(data), static_cast<std::streamsize>(size)))
            return false;
        hash = fnv1a(data, size, hash);
        return true;
    };
    std::array<char, 8> magic{};
    std::uint64_t fingerprint = 0;
    std::uint32_t most = 0;
    if (!get(magic.data(), magic.size()) || magic != kMagic || !get(&fingerprint, sizeof fingerprint))
        return std::nullopt;
    // Keys made with other holes, jumps or symmetry keys would look up the wrong boards.
    if (fingerprint != code_fingerprint())
        return std::nullopt;
    if (!get(&most, sizeof most) || most < 1 || most > 20)
        return std::nullopt;
    FinishTable table;
    table.levels_.resize(most + 1);
    table.levels_.front() = level_of({});
    for (std::size_t k = 1; k <= most; ++k) {
        Level& level = table.levels_[k];
        std::uint32_t count = 0;
        if (!get(&count, sizeof count) || count > (1u << 28))
            return std::nullopt;
        level.start.resize(kBuckets + 1);
        level.low.resize(count);
        if (!get(level.start.data(), level.start.size() * sizeof(std::uint32_t))
            || !get(level.low.data(), level.low.size() * sizeof(std::uint32_t)))
            return std::nullopt;
        // Offsets that run backwards or past the end would read outside the table.
        if (level.start.front() != 0 || level.start.back() != count
            || !std::is_sorted(level.start.begin(), level.start.end()))
            return std::nullopt;
    }
    std::uint64_t stored = 0;
    if (!in.read(reinterpret_cast<char*>(&stored), sizeof stored) || stored != hash)
        return std::nullopt;
    return table;
}

} // namespace mossaline::solver
