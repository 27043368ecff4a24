#include "ui/open_main_window.h"

#include "ui/control_painter.h"

#include <QFontDatabase>
#include <future>

namespace mossaline {

MainWindowStart::MainWindowStart(Form1& form, RepaintingCuePlayer& cues)
    : form_(form)
    , cues_(cues)
{
    cues_.begin_alongside();
    // Only the cue's sound is left to its thread: the handler returns, having set the whole
    // model, before the window is built from it.
    form_.Form_Load();
}

std::unique_ptr<Form1Widget> MainWindowStart::open(const std::function<void()>& meanwhile)
{
    // Not before the application exists: the font database needs it, and a picture that is not
    // linked in goes to the image reader, which asks it for the plug-in folders that its own
    // construction is still writing (a crash one start in forty).
    auto pictures = std::async(std::launch::async, [paths = ControlPainter::picture_paths(form_.window)] {
        // The first text drawn reads the whole font configuration; the database is shared
        // by all threads, so reading it here spares the first paint.
        QFontDatabase::families();
        return ControlPainter::decode(paths);
    });
    std::future<void> other;
    if (meanwhile)
        other = std::async(std::launch::async, meanwhile);
    auto window = std::make_unique<Form1Widget>(form_);
    if (other.valid())
        other.get();
    cues_.end_alongside();
    window->show_loaded(pictures.get());
    cues_.set_repaint([shown = window.get()] { shown->repaint_now(); });
    return window;
}

} // namespace mossaline
