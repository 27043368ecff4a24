#pragma once

#include "ui_model/control.h"

#include <QRectF>

namespace mossaline {

/// Twips per logical pixel: the design's 96 dpi. Qt's device-pixel ratio takes it from
/// logical pixels to the screen, so this is the only place the unit changes.
inline constexpr double kTwipsPerPixel = 15.0;

/// Twips to logical pixels.
constexpr double to_pixels(double twips)
{
    return twips / kTwipsPerPixel;
}
/// Logical pixels to twips.
constexpr double to_twips(double pixels)
{
    return pixels * kTwipsPerPixel;
}
/// A box in twips as logical pixels.
inline QRectF to_pixels(const TwipsRect& box)
{
    return {to_pixels(box.left), to_pixels(box.top), to_pixels(box.width), to_pixels(box.height)};
}
/// A box in twips as whole logical pixels, for native widgets.
inline QRect to_pixel_rect(const TwipsRect& box)
{
    return to_pixels(box).toAlignedRect();
}

} // namespace mossaline
