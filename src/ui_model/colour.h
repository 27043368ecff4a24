#pragma once

#include <cstdint>

namespace mossaline {

/// A 24-bit colour stored as red + 256 * green + 65536 * blue, the way the game writes colours.
struct Colour {
    std::uint32_t value = 0; ///< red in the low byte, blue in the high byte

    /// Composes a colour from its channels.
    static constexpr Colour rgb(int red, int green, int blue)
    {
        return Colour{static_cast<std::uint32_t>(red + 256 * green + 65536 * blue)};
    }
    /// Red channel, 0..255.
    constexpr int red() const { return static_cast<int>(value & 0xFF); }
    /// Green channel, 0..255.
    constexpr int green() const { return static_cast<int>((value >> 8) & 0xFF); }
    /// Blue channel, 0..255.
    constexpr int blue() const { return static_cast<int>((value >> 16) & 0xFF); }

    /// Colours are equal when their values are.
    constexpr bool operator==(const Colour&) const = default;
};

/// Colours the game names.
namespace colours {
inline constexpr Colour kBlack{0x000000};
inline constexpr Colour kWhite{0xFFFFFF};
/// The system's button-text and window-text colours in the standard scheme.
inline constexpr Colour kButtonText{0x000000};
inline constexpr Colour kWindowText{0x000000};
/// Resting colour of the command labels.
inline constexpr Colour kCommandRest{0x00C0C0};
/// A marble without an open jump.
inline constexpr Colour kPlainMarble{0x808080};
/// A marble that can jump, while possible moves are shown.
inline constexpr Colour kMovableMarble{0xC0FFFF};
} // namespace colours

} // namespace mossaline
