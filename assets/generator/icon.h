#pragma once

#include "vector_art.h"

namespace mossaline {

/// The application icon: a cross-shaped board full of grey marbles, its centre hole empty.
VectorArt icon_art();

/// The pixel sizes the icon is rendered at.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

} // namespace mossaline
