#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QString>

#include <utility>
#include <vector>

class QPainter;

namespace mossaline {

/// A gradient stop: offset 0..1 and colour with alpha.
using Stop = std::pair<double, QColor>;

/// A fill both QPainter and SVG can express the same way: a flat colour, a linear gradient
/// between two points, or a radial gradient with a focal point; gradient geometry is relative
/// to the shape's bounding box (0..1), so one fill fits shapes of any size.
struct Fill {
    enum class Kind { Solid, Linear, Radial };
    Kind kind = Kind::Solid;
    QColor colour;
    QPointF from;          ///< Linear start, or radial centre.
    QPointF to;            ///< Linear end, or radial focal point.
    double radius = 0.5;   ///< Radial only.
    std::vector<Stop> stops;
};

/// One filled shape, optionally outlined.
struct Shape {
    QPainterPath path;
    Fill fill;
    QColor stroke = Qt::transparent;
    double stroke_width = 0;
};

/// A picture made of shapes on a square canvas `size` units wide, drawn in order.
struct VectorArt {
    double size = 256;
    std::vector<Shape> shapes;
};

/// Paints the art scaled to a square of `pixels` pixels.
void paint_vector_art(QPainter& painter, const VectorArt& art, double pixels);

/// Writes the same art as a standalone SVG document.
QString vector_art_to_svg(const VectorArt& art, const QString& title);

} // namespace mossaline
