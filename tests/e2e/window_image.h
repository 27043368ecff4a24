#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct _XDisplay; // Xlib's Display, kept out of this header with its macros

namespace mossaline::testing {

/// An RGB colour as 0xRRGGBB.
using Rgb = std::uint32_t;

/// A box of device pixels in a window.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// What a part of an X window showed at one moment, in the window's device pixels.
struct WindowImage {
    PixelBox box;
    std::vector<Rgb> pixels; ///< row by row

    /// The colour at a device pixel of the window; black outside the part read.
    Rgb at(int x, int y) const;
};

/// A connection to the X server named by DISPLAY that reads what windows show.
class WindowReader {
public:
    /// Connects; check connected() before use.
    WindowReader();
    ~WindowReader();
    WindowReader(const WindowReader&) = delete;
    WindowReader& operator=(const WindowReader&) = delete;

    /// Whether the X server could be reached.
    bool connected() const { return display_ != nullptr; }

    /// The whole window as a box; empty when the window is gone or not mapped.
    std::optional<PixelBox> bounds(unsigned long window);

    /// What a part of the window shows now; empty when the window is gone or not mapped or
    /// the part is not all inside it.
    std::optional<WindowImage> grab(unsigned long window, const PixelBox& part);

private:
    _XDisplay* display_ = nullptr;
};

/// Largest difference of one colour channel between two colours.
int channel_distance(Rgb a, Rgb b);

} // namespace mossaline::testing
