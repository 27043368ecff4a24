#include "ui/open_main_window.h"

#include "ui/control_painter.h"

#include <QFontDatabase>
#include <future>

namespace mossaline {

std::unique_ptr<Form1Widget> open_main_window(Form1& form, const std::function<void()>& meanwhile)
{
    auto pictures = std::async(std::launch::async, [paths = ControlPainter::picture_paths(form.window)] {
        // The first text drawn reads the whole font configuration; the database is shared
        // by all threads, so reading it here spares the first paint.
        QFontDatabase::families();
        return ControlPainter::decode(paths);
    });
    std::future<void> other;
    if (meanwhile)
        other = std::async(std::launch::async, meanwhile);
    form.Form_Load();
    if (other.valid())
        other.get();
    // Built only now: a control's first text can wait on the desktop (its accessibility
    // bridge connects then), and that wait is better spent under the cue, on another thread.
    auto window = std::make_unique<Form1Widget>(form);
    window->show_loaded(pictures.get());
    return window;
}

} // namespace mossaline
