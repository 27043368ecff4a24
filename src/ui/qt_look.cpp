#include "ui/qt_look.h"

#include <QApplication>
#include <cmath>

namespace mossaline {

QFont design_font(double points)
{
    if (points <= 0)
        return QApplication::font();
    // The design's face is an old Windows bitmap font; Liberation Sans is metric-compatible
    // with its successors and ships with Debian, so every machine draws the same text.
    QFont font(QStringLiteral("Liberation Sans"));
    // Sized in pixels at 96 dpi, so the text keeps its place in the design's boxes whatever
    // dpi the platform reports; the device-pixel ratio scales it like everything else.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace mossaline
