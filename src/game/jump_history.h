#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace mossaline {

/// Where a marker stands, in twips of the main window.
struct MarkerPlace {
    int left = 0; ///< Left of the marker's box
    int top = 0; ///< Top of the marker's box
    /// Places are equal when both values are.
    bool operator==(const MarkerPlace&) const = default;
};

/// One jump as it was made: its three cells, and where the last-position marker stood before
/// and after the click that made it.
struct RecordedJump {
    int source = 0; ///< cell the marble left
    int middle = 0; ///< cell of the marble jumped over
    int target = 0; ///< cell the marble reached
    MarkerPlace marker_before{}; ///< marker before the click
    MarkerPlace marker_after{}; ///< marker after the click
    /// Jumps are equal when every field is.
    bool operator==(const RecordedJump&) const = default;
};

/// The jumps of the current game in order; the ones taken back stay for a redo until a new
/// jump is made.
class JumpHistory {
public:
    /// Adds a jump just made; whatever could have been redone is gone.
    void record(const RecordedJump& jump);
    /// The last jump made, now counted as taken back; nothing when no jump is left to take back.
    std::optional<RecordedJump> take_back();
    /// The jump taken back last, now counted as made again; nothing when none is waiting.
    std::optional<RecordedJump> redo();
    /// Forgets every jump: a new game begins.
    void clear();

    /// True when a jump can be taken back.
    bool can_take_back() const { return made_ > 0; }
    /// True when a jump taken back can be made again.
    bool can_redo() const { return made_ < jumps_.size(); }
    /// The jumps made and not taken back, oldest first.
    std::span<const RecordedJump> made_jumps() const { return {jumps_.data(), made_}; }
    /// Number of jumps made and not taken back.
    std::size_t made() const { return made_; }

private:
    std::vector<RecordedJump> jumps_;
    std::size_t made_ = 0;
};

} // namespace mossaline
