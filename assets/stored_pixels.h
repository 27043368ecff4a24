#pragma once

#include <cstdint>
#include <span>

namespace mossaline::pictures {

/// One picture linked in as 32-bit RGB pixels (0xffRRGGBB), row after row.
struct StoredPixels {
    const char* name; // the picture's file name, as in its path
    int width;
    int height;
    const std::uint32_t* pixels;
};

/// Every picture linked in this way; written by the asset generator.
std::span<const StoredPixels> stored_pixels();

} // namespace mossaline::pictures
