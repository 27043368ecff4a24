#pragma once

#include <QString>

namespace mossaline {

/// Why no window can be shown, where the environment already tells before the toolkit tries;
/// empty otherwise. One definition per platform.
QString missing_display_setting();

} // namespace mossaline
