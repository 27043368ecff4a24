#include "ui_model/window_model.h"

#include <algorithm>
#include <stdexcept>

namespace mossaline {

WindowModel::WindowModel(WindowDesign design)
    : design_(std::move(design))
    , controls_(design_.controls)
{
}

void WindowModel::reset()
{
    // Element-wise, so that handlers holding references keep them.
    std::copy(design_.controls.begin(), design_.controls.end(), controls_.begin());
}

Control& WindowModel::control(std::string_view name)
{
    if (Control* found = element(name, -1))
        return *found;
    throw std::out_of_range("no single control named " + std::string(name));
}

Control* WindowModel::element(std::string_view name, int index)
{
    if (!has(name))
        throw std::out_of_range("no control named " + std::string(name));
    const auto found = std::find_if(
        controls_.begin(), controls_.end(), [&](const Control& c) { return c.index == index && c.name == name; });
    return found == controls_.end() ? nullptr : &*found;
}

bool WindowModel::has(std::string_view name) const
{
    return std::any_of(controls_.begin(), controls_.end(), [&](const Control& c) { return c.name == name; });
}

} // namespace mossaline
