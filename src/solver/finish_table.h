#pragma once

#include "solver/bitboard.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace mossaline::solver {

/// What the table knows about one board.
enum class Finish {
    Yes, ///< it can be played down to one marble
    No, ///< it cannot
    Unknown, ///< the table does not hold boards like it: more marbles, or another position class
};

/// Every board of a few marbles that can be played down to one marble, up to symmetry: the
/// complements of the boards the start reaches in one jump fewer. Built from a forward
/// enumeration or read from the file its generator writes; only read once made.
class FinishTable {
public:
    /// Boards with up to this many marbles are in the table the generator writes.
    static constexpr int kFileMarbles = 12;
    /// Boards with up to this many marbles are in the table made in place when no file is found.
    static constexpr int kBuiltMarbles = 8;

    /// The table the solver uses: read on first use from the file named by `read_from`, made in
    /// place up to kBuiltMarbles when none was named or it cannot be used.
    static const FinishTable& get();
    /// Names the file get() reads; called before the first get().
    static void read_from(std::filesystem::path file);
    /// The table in `file`, or, when it is missing, damaged or made by other code, the table
    /// up to kBuiltMarbles made in place.
    static FinishTable read_or_build(const std::filesystem::path& file);
    /// The table of boards up to `most_marbles` marbles, from the boards the start reaches.
    static FinishTable build(int most_marbles);
    /// The table holding `levels[k]`, sorted canonical boards, as the boards of k marbles
    /// (`levels[0]` is not read).
    static FinishTable of_levels(const std::vector<std::vector<Bits>>& levels);
    /// The table in `file`; nothing when it is missing, cut short, damaged, not one of ours or
    /// made by code that numbers the holes, lists the jumps or picks the key of a class
    /// otherwise than this code does.
    static std::optional<FinishTable> load(const std::filesystem::path& file);
    /// Writes the table for `load`, marked as made by code of `fingerprint`; false when the
    /// file cannot be written.
    bool save(const std::filesystem::path& file, std::uint64_t fingerprint = code_fingerprint()) const;
    /// A digest of everything a stored table's keys depend on: the order of the holes, the
    /// list of jumps, the key `canonical()` gives the start and the boards near it, and how
    /// many there are of each count.
    static std::uint64_t code_fingerprint();

    /// Boards of up to this many marbles are in the table.
    int most_marbles() const { return static_cast<int>(levels_.size()) - 1; }
    /// Whether `board` can be played down to one marble: known for boards of the start's class
    /// with up to most_marbles() marbles, and for a single marble.
    Finish finishes(Bits board) const;
    /// A line to one marble from a board that finishes, as jump indices; nothing when the
    /// table is not consistent with itself (a board it says finishes has no jump to another).
    std::optional<std::vector<std::uint8_t>> line_from(Bits board) const;
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
