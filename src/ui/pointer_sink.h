#pragma once

#include "ui_model/control.h"

namespace mossaline {

/// Receives the pointer input of a painted surface, already routed to its owner.
class PointerSink {
public:
    virtual ~PointerSink() = default;
    /// Pointer motion over the window's own surface, in twips.
    virtual void surface_moved(float x, float y) = 0;
    /// A left click on the window's own surface.
    virtual void surface_clicked() = 0;
    /// Pointer motion over a label or picture.
    virtual void control_moved(const Control& control) = 0;
    /// A left click on a label or picture.
    virtual void control_clicked(const Control& control) = 0;
};

} // namespace mossaline
