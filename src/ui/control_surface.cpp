#include "ui/control_surface.h"

#include "ui/qt_look.h"
#include "ui/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace mossaline {

ControlSurface::ControlSurface(const WindowModel& window, PointerSink& sink, QWidget* parent)
    : QWidget(parent)
    , window_(window)
    , sink_(sink)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, qRound(to_pixels(window.design().client_width)), qRound(to_pixels(window.design().client_height)));
}

const Control* ControlSurface::control_at(double x, double y) const
{
    const auto& controls = window_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (it->takes_pointer() && it->container.empty() && it->visible && it->box.contains(x, y))
            return &*it;
    return nullptr;
}

void ControlSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), to_qcolor(window_.design().background));
    for (const Control& control : window_.controls())
        if (control.is_painted() && control.container.empty())
            painter_.paint(painter, control);
}

void ControlSurface::mouseMoveEvent(QMouseEvent* event)
{
    const double x = to_twips(event->position().x());
    const double y = to_twips(event->position().y());
    const Control* target = pressed_ ? *pressed_ : control_at(x, y);
    if (target)
        sink_.control_moved(*target);
    else
        sink_.surface_moved(static_cast<float>(x), static_cast<float>(y));
}

void ControlSurface::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = control_at(to_twips(event->position().x()), to_twips(event->position().y()));
}

void ControlSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A quick second click is still a click in this game: two clicks make a move.
    mousePressEvent(event);
}

void ControlSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    const Control* pressed = *pressed_;
    pressed_.reset();
    const double x = to_twips(event->position().x());
    const double y = to_twips(event->position().y());
    if (!rect().contains(event->position().toPoint()) || control_at(x, y) != pressed)
        return;
    if (pressed)
        sink_.control_clicked(*pressed);
    else
        sink_.surface_clicked();
}

} // namespace mossaline
