#pragma once

#include "solver/bitboard.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace mossaline::solver {

/// Every board of a few marbles that can be played down to one marble, up to symmetry: the
/// complements of the boards the start reaches in one jump fewer. Built from a forward
/// enumeration or read from the file its generator writes; only read once made.
class FinishTable {
public:
    /// Boards with up to this many marbles are in the table the generator writes.
    static constexpr int kFileMarbles = 12;
    /// Boards with up to this many marbles are in the table made in place when no file is found.
    static constexpr int kBuiltMarbles = 8;

    /// The table the solver uses: read on first use from the generator's file beside the
    /// program (or in the build tree), made in place up to kBuiltMarbles when there is none.
    static const FinishTable& get();
    /// Names the program's folder where the platform's own call knows it better; get() looks
    /// there first. Called before the first get().
    static void look_beside(std::filesystem::path program_folder);
    /// The table of boards up to `most_marbles` marbles, from the boards the start reaches.
    static FinishTable build(int most_marbles);
    /// The table in `file`; nothing when it is missing, cut short or not one of ours.
    static std::optional<FinishTable> load(const std::filesystem::path& file);
    /// Writes the table for `load`; false when the file cannot be written.
    bool save(const std::filesystem::path& file) const;

    /// Boards of up to this many marbles are in the table.
    int most_marbles() const { return static_cast<int>(levels_.size()) - 1; }
    /// True when `board`, of the start's class and 1..most_marbles() marbles, can be played down to one marble.
    bool finishes(Bits board) const;
    /// A line to one marble from a board for which `finishes` holds, as jump indices.
    std::vector<std::uint8_t> line_from(Bits board) const;
    /// The boards of `marbles` marbles held, canonical.
    std::vector<Bits> boards(int marbles) const;
    /// Boards held, over all counts.
    std::size_t size() const;
    /// Bytes the table takes in memory.
    std::size_t bytes() const;

private:
    // The 45-bit keys of one marble count: high bits pick a bucket, low 32 bits are stored.
    struct Level {
        std::vector<std::uint32_t> start; // kBuckets + 1 offsets into low
        std::vector<std::uint32_t> low; // sorted within each bucket
        bool contains(Bits key) const;
    };
    static constexpr int kLowBits = 32;
    static constexpr std::size_t kBuckets = std::size_t{1} << (kHoles - kLowBits);

    FinishTable() = default;
    static Level level_of(const std::vector<Bits>& sorted_keys);

    std::vector<Level> levels_; // levels_[k]: the boards of k marbles
};

} // namespace mossaline::solver
