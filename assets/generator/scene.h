#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

namespace mossaline {

/// A fully transparent canvas to paint a subject on before it is composed.
QImage transparent_canvas(QSize size);

/// Fills the picture black, with a soft coloured glow that fades to pure black before the edges
/// so the picture melts into the black window around it.
/// squash < 1 flattens the glow for wide pictures.
void paint_backdrop(QPainter& painter, QSize size, QPointF glow_centre, double glow_radius, QColor glow,
                    double squash = 1.0);

/// Paints the subject mirrored below floor_y, fading out over depth pixels, as on polished stone.
void paint_reflection(QPainter& painter, const QImage& subject, double floor_y, double depth,
                      double strength);

/// Where and how a picture is lit and where its floor lies.
struct Stage {
    QPointF glow_centre;
    double glow_radius = 0;
    double glow_squash = 1.0;
    QColor glow;
    double floor_y = 0;
    double reflection_depth = 0;   ///< 0 leaves the reflection out.
};

/// Composes backdrop, reflection, floor (shadows) and subject into an opaque picture ready to save.
QImage compose_on_black(const QImage& subject, const QImage& floor, const Stage& stage);

} // namespace mossaline
