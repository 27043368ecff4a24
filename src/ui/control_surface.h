#pragma once

#include "ui/control_painter.h"
#include "ui/pointer_sink.h"
#include "ui_model/window_model.h"

#include <QRegion>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

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

    /// Schedules a repaint of the places whose controls changed since they were last scheduled
    /// (the whole surface the first time).
    void update_changed();
    /// Paints at once every place changed or still waiting for its scheduled repaint.
    void repaint_changed();

    /// Where the keyboard's focus ring goes, in twips.
    void set_focus_box(const TwipsRect& box);
    /// Shows the focus ring from now on while the surface has the keyboard; a pointer press
    /// hides it again, so a game played with the mouse looks as it always did.
    void reveal_focus();
    /// True while the focus ring is drawn.
    bool focus_ring_shown() const { return focus_revealed_ && hasFocus(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // What a painted control looks like, as far as painting goes.
    struct Look {
        bool visible = false;
        TwipsRect box{};
        std::string caption{};
        Colour back_colour{};
        Colour fore_colour{};
        double font_points = 0;
        ShapeForm form = ShapeForm::Rectangle;
        FillStyle fill_style = FillStyle::Transparent;
        Colour fill_colour{};
        Colour border_colour{};
        int border_width = 0;
        std::string picture{};
        bool operator==(const Look&) const = default;
    };
    static Look look_of(const Control& control);
    QRegion take_changes();
    void schedule(const QRegion& region);
    QRect focus_ring_extent() const;

    const WindowModel& window_;
    PointerSink& sink_;
    ControlPainter painter_;
    // Who took the left button's press: a control, or the window (nullptr). While the
    // button is held, motion goes there, as the platform's pointer capture does.
    std::optional<const Control*> pressed_;
    // The looks last scheduled for painting, by position in the window's control list.
    std::vector<Look> scheduled_;
    // Scheduled places not painted yet.
    QRegion pending_;
    TwipsRect focus_box_{};
    bool focus_revealed_ = false;
};

} // namespace mossaline
