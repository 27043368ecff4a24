#include "ui_model/bands.h"

#include "game/grid.h"
#include "ui_model/board_geometry.h"

namespace mossaline {

namespace {

constexpr double kBandSize = board_geometry::kPitch;
constexpr double kFirstRowEdge = board_geometry::kBandsTop;
constexpr double kFirstColumnEdge = board_geometry::kBandsLeft;

bool is_middle(int line)
{
    return line >= 3 && line <= 5;
}

bool strictly_between(double value, double low, double high)
{
    return low < value && value < high;
}

// The arms are only three cells wide, so a band of an arm row or column also needs the
// other coordinate inside the middle three lines.
bool within_middle_columns(double x)
{
    return strictly_between(x, kFirstColumnEdge + 3 * kBandSize, kFirstColumnEdge + 6 * kBandSize);
}
bool within_middle_rows(double y)
{
    return strictly_between(y, kFirstRowEdge + 3 * kBandSize, kFirstRowEdge + 6 * kBandSize);
}

} // namespace

std::optional<int> row_band(double x, double y)
{
    for (int row = 0; row < kGridSize; ++row) {
        const double top = kFirstRowEdge + kBandSize * row;
        if (strictly_between(y, top, top + kBandSize) && (is_middle(row) || within_middle_columns(x)))
            return row;
    }
    return std::nullopt;
}

std::optional<int> column_band(double x, double y)
{
    for (int column = 0; column < kGridSize; ++column) {
        const double left = kFirstColumnEdge + kBandSize * column;
        if (strictly_between(x, left, left + kBandSize) && (is_middle(column) || within_middle_rows(y)))
            return column;
    }
    return std::nullopt;
}

} // namespace mossaline
