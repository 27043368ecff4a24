#pragma once

#include <QApplication>
#include <memory>

namespace mossaline {

/// Ends the run with status 1 and one line on standard error when no desktop is named at all;
/// costs nothing, so it can come before anything the player would notice.
void check_display_setting();

/// Creates the application, or ends the run with status 1 and one line on standard error
/// when there is no graphical desktop to show the game on (instead of the toolkit's abort).
std::unique_ptr<QApplication> open_desktop(int& argc, char** argv);

} // namespace mossaline
