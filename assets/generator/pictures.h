#pragma once

#include <QImage>

namespace mossaline {

/// The "Created By" banner: a wordmark on black, 671 by 191 pixels.
QImage paint_banner();

/// The picture left of the title: a pyramid of glass marbles on black, 145 by 205 pixels.
QImage paint_marble_pyramid();

/// The picture right of the title: a velvet marble bag on black, 145 by 205 pixels.
QImage paint_marble_bag();

} // namespace mossaline
