#pragma once

#include <QImage>
#include <QString>

namespace mossaline::pictures {

/// Resource path of the "Created By" banner, 671 by 191 pixels.
inline constexpr const char* kBanner = ":/pictures/image1.png";
/// Resource path of the picture left of the title, 145 by 205 pixels.
inline constexpr const char* kLeftOfTitle = ":/pictures/image2.png";
/// Resource path of the picture right of the title, 145 by 205 pixels.
inline constexpr const char* kRightOfTitle = ":/pictures/image3.png";

/// True when the pictures are linked in and can be loaded from the resource paths above.
bool available();

/// The picture at one of the resource paths above as linked in ready to paint (32-bit RGB,
/// read-only, no copy); a null image for any other path. Needs no application.
QImage stored(const QString& resource_path);

} // namespace mossaline::pictures
