#include "icon.h"

#include <cmath>
#include <vector>

namespace mossaline {

namespace {

constexpr double kCanvas = 256;
constexpr double kMargin = 10;
constexpr int kGrid = 7;     // The icon simplifies the real board so the marbles stay visible at 16 px.
constexpr int kArm = 3;

bool on_board(int row, int col)
{
    const int lo = (kGrid - kArm) / 2;
    const int hi = lo + kArm;
    const bool mid_row = row >= lo && row < hi;
    const bool mid_col = col >= lo && col < hi;
    return mid_row || mid_col;
}

// Rounds every corner of a polygon, outward and inward ones alike, with quarter-circle curves
// so the SVG stays a few short curves instead of a flattened polyline.
QPainterPath rounded_polygon(const std::vector<QPointF>& corners, double radius)
{
    constexpr double kQuarter = 0.5523;
    const auto toward = [radius](QPointF from, QPointF to) {
        const QPointF d = to - from;
        const double len = std::hypot(d.x(), d.y());
        return from + d * (radius / len);
    };
    QPainterPath path;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF v = corners[i];
        const QPointF a = toward(v, corners[(i + n - 1) % n]);
        const QPointF b = toward(v, corners[(i + 1) % n]);
        if (i == 0) {
            path.moveTo(a);
        } else {
            path.lineTo(a);
        }
        path.cubicTo(a + (v - a) * kQuarter, b + (v - b) * kQuarter, b);
    }
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath cross_outline(double cell)
{
    const double a = kMargin;
    const double b = kMargin + (kGrid - kArm) / 2 * cell;
    const double c = b + kArm * cell;
    const double d = kMargin + kGrid * cell;
    return rounded_polygon({{b, a}, {c, a}, {c, b}, {d, b}, {d, c}, {c, c},
                            {c, d}, {b, d}, {b, c}, {a, c}, {a, b}, {b, b}},
                           0.5 * cell);
}

Fill linear(QPointF from, QPointF to, std::vector<Stop> stops)
{
    Fill f;
    f.kind = Fill::Kind::Linear;
    f.from = from;
    f.to = to;
    f.stops = std::move(stops);
    return f;
}

Fill radial(QPointF centre, QPointF focus, double radius, std::vector<Stop> stops)
{
    Fill f;
    f.kind = Fill::Kind::Radial;
    f.from = centre;
    f.to = focus;
    f.radius = radius;
    f.stops = std::move(stops);
    return f;
}

Fill solid(QColor c)
{
    Fill f;
    f.colour = c;
    return f;
}

QPainterPath disc(QPointF c, double r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

} // namespace

VectorArt icon_art()
{
    VectorArt art;
    art.size = kCanvas;
    const double cell = (kCanvas - 2 * kMargin) / kGrid;
    const QPainterPath board = cross_outline(cell);

    art.shapes.push_back({board.translated(0, 5), solid(QColor(0, 0, 0, 90)), Qt::transparent, 0});
    art.shapes.push_back({board,
                          linear({0, 0}, {1, 1},
                                 {{0.0, QColor(104, 170, 96)}, {0.55, QColor(52, 110, 60)}, {1.0, QColor(26, 64, 34)}}),
                          QColor(10, 30, 16), 7});

    const Fill marble = radial({0.60, 0.64}, {0.64, 0.70}, 0.62,
                               {{0.0, QColor(236, 240, 244)},
                                {0.35, QColor(168, 176, 186)},
                                {0.78, QColor(88, 96, 106)},
                                {1.0, QColor(36, 40, 46)}});
    const Fill hole = radial({0.5, 0.42}, {0.5, 0.36}, 0.6,
                             {{0.0, QColor(4, 12, 6)}, {0.8, QColor(8, 22, 12)}, {1.0, QColor(40, 80, 46)}});

    const double radius = 0.42 * cell;
    QPainterPath glints;
    const int centre = kGrid / 2;
    for (int row = 0; row < kGrid; ++row) {
        for (int col = 0; col < kGrid; ++col) {
            if (!on_board(row, col)) {
                continue;
            }
            const QPointF c(kMargin + (col + 0.5) * cell, kMargin + (row + 0.5) * cell);
            if (row == centre && col == centre) {
                art.shapes.push_back({disc(c, 0.30 * cell), hole, Qt::transparent, 0});
                continue;
            }
            art.shapes.push_back({disc(c, radius), marble, QColor(14, 18, 22, 200), 2});
            glints.addEllipse(c + QPointF(-0.34 * radius, -0.38 * radius), 0.26 * radius, 0.20 * radius);
        }
    }
    glints.setFillRule(Qt::WindingFill);
    art.shapes.push_back({glints, solid(QColor(255, 255, 255, 230)), Qt::transparent, 0});
    return art;
}

} // namespace mossaline
