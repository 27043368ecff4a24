#include "ui_model/control_array.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace mossaline {

ControlArray::ControlArray(WindowModel& window, std::string_view name, int highest_index)
    : slots_(static_cast<std::size_t>(highest_index + 1), nullptr)
{
    if (!window.has(name))
        throw std::out_of_range("no control array named " + std::string(name));
    for (Control& control : window.controls())
        if (control.name == name && control.index >= 0 && control.index <= highest_index)
            slots_[static_cast<std::size_t>(control.index)] = &control;
}

Control* ControlArray::operator()(int index) const
{
    if (index < 0 || index >= static_cast<int>(slots_.size()))
        return nullptr;
    return slots_[static_cast<std::size_t>(index)];
}

int ControlArray::size() const
{
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const Control* c) { return c != nullptr; }));
}

} // namespace mossaline
