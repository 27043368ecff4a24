#include "ui/control_painter.h"

#include "ui/qt_look.h"
#include "ui/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace mossaline {

namespace {

// Hatching pitch of the diagonal-cross fill, in logical pixels.
constexpr double kHatchPitch = 8.0;

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
        painter.drawLine(QPointF(bounds.left() + offset, bounds.top()), QPointF(bounds.left() + offset + span, bounds.top() + span));
        painter.drawLine(QPointF(bounds.right() - offset, bounds.top()), QPointF(bounds.right() - offset - span, bounds.top() + span));
    }
    painter.restore();
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
    const QPainterPath path = outline(control);
    if (control.fill_style == FillStyle::Solid)
        painter.fillPath(path, to_qcolor(control.fill_colour));
    else if (control.fill_style == FillStyle::DiagonalCross)
        hatch(painter, path, control.fill_colour);
    painter.strokePath(path, QPen(to_qcolor(control.border_colour), control.border_width));
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
        found = pictures_.insert(key, QImage(key));
    return *found;
}

} // namespace mossaline
