#pragma once

#include "ui/control_surface.h"
#include "ui/native_controls.h"
#include "ui/pointer_sink.h"
#include "ui_model/result.h"

#include <QWidget>

namespace mossaline {

/// The report window on screen: a view of a loaded report, gone when the report unloads.
class ResultWidget : public QWidget, private PointerSink {
    Q_OBJECT
public:
    /// A top-level window without owner for `result`; `on_close` runs after "Close".
    ResultWidget(Result& result, std::function<void()> on_close);

    /// Shows, hides or brings the window forward and repaints as the model says.
    void sync();
    /// The painted surface.
    ControlSurface* surface() const { return surface_; }
    /// The native controls.
    NativeControls& natives() { return natives_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void surface_moved(float, float) override { }
    void surface_clicked() override { }
    void control_moved(const Control&) override { }
    void control_clicked(const Control&) override { }

    Result& result_;
    ControlSurface* surface_;
    NativeControls natives_;
    std::function<void()> on_close_;
    int shown_requests_ = 0;
};

} // namespace mossaline
