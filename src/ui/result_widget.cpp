#include "ui/result_widget.h"

#include "ui/twips.h"

#include <QCloseEvent>

namespace mossaline {

ResultWidget::ResultWidget(Result& result, std::function<void()> on_close)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
    , result_(result)
    , surface_(new ControlSurface(result.window, *this, this))
    , natives_(result.window, this)
    , on_close_(std::move(on_close))
{
    setWindowTitle(QString::fromStdString(result.window.design().caption));
    setFixedSize(surface_->size());
    natives_.on_click("Command1", [this] {
        result_.Command1_Click();
        on_close_();
    });
}

void ResultWidget::sync()
{
    natives_.sync();
    surface_->update();
    if (!result_.visible()) {
        hide();
        return;
    }
    if (!isVisible())
        show();
    if (shown_requests_ != result_.show_requests()) {
        shown_requests_ = result_.show_requests();
        raise();
        activateWindow();
    }
}

void ResultWidget::closeEvent(QCloseEvent* event)
{
    // The title bar's close button ends the report the same way "Close" does.
    event->ignore();
    if (result_.loaded()) {
        result_.Command1_Click();
        on_close_();
    }
}

} // namespace mossaline
