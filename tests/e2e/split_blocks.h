#pragma once

#include "window_image.h"

namespace mossaline::testing {

/// Counts the blocks of `ratio` by `ratio` device pixels, aligned to the logical pixel grid
/// inside `box`, whose pixels are not all one colour. A window drawn at one device pixel per
/// logical pixel and then blown up has none: detail finer than a logical pixel proves it was
/// drawn at the device's own resolution.
int split_blocks(const WindowImage& image, const PixelBox& box, int ratio);

} // namespace mossaline::testing
