// What the program asks of Linux and the other X11 and Wayland desktops before it starts.
#include "app/desktop_bus.h"
#include "app/display_setting.h"

#include <QDBusConnection>
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

void reach_desktop_bus()
{
    // With no bus address set, the bus library tries to start a bus (autolaunch), which forks
    // and waits: milliseconds that the caller's thread spends instead of the window's.
    QDBusConnection::sessionBus();
}

} // namespace mossaline
