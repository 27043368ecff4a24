#include "ui/control_painter.h"

#include "assets/picture_paths.h"
#include "ui/qt_look.h"
#include "ui/twips.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace mossaline {

namespace {

// Hatching pitch of the diagonal-cross fill, in logical pixels.
constexpr double kHatchPitch = 8.0;

// Shapes up to this size in device pixels are painted once and then copied: the board's holes,
// marbles and markers repeat a few looks, and rasterising their antialiased outlines was most
// of every repaint. The board disc and the frames are larger, single, and painted directly.
constexpr double kLargestSprite = 160;
// A sprite keeps a clear pixel round the shape, so no antialiased edge is cut off.
constexpr int kSpriteMargin = 1;
// Positions within a device pixel that share a sprite.
constexpr double kPhaseSteps = 64;

// The window's own pictures are linked in ready to paint: decoding them was a good part of
// what the window's appearance waited for. Any other is read from its file, whose name says
// what it is: left to guess, the reader first asks every image plug-in installed whether it
// knows the file, and so loads each of them and the libraries behind them.
QImage read_picture(const QString& path)
{
    if (QImage ready = pictures::stored(path); !ready.isNull())
        return ready;
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The outline of a shape: a circle uses the largest circle centred in its box. Wide borders
// are drawn inside the box, so a shape never paints beyond its design extent.
QPainterPath outline(const Control& control)
{
    QRectF box = to_pixels(control.box);
    if (control.form == ShapeForm::Circle) {
        const double diameter = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - diameter / 2, box.center().y() - diameter / 2, diameter, diameter);
    }
    const double inset = control.border_width / 2.0;
    box.adjust(inset, inset, -inset, -inset);
    QPainterPath path;
    if (control.form == ShapeForm::Circle)
        path.addEllipse(box);
    else
        path.addRect(box);
    return path;
}

void hatch(QPainter& painter, const QPainterPath& area, Colour colour)
{
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(QPen(to_qcolor(colour), 1.0));
    const QRectF bounds = area.boundingRect();
    const double span = bounds.width() + bounds.height();
    for (double offset = -span; offset <= span; offset += kHatchPitch) {
        painter.drawLine(
            QPointF(bounds.left() + offset, bounds.top()), QPointF(bounds.left() + offset + span, bounds.top() + span));
        painter.drawLine(QPointF(bounds.right() - offset, bounds.top()),
            QPointF(bounds.right() - offset - span, bounds.top() + span));
    }
    painter.restore();
}

void draw_shape(QPainter& painter, const Control& control)
{
    const QPainterPath path = outline(control);
    if (control.fill_style == FillStyle::Solid)
        painter.fillPath(path, to_qcolor(control.fill_colour));
    else if (control.fill_style == FillStyle::DiagonalCross)
        hatch(painter, path, control.fill_colour);
    painter.strokePath(path, QPen(to_qcolor(control.border_colour), control.border_width));
}

// The shape painted alone on a clear image, at the device's scale and at the same fraction of a
// device pixel as on the surface, so that copying it matches painting it in place.
QImage render_sprite(const Control& control, const QTransform& device, QPointF phase, QSize size)
{
    QImage sprite(size, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = to_pixels(control.box);
    painter.translate(kSpriteMargin + phase.x(), kSpriteMargin + phase.y());
    painter.scale(device.m11(), device.m22());
    painter.translate(-box.left(), -box.top());
    draw_shape(painter, control);
    return sprite;
}

} // namespace

void ControlPainter::paint(QPainter& painter, const Control& control)
{
    if (!control.visible)
        return;
    switch (control.kind) {
    case ControlKind::Label:
        paint_label(painter, control);
        break;
    case ControlKind::Shape:
        paint_shape(painter, control);
        break;
    case ControlKind::Picture:
        paint_picture(painter, control);
        break;
    default:
        break;
    }
}

void ControlPainter::paint_label(QPainter& painter, const Control& control)
{
    const QRectF box = to_pixels(control.box);
    painter.fillRect(box, to_qcolor(control.back_colour));
    painter.save();
    painter.setClipRect(box);
    painter.setFont(design_font(control.font_points));
    painter.setPen(to_qcolor(control.fore_colour));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(control.caption));
    painter.restore();
}

void ControlPainter::paint_shape(QPainter& painter, const Control& control)
{
    const QTransform device = painter.deviceTransform();
    const QRectF on_device = device.mapRect(to_pixels(control.box));
    if (device.type() > QTransform::TxScale || on_device.width() > kLargestSprite
        || on_device.height() > kLargestSprite) {
        draw_shape(painter, control);
        return;
    }
    const QPointF corner(std::floor(on_device.left()), std::floor(on_device.top()));
    const QPointF phase = QPointF(std::round((on_device.left() - corner.x()) * kPhaseSteps),
                              std::round((on_device.top() - corner.y()) * kPhaseSteps))
        / kPhaseSteps;
    const SpriteKey key{control.form, control.fill_style, control.fill_colour.value, control.border_colour.value,
        control.border_width, control.box.width, control.box.height, device.m11(), device.m22(), phase.x(), phase.y()};
    QImage& sprite = sprites_[key];
    if (sprite.isNull()) {
        const QSize size(static_cast<int>(std::ceil(phase.x() + on_device.width())) + 2 * kSpriteMargin,
            static_cast<int>(std::ceil(phase.y() + on_device.height())) + 2 * kSpriteMargin);
        sprite = render_sprite(control, device, phase, size);
    }
    // Whole device pixels to whole device pixels: a plain copy, no resampling.
    const QRectF target(corner - QPointF(kSpriteMargin, kSpriteMargin), QSizeF(sprite.size()));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(device.inverted().mapRect(target), sprite);
    painter.restore();
}

void ControlPainter::paint_picture(QPainter& painter, const Control& control)
{
    const QImage& image = picture(control.picture);
    if (!image.isNull())
        painter.drawImage(to_pixels(control.box), image);
}

const QImage& ControlPainter::picture(const std::string& resource)
{
    const QString key = QString::fromStdString(resource);
    auto found = pictures_.find(key);
    if (found == pictures_.end())
        found = pictures_.insert(key, read_picture(key));
    return *found;
}

} // namespace mossaline
