#include "glass_marble.h"
#include "pictures.h"
#include "scene.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace mossaline {

namespace {

constexpr QSize kPyramidSize(145, 205);
constexpr int kRows = 4;
constexpr double kRadius = 16.5;
constexpr double kFloorY = 152;

// A four-pointed glint sells the gloss even when the picture is shrunk to a third.
void paint_glint(QPainter& p, QPointF at, double reach)
{
    p.save();
    p.translate(at);
    QPainterPath star;
    const double waist = 0.16 * reach;
    star.moveTo(0, -reach);
    star.quadTo(waist, -waist, reach, 0);
    star.quadTo(waist, waist, 0, reach);
    star.quadTo(-waist, waist, -reach, 0);
    star.quadTo(-waist, -waist, 0, -reach);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(star);
    QRadialGradient halo(QPointF(0, 0), 0.5 * reach);
    halo.setColorAt(0.0, QColor(255, 255, 255, 200));
    halo.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(0, 0), 0.5 * reach, 0.5 * reach);
    p.restore();
}

} // namespace

QImage paint_marble_pyramid()
{
    const double rise = std::sqrt(3.0) * kRadius;
    const double centre_x = kPyramidSize.width() / 2.0;

    QImage subject = transparent_canvas(kPyramidSize);
    QImage floor = transparent_canvas(kPyramidSize);
    QPainter p(&subject);
    QPainter f(&floor);
    p.setRenderHint(QPainter::Antialiasing, true);

    QPointF apex;
    for (int row = 0; row < kRows; ++row) {
        const int count = kRows - row;
        const double y = kFloorY - kRadius - row * rise;
        for (int i = 0; i < count; ++i) {
            const double x = centre_x + (i - (count - 1) / 2.0) * 2 * kRadius;
            if (row == 0) {
                paint_contact_shadow(f, QPointF(x, y), kRadius);
            }
            paint_glass_marble(p, QPointF(x, y), kRadius);
            apex = QPointF(x, y);
        }
    }
    paint_glint(p, apex + QPointF(-0.40 * kRadius, -0.46 * kRadius), 7.5);
    p.end();
    f.end();

    Stage stage;
    stage.glow_centre = QPointF(centre_x, kFloorY - 50);
    stage.glow_radius = 78;
    stage.glow = QColor(52, 84, 62, 170);
    stage.floor_y = kFloorY;
    stage.reflection_depth = 44;
    return compose_on_black(subject, floor, stage);
}

} // namespace mossaline
