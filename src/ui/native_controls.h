#pragma once

#include "ui_model/window_model.h"

#include <QHash>
#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

namespace mossaline {

/// The native widgets of a window (check boxes, option buttons, frames, push buttons and the
/// labels inside frames), made from the design and kept in step with the model.
class NativeControls {
public:
    /// Creates a widget for every native control of `window` as a child of `host`.
    NativeControls(WindowModel& window, QWidget* host);

    /// Runs `handler` after the player has toggled, selected or pressed the named control,
    /// once the model holds the control's new state; throws std::invalid_argument when no
    /// native widget has that name, so a handler is never wired to nothing.
    void on_click(const std::string& name, std::function<void()> handler);

    /// Brings visibility, checked and selected states and colours in line with the model.
    void sync();

    /// The widget made for a control, or nullptr for a control painted by the surface; throws
    /// std::out_of_range when the window has no control of that name.
    QWidget* widget(const std::string& name) const;

private:
    void create(Control& control, QWidget* host);
    void clicked(Control& control, bool checked);
    QWidget* made_for(const std::string& name) const;

    WindowModel& window_;
    QHash<QString, QWidget*> widgets_;
    QHash<QString, std::function<void()>> handlers_;
};

} // namespace mossaline
