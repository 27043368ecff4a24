#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

namespace mossaline {

/// A C++ source that links pictures into the program as the 32-bit RGB pixels painting uses,
/// each under its file name, so that showing them needs no decoding. It defines
/// `mossaline::pictures::stored_pixels()` (stored_pixels.h).
QByteArray pixel_source(const std::vector<std::pair<QString, QImage>>& pictures);

} // namespace mossaline
