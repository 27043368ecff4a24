#include "ui/control_surface.h"

#include "ui/qt_look.h"
#include "ui/twips.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mossaline {

namespace {

// Where a control can leave paint, in whole logical pixels: its box, with a pixel to spare for
// antialiased edges.
QRect painted_extent(const TwipsRect& box)
{
    return to_pixels(box).toAlignedRect().adjusted(-1, -1, 1, 1);
}

bool painted_here(const Control& control)
{
    return control.is_painted() && control.container.empty();
}

} // namespace

ControlSurface::ControlSurface(const WindowModel& window, PointerSink& sink, QWidget* parent)
    : QWidget(parent)
    , window_(window)
    , sink_(sink)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(
        0, 0, qRound(to_pixels(window.design().client_width)), qRound(to_pixels(window.design().client_height)));
}

const Control* ControlSurface::control_at(double x, double y) const
{
    const auto& controls = window_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (it->takes_pointer() && it->container.empty() && it->visible && it->box.contains(x, y))
            return &*it;
    return nullptr;
}

ControlSurface::Look ControlSurface::look_of(const Control& control)
{
    return Look{control.visible, control.box, control.caption, control.back_colour, control.fore_colour,
        control.font_points, control.form, control.fill_style, control.fill_colour, control.border_colour,
        control.border_width, control.picture};
}

QRegion ControlSurface::take_changes()
{
    const auto& controls = window_.controls();
    if (scheduled_.size() != controls.size()) {
        scheduled_.clear();
        for (const Control& control : controls)
            scheduled_.push_back(look_of(control));
        return rect();
    }
    // A handler touches a few controls (a jump: three cells and the count), so only their
    // places, before and after, need painting again.
    QRegion changed;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = controls[i];
        if (!painted_here(control))
            continue;
        Look now = look_of(control);
        Look& before = scheduled_[i];
        if (now == before)
            continue;
        if (before.visible)
            changed += painted_extent(before.box);
        if (now.visible)
            changed += painted_extent(now.box);
        before = std::move(now);
    }
    return changed;
}

void ControlSurface::update_changed()
{
    schedule(take_changes());
}

void ControlSurface::schedule(const QRegion& region)
{
    if (region.isEmpty())
        return;
    pending_ += region;
    update(region);
}

QRect ControlSurface::focus_ring_extent() const
{
    return painted_extent(focus_box_);
}

void ControlSurface::set_focus_box(const TwipsRect& box)
{
    if (box == focus_box_)
        return;
    if (focus_ring_shown())
        schedule(QRegion(focus_ring_extent()) + painted_extent(box));
    focus_box_ = box;
}

void ControlSurface::reveal_focus()
{
    if (focus_revealed_)
        return;
    focus_revealed_ = true;
    schedule(focus_ring_extent());
}

void ControlSurface::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (focus_revealed_)
        schedule(focus_ring_extent());
}

void ControlSurface::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (focus_revealed_)
        schedule(focus_ring_extent());
}

void ControlSurface::repaint_changed()
{
    pending_ += take_changes();
    if (!pending_.isEmpty())
        repaint(pending_);
}

void ControlSurface::paintEvent(QPaintEvent* event)
{
    const QRegion& region = event->region();
    pending_ -= region;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRegion(region);
    painter.fillRect(rect(), to_qcolor(window_.design().background));
    // Controls wholly outside the region would only be clipped away, after the cost of drawing them.
    for (const Control& control : window_.controls())
        if (painted_here(control) && control.visible && region.intersects(painted_extent(control.box)))
            painter_.paint(painter, control);
    if (focus_ring_shown()) {
        // A dotted square on the edges of the cell's bands, in the hover marker's yellow.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(255, 255, 0), 0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(to_pixel_rect(focus_box_).adjusted(0, 0, -1, -1));
    }
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
    if (focus_revealed_) {
        focus_revealed_ = false;
        schedule(focus_ring_extent());
    }
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
