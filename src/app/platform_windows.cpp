// What the program asks of Windows before it starts.
#include "app/desktop_bus.h"
#include "app/display_setting.h"

namespace mossaline {

QString missing_display_setting()
{
    // Every Windows session has its desktop; no setting names it.
    return {};
}

void reach_desktop_bus()
{
    // Windows has no session bus; its accessibility needs no connection made beforehand.
}

} // namespace mossaline
