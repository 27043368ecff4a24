#include "scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace mossaline {

QImage transparent_canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paint_backdrop(QPainter& painter, QSize size, QPointF glow_centre, double glow_radius, QColor glow,
                    double squash)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    painter.translate(glow_centre);
    painter.scale(1.0, squash);
    QRadialGradient halo(QPointF(0, 0), glow_radius);
    halo.setColorAt(0.0, glow);
    QColor mid = glow;
    mid.setAlphaF(glow.alphaF() * 0.35);
    halo.setColorAt(0.55, mid);
    halo.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(QPointF(0, 0), glow_radius, glow_radius);
    painter.restore();
}

void paint_reflection(QPainter& painter, const QImage& subject, double floor_y, double depth,
                      double strength)
{
    QImage mirrored = subject.mirrored(false, true);
    {
        // The mask keeps the reflection strongest at the floor line and gone at depth.
        QPainter mask(&mirrored);
        mask.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        const double top = subject.height() - floor_y;
        QLinearGradient fade(0, top, 0, top + depth);
        fade.setColorAt(0.0, QColor(0, 0, 0, static_cast<int>(255 * strength)));
        fade.setColorAt(1.0, QColor(0, 0, 0, 0));
        mask.fillRect(mirrored.rect(), fade);
    }
    painter.save();
    const double shift = floor_y - (subject.height() - floor_y);
    painter.drawImage(QPointF(0, shift), mirrored);
    painter.restore();
}

QImage compose_on_black(const QImage& subject, const QImage& floor, const Stage& stage)
{
    QImage out(subject.size(), QImage::Format_RGB32);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    paint_backdrop(painter, subject.size(), stage.glow_centre, stage.glow_radius, stage.glow,
                   stage.glow_squash);
    if (stage.reflection_depth > 0) {
        paint_reflection(painter, subject, stage.floor_y, stage.reflection_depth, 0.32);
    }
    painter.drawImage(QPointF(0, 0), floor);
    painter.drawImage(QPointF(0, 0), subject);
    painter.end();
    return out;
}

} // namespace mossaline
