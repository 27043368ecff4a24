// What the program asks of Windows before it starts.
#include "app/display_setting.h"

namespace mossaline {

QString missing_display_setting()
{
    // Every Windows session has its desktop; no setting names it.
    return {};
}

} // namespace mossaline
