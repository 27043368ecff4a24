#pragma once

#include "ui/form1_widget.h"

#include <functional>
#include <memory>

namespace mossaline {

/// The main window's start: the load handler runs first, with its start cue, and only then
/// is the window built and shown. While the cue holds this thread, others make what the
/// window needs first: the fonts and pictures of its first paint, and whatever `meanwhile`
/// makes (it runs on a thread of its own and is over before the window is built).
std::unique_ptr<Form1Widget> open_main_window(Form1& form, const std::function<void()>& meanwhile = {});

} // namespace mossaline
