#include "ui/open_main_window.h"

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
    form_.load();
}

std::unique_ptr<Form1Widget> MainWindowStart::open(const std::function<void()>& meanwhile)
{
    // The first text drawn reads the whole font configuration; the database is shared by all
    // threads, so reading it here spares the window's build and first paint. Not before the
    // application exists, which the database needs. The pictures need no such help: they are
    // linked in ready to paint.
    auto fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
    std::future<void> other;
    if (meanwhile)
        other = std::async(std::launch::async, meanwhile);
    auto window = std::make_unique<Form1Widget>(form_);
    if (other.valid())
        other.get();
    cues_.end_alongside();
    fonts.get();
    window->show_loaded();
    cues_.set_repaint([shown = window.get()] { shown->repaint_now(); });
    return window;
}

} // namespace mossaline
