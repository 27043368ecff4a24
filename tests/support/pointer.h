#pragma once

#include "ui/twips.h"
#include "ui_model/board_geometry.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace mossaline::testing {

/// Sends real Qt pointer events to a widget at positions given in twips of its window.
class Pointer {
public:
    /// Drives `target`, usually a window's painted surface.
    explicit Pointer(QWidget* target)
        : target_(target)
    {
    }

    /// Pointer motion without a button, to a point in twips.
    void move(double x, double y, Qt::MouseButtons held = Qt::NoButton)
    {
        send(QEvent::MouseMove, x, y, Qt::NoButton, held);
    }
    /// Press and release of a button at a point in twips, after moving there.
    void click(double x, double y, Qt::MouseButton button = Qt::LeftButton)
    {
        move(x, y);
        send(QEvent::MouseButtonPress, x, y, button, button);
        send(QEvent::MouseButtonRelease, x, y, button, Qt::NoButton);
    }
    /// Moves to the centre of a grid cell and clicks there.
    void click_cell(int column, int row)
    {
        const TwipsPoint centre = board_geometry::disc_centre(column, row);
        click(centre.x, centre.y);
    }

private:
    void send(QEvent::Type type, double x, double y, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        const QPointF local(to_pixels(x), to_pixels(y));
        QMouseEvent event(type, local, target_->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target_, &event);
    }

    QWidget* target_;
};

} // namespace mossaline::testing
