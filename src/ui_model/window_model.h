#pragma once

#include "ui_model/window_design.h"

#include <string_view>
#include <vector>

namespace mossaline {

/// A window's controls at run time, created from its design and addressed by name.
class WindowModel {
public:
    /// Creates every control with its design values.
    explicit WindowModel(WindowDesign design);

    /// Puts every control back to its design values; references to controls stay valid.
    void reset();

    /// The design the window was made from.
    const WindowDesign& design() const { return design_; }
    /// Controls in stacking order, painted ones first.
    const std::vector<Control>& controls() const { return controls_; }
    /// Controls in stacking order, for handlers to change.
    std::vector<Control>& controls() { return controls_; }

    /// The single control of that name; throws std::out_of_range when there is none.
    Control& control(std::string_view name);
    /// The element of a control array, or nullptr when the array has no element there;
    /// throws std::out_of_range when no control has that name, so a misspelt name fails
    /// at once instead of addressing nothing.
    Control* element(std::string_view name, int index);
    /// True when some control, single or an array's element, has that name.
    bool has(std::string_view name) const;

private:
    WindowDesign design_;
    std::vector<Control> controls_;
};

} // namespace mossaline
