#pragma once

namespace mossaline::pictures {

/// Resource path of the "Created By" banner, 671 by 191 pixels.
inline constexpr const char* kBanner = ":/pictures/image1.png";
/// Resource path of the picture left of the title, 145 by 205 pixels.
inline constexpr const char* kLeftOfTitle = ":/pictures/image2.png";
/// Resource path of the picture right of the title, 145 by 205 pixels.
inline constexpr const char* kRightOfTitle = ":/pictures/image3.png";

/// True when the pictures are linked in and can be loaded from the resource paths above.
bool available();

} // namespace mossaline::pictures
