#include "ui/open_main_window.h"

namespace mossaline {

std::unique_ptr<Form1Widget> open_main_window(
    Form1& form, RepaintingCuePlayer& cues, const std::function<void()>& before_showing)
{
    auto window = std::make_unique<Form1Widget>(form);
    if (before_showing)
        before_showing();
    window->show_loaded();
    cues.repaint_before_cues(window.get());
    return window;
}

} // namespace mossaline
