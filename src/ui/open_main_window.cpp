#include "ui/open_main_window.h"

#include <QFontDatabase>
#include <QThread>

namespace mossaline {

namespace {

// The toolkit takes the first thread that asks for its thread data as its main thread, for
// good: were that the pictures' thread, which ends, the application made later on this one
// would warn and run its events for a thread that is gone.
std::future<ControlPainter::Pictures> decode_pictures_beside(const Form1& form)
{
    QThread::currentThread();
    return std::async(std::launch::async,
        [paths = ControlPainter::picture_paths(form.window)] { return ControlPainter::decode(paths); });
}

} // namespace

MainWindowStart::MainWindowStart(Form1& form, RepaintingCuePlayer& cues)
    : form_(form)
    , cues_(cues)
    , pictures_(decode_pictures_beside(form))
{
    cues_.begin_alongside();
    // Only the cue's sound is left to its thread: the handler returns, having set the whole
    // model, before the window is built from it.
    form_.Form_Load();
}

std::unique_ptr<Form1Widget> MainWindowStart::open(const std::function<void()>& meanwhile)
{
    // The first text drawn reads the whole font configuration; the database is shared by all
    // threads, so reading it here spares the first paint.
    auto fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
    std::future<void> other;
    if (meanwhile)
        other = std::async(std::launch::async, meanwhile);
    auto window = std::make_unique<Form1Widget>(form_);
    if (other.valid())
        other.get();
    fonts.get();
    cues_.end_alongside();
    window->show_loaded(pictures_.get());
    cues_.set_repaint([shown = window.get()] { shown->repaint_now(); });
    return window;
}

} // namespace mossaline
