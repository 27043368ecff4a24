#include "solver/finish_table.h"

#include "solver/forward_levels.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

#ifndef MOSSALINE_BUILT_FINISH_TABLE
#define MOSSALINE_BUILT_FINISH_TABLE ""
#endif

namespace mossaline::solver {
namespace {

constexpr std::array<char, 8> kMagic{'M', 'O', 'S', 'S', 'F', 'I', 'N', '1'};
constexpr char kFileName[] = "mossaline-finishes.bin";

std::filesystem::path program_folder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : self.parent_path();
}

std::filesystem::path& named_program_folder()
{
    static std::filesystem::path folder;
    return folder;
}

std::uint64_t fnv1a(const void* data, std::size_t size, std::uint64_t hash)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

} // namespace

void FinishTable::look_beside(std::filesystem::path program_folder)
{
    named_program_folder() = std::move(program_folder);
}

const FinishTable& FinishTable::get()
{
    static const FinishTable made = [] {
        const std::filesystem::path& named = named_program_folder();
        for (const std::filesystem::path& file : {named.empty() ? named : named / kFileName,
                 program_folder() / kFileName, std::filesystem::path(MOSSALINE_BUILT_FINISH_TABLE)})
            if (!file.empty())
                if (auto loaded = load(file))
                    return std::move(*loaded);
        return build(kBuiltMarbles);
    }();
    return made;
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

FinishTable FinishTable::build(int most_marbles)
{
    // A board of k marbles finishes in the centre exactly when its complement is reached from
    // the start in k - 1 jumps; a last marble anywhere else is never needed (see the tests).
    const std::vector<std::vector<Bits>> reached = boards_after_jumps(most_marbles - 1);
    FinishTable table;
    table.levels_.resize(1);
    for (const std::vector<Bits>& level : reached) {
        std::vector<Bits> finishing;
        finishing.reserve(level.size());
        for (Bits board : level)
            finishing.push_back(canonical(kAllHoles & ~board));
        std::sort(finishing.begin(), finishing.end());
        table.levels_.push_back(level_of(finishing));
    }
    table.levels_.front() = level_of({});
    return table;
}

bool FinishTable::Level::contains(Bits key) const
{
    const auto bucket = static_cast<std::size_t>(key >> kLowBits);
    const auto first = low.begin() + start[bucket];
    const auto last = low.begin() + start[bucket + 1];
    return std::binary_search(first, last, static_cast<std::uint32_t>(key));
}

bool FinishTable::finishes(Bits board) const
{
    const int k = marbles_in(board);
    if (k == 1)
        return true;
    if (k < 1 || k > most_marbles())
        return false;
    return levels_[static_cast<std::size_t>(k)].contains(canonical(board));
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

// The file: the magic, the highest marble count, then per count from 1 up the number of
// boards, the bucket offsets and the stored low bits, and last a checksum of all before it.
bool FinishTable::save(const std::filesystem::path& file) const
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    std::uint64_t hash = 14695981039346656037ull;
    const auto put = [&](const void* data, std::size_t size) {
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        hash = fnv1a(data, size, hash);
    };
    put(kMagic.data(), kMagic.size());
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
    std::uint64_t hash = 14695981039346656037ull;
    const auto get = [&](void* data, std::size_t size) {
        if (!in.read(static_cast<char*>(data), static_cast<std::streamsize>(size)))
            return false;
        hash = fnv1a(data, size, hash);
        return true;
    };
    std::array<char, 8> magic{};
    std::uint32_t most = 0;
    if (!get(magic.data(), magic.size()) || magic != kMagic || !get(&most, sizeof most) || most < 1 || most > 20)
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
