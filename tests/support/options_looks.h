#pragma once

#include "ui_model/window_model.h"

#include <ostream>
#include <string>
#include <vector>

namespace mossaline::testing {

/// What a player can see of one painted control: where it is, whether it shows, its text
/// and its colours.
struct PaintedLook {
    std::string name; ///< control name
    int index = -1; ///< element index, -1 for a single control
    bool visible = true; ///< shown or hidden
    TwipsRect box{}; ///< place and size
    std::string caption; ///< text of a label
    Colour fore{}; ///< text colour
    Colour fill{}; ///< inside of a shape
    Colour back{}; ///< background of a label

    /// Looks are equal when every field is.
    bool operator==(const PaintedLook&) const = default;
};

/// Prints a look readably in test failures.
inline void PrintTo(const PaintedLook& look, std::ostream* out)
{
    *out << look.name << '(' << look.index << ") " << (look.visible ? "shown" : "hidden") << " at " << look.box.left
         << ',' << look.box.top << " \"" << look.caption << "\" fore " << std::hex << look.fore.value << " fill "
         << look.fill.value << " back " << look.back.value << std::dec;
}

/// Every painted control of a window (labels, shapes, pictures outside frames), in stacking order.
inline std::vector<PaintedLook> painted_looks(const WindowModel& window)
{
    std::vector<PaintedLook> looks;
    for (const Control& c : window.controls())
        if (c.is_painted() && c.container.empty())
            looks.push_back(
                {c.name, c.index, c.visible, c.box, c.caption, c.fore_colour, c.fill_colour, c.back_colour});
    return looks;
}

} // namespace mossaline::testing
