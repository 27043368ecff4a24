#include "ui/qt_look.h"

#include <cmath>

namespace mossaline {

namespace {
constexpr int kDesignFaceStretch = 88;
// The window's own font is the design platform's default interface font: the design face
// at 8 points. The desktop's default is wider and cuts the options panel's captions.
constexpr double kWindowFontPoints = 8;
} // namespace

QFont design_font(double points)
{
    if (points <= 0)
        points = kWindowFontPoints;
    // The design's face is an old Windows bitmap font; Liberation Sans is metric-compatible
    // with its successors and ships with Debian, so every machine draws the same text. Windows
    // ships Arial instead, whose metrics Liberation Sans was made to match.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    // Sized in pixels at 96 dpi, so the text keeps its place in the design's boxes whatever
    // dpi the platform reports; the device-pixel ratio scales it like everything else.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    // The design's face is narrower than Liberation Sans; condensing keeps captions such as
    // the title inside the boxes they were designed for.
    font.setStretch(kDesignFaceStretch);
    return font;
}

} // namespace mossaline
