#include "window_image.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace mossaline::testing {

namespace {

// A window that vanishes between two requests must fail the read, not end the program
// through Xlib's default handler.
bool g_x_error = false;
int note_error(Display*, XErrorEvent*)
{
    g_x_error = true;
    return 0;
}

// One channel of a pixel value scaled to 0..255, whatever the visual's mask.
unsigned channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const unsigned long top = mask >> shift;
    return static_cast<unsigned>(((pixel & mask) >> shift) * 255 / top);
}

} // namespace

Rgb WindowImage::at(int x, int y) const
{
    const int column = x - box.left;
    const int row = y - box.top;
    if (column < 0 || row < 0 || column >= box.width || row >= box.height)
        return 0;
    return pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(box.width)
        + static_cast<std::size_t>(column)];
}

WindowReader::WindowReader()
    : display_(XOpenDisplay(nullptr))
{
    XSetErrorHandler(note_error);
}

WindowReader::~WindowReader()
{
    if (display_)
        XCloseDisplay(display_);
}

std::optional<PixelBox> WindowReader::bounds(unsigned long window)
{
    g_x_error = false;
    XWindowAttributes attributes{};
    if (!display_ || !XGetWindowAttributes(display_, window, &attributes) || g_x_error
        || attributes.map_state != IsViewable)
        return std::nullopt;
    return PixelBox{0, 0, attributes.width, attributes.height};
}

std::optional<WindowImage> WindowReader::grab(unsigned long window, const PixelBox& part)
{
    const std::optional<PixelBox> whole = bounds(window);
    if (!whole || part.left < 0 || part.top < 0 || part.width <= 0 || part.height <= 0
        || part.left + part.width > whole->width || part.top + part.height > whole->height)
        return std::nullopt;
    XImage* raw = XGetImage(display_, window, part.left, part.top, static_cast<unsigned>(part.width),
        static_cast<unsigned>(part.height), AllPlanes, ZPixmap);
    XSync(display_, False);
    if (!raw || g_x_error) {
        if (raw)
            XDestroyImage(raw);
        return std::nullopt;
    }
    WindowImage image{part, {}};
    image.pixels.reserve(static_cast<std::size_t>(part.width) * static_cast<std::size_t>(part.height));
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) {
            const unsigned long pixel = XGetPixel(raw, x, y);
            image.pixels.push_back(channel(pixel, raw->red_mask) << 16 | channel(pixel, raw->green_mask) << 8
                | channel(pixel, raw->blue_mask));
        }
    XDestroyImage(raw);
    return image;
}

int channel_distance(Rgb a, Rgb b)
{
    int largest = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        largest = std::max(
            largest, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return largest;
}

} // namespace mossaline::testing
