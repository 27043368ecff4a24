#pragma once

#include "window_image.h"

#include <optional>
#include <string>
#include <string_view>

namespace mossaline::testing {

/// One expectation on one point of a window: `name@X,Y=RRGGBB` (the colour is there) or
/// `name@X,Y!=RRGGBB` (it is not), with X and Y in twips of the window.
struct PixelProbe {
    std::string name;
    double x = 0;
    double y = 0;
    Rgb colour = 0;
    bool equal = true;
};

/// Parses a probe written as above; empty when the text is malformed.
std::optional<PixelProbe> parse_probe(std::string_view text);

/// The device pixel that a twips coordinate falls in, at a device-pixel ratio.
int device_pixel(double twips, double scale);

/// The colour the probe's point shows in the image.
Rgb seen_at(const PixelProbe& probe, const WindowImage& image, double scale);

/// Whether the image meets the probe: a colour within a few steps of antialiasing for `=`,
/// a clearly different one for `!=`.
bool probe_holds(const PixelProbe& probe, const WindowImage& image, double scale);

} // namespace mossaline::testing
