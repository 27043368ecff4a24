#pragma once

#include "ui_model/window_model.h"

#include <string_view>
#include <vector>

namespace mossaline {

/// A control array addressed by element index; an index without an element yields nullptr,
/// so loops over a range of indices can pass over the gaps.
class ControlArray {
public:
    /// Collects the elements of the named array, whose indices lie in 0..highest_index; throws
    /// std::out_of_range when the window has no control of that name.
    ControlArray(WindowModel& window, std::string_view name, int highest_index);

    /// The element at `index`, or nullptr when there is none.
    Control* operator()(int index) const;
    /// Number of elements.
    int size() const;

private:
    std::vector<Control*> slots_;
};

} // namespace mossaline
