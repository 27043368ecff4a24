#pragma once

#include <QPointF>

class QPainter;

namespace mossaline {

/// Paints one grey glass marble lit from the upper left, antialiased, with its highlights.
void paint_glass_marble(QPainter& painter, QPointF centre, double radius);

/// Paints the soft dark patch a marble leaves on the floor it rests on.
void paint_contact_shadow(QPainter& painter, QPointF centre, double radius);

} // namespace mossaline
