#pragma once

#include <QImage>
#include <QString>

namespace mossaline::pictures {

// The paths by which the window's design names its pictures. They are linked in as pixels
// only, not as resource files: read them through stored(), not the image reader.

/// Path of the "Created By" banner, 671 by 191 pixels.
inline constexpr const char* kBanner = ":/pictures/image1.png";
/// Path of the picture left of the title, 145 by 205 pixels.
inline constexpr const char* kLeftOfTitle = ":/pictures/image2.png";
/// Path of the picture right of the title, 145 by 205 pixels.
inline constexpr const char* kRightOfTitle = ":/pictures/image3.png";

/// True when the pixels of all three pictures above are linked in.
bool available();

/// The picture at one of the paths above as linked in ready to paint (32-bit RGB, read-only,
/// no copy); a null image for any other path. Needs no application.
QImage stored(const QString& path);

} // namespace mossaline::pictures
