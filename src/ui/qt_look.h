#pragma once

#include "ui_model/colour.h"

#include <QColor>
#include <QFont>

namespace mossaline {

/// A game colour as a Qt colour.
inline QColor to_qcolor(Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

/// The font of a control: the design's face at `points`, or the window's font when `points` is 0.
QFont design_font(double points);

} // namespace mossaline
