#pragma once

#include "ui/control_painter.h"
#include "ui/pointer_sink.h"
#include "ui/window_model.h"

#include <QWidget>
#include <optional>

namespace mossaline {

/// Paints a window's labels, shapes and pictures in stacking order and routes the pointer:
/// labels and pictures take their own input, shapes never do, the rest is the window's.
class ControlSurface : public QWidget {
    Q_OBJECT
public:
    /// A surface covering the whole client area of `parent`.
    ControlSurface(const WindowModel& window, PointerSink& sink, QWidget* parent);

    /// The topmost visible label or picture under a point in twips, or nullptr for the window itself.
    const Control* control_at(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const WindowModel& window_;
    PointerSink& sink_;
    ControlPainter painter_;
    // Who took the left button's press: a control, or the window (nullptr). While the
    // button is held, motion goes there, as the platform's pointer capture does.
    std::optional<const Control*> pressed_;
};

} // namespace mossaline
