#pragma once

#include <optional>

namespace mossaline {

/// Grid row whose band strictly holds `y` (twips); the rows of the upper and lower arms
/// also need `x` strictly inside the width of the middle three columns.
std::optional<int> row_band(double x, double y);

/// Grid column whose band strictly holds `x` (twips); the columns of the left and right arms
/// also need `y` strictly inside the height of the middle three rows.
std::optional<int> column_band(double x, double y);

} // namespace mossaline
