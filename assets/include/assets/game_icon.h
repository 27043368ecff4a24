#pragma once

#include <QIcon>

namespace mossaline::pictures {

/// The marble-cross icon of the desktop entry, from the pictures linked in, for the windows'
/// title bars and the task switcher; a null icon when they are not linked in.
QIcon game_icon();

} // namespace mossaline::pictures
