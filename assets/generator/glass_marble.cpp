#include "glass_marble.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mossaline {

namespace {

// Glass lets light through, so the brightest part of the body sits opposite the
// light source, while the rim facing the light stays dark and carries the sharp highlight.
void paint_body(QPainter& p, QPointF c, double r)
{
    QRadialGradient body(c + QPointF(0.30 * r, 0.38 * r), 1.30 * r);
    body.setColorAt(0.00, QColor(226, 231, 236));
    body.setColorAt(0.28, QColor(158, 166, 175));
    body.setColorAt(0.60, QColor(92, 99, 108));
    body.setColorAt(0.86, QColor(44, 48, 54));
    body.setColorAt(1.00, QColor(20, 22, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);
}

// A faint twisted vane inside, as in a real marble, so it does not look like a steel ball.
void paint_vane(QPainter& p, QPointF c, double r)
{
    QPainterPath vane;
    vane.moveTo(c + QPointF(-0.62 * r, 0.30 * r));
    vane.cubicTo(c + QPointF(-0.20 * r, -0.30 * r), c + QPointF(0.15 * r, 0.45 * r),
                 c + QPointF(0.64 * r, -0.22 * r));
    vane.cubicTo(c + QPointF(0.20 * r, 0.20 * r), c + QPointF(-0.15 * r, -0.05 * r),
                 c + QPointF(-0.62 * r, 0.30 * r));
    p.setBrush(QColor(235, 240, 245, 46));
    p.drawPath(vane);
}

void paint_rim(QPainter& p, QPointF c, double r)
{
    QRadialGradient rim(c, r);
    rim.setColorAt(0.78, QColor(0, 0, 0, 0));
    rim.setColorAt(1.00, QColor(0, 0, 0, 130));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);

    // Light bouncing back from the floor outlines the lower right edge.
    QPen edge(QColor(235, 240, 245, 70), 0.07 * r, Qt::SolidLine, Qt::RoundCap);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    const double inset = 0.90 * r;
    p.drawArc(QRectF(c.x() - inset, c.y() - inset, 2 * inset, 2 * inset), -10 * 16, -100 * 16);
    p.setPen(Qt::NoPen);
}

void paint_highlights(QPainter& p, QPointF c, double r)
{
    p.save();
    p.translate(c + QPointF(-0.36 * r, -0.42 * r));
    p.rotate(-38.0);
    QRadialGradient glow(QPointF(0, 0), 0.36 * r);
    glow.setColorAt(0.0, QColor(255, 255, 255, 235));
    glow.setColorAt(0.5, QColor(255, 255, 255, 120));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.scale(1.0, 0.58);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 0.36 * r, 0.36 * r);
    p.restore();

    p.setBrush(QColor(255, 255, 255, 250));
    p.drawEllipse(c + QPointF(-0.40 * r, -0.46 * r), 0.085 * r, 0.085 * r);

    QRadialGradient window(c + QPointF(0.46 * r, 0.50 * r), 0.16 * r);
    window.setColorAt(0.0, QColor(255, 255, 255, 110));
    window.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(window);
    p.drawEllipse(c + QPointF(0.46 * r, 0.50 * r), 0.16 * r, 0.16 * r);
}

} // namespace

void paint_glass_marble(QPainter& painter, QPointF centre, double radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    paint_body(painter, centre, radius);
    paint_vane(painter, centre, radius);
    paint_rim(painter, centre, radius);
    paint_highlights(painter, centre, radius);
    painter.restore();
}

void paint_contact_shadow(QPainter& painter, QPointF centre, double radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QPointF at = centre + QPointF(0.15 * radius, 0.92 * radius);
    painter.translate(at);
    painter.scale(1.0, 0.28);
    QRadialGradient shade(QPointF(0, 0), 1.15 * radius);
    shade.setColorAt(0.0, QColor(0, 0, 0, 200));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(0, 0), 1.15 * radius, 1.15 * radius);
    painter.restore();
}

} // namespace mossaline
