// What the program asks of Linux and the other X11 and Wayland desktops before it starts.
#include "app/display_setting.h"

#include <cstdlib>

namespace mossaline {

namespace {

bool has_value(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

QString missing_display_setting()
{
    // Without a chosen platform the toolkit picks X11 or Wayland, and needs one of them.
    if (!has_value("QT_QPA_PLATFORM") && !has_value("DISPLAY") && !has_value("WAYLAND_DISPLAY"))
        return QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    return {};
}

} // namespace mossaline
