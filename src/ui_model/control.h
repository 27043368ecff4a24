#pragma once

#include "ui_model/colour.h"

#include <cstdint>
#include <string>

namespace mossaline {

/// What a control is; labels, shapes and pictures are painted, the rest are native widgets.
enum class ControlKind { Label, Shape, Picture, CheckBox, OptionButton, Frame, PushButton, Timer };

/// Outline of a shape control.
enum class ShapeForm { Rectangle, Circle };

/// How the inside of a shape is drawn.
enum class FillStyle { Transparent, Solid, DiagonalCross };

/// A box in twips, relative to the control's container.
struct TwipsRect {
    int left = 0; ///< x of the top-left corner
    int top = 0; ///< y of the top-left corner
    int width = 0; ///< extent to the right
    int height = 0; ///< extent downwards

    /// True when the point lies inside the box (right and bottom edges excluded).
    bool contains(double x, double y) const { return x >= left && x < left + width && y >= top && y < top + height; }
    /// Boxes are equal when all four values are.
    bool operator==(const TwipsRect&) const = default;
};

/// One control of a window: its design values, and the properties handlers change at run time.
struct Control {
    std::string name{}; ///< the control's name, e.g. "Shape3"
    int index = -1; ///< element index within a control array; -1 for a single control
    ControlKind kind = ControlKind::Label; ///< what it is
    TwipsRect box{}; ///< place and size
    std::string caption{}; ///< text of labels, boxes and buttons
    Colour back_colour = colours::kBlack; ///< label background, button face, frame fill
    Colour fore_colour = colours::kButtonText; ///< text colour
    double font_points = 0; ///< font size; 0 uses the window's own font
    ShapeForm form = ShapeForm::Rectangle; ///< outline of a shape
    FillStyle fill_style = FillStyle::Transparent; ///< inside of a shape
    Colour fill_colour = colours::kBlack; ///< colour of a shape's inside
    Colour border_colour = colours::kWindowText; ///< colour of a shape's outline
    int border_width = 1; ///< outline width in pixels
    std::string picture{}; ///< resource path of a picture
    bool visible = true; ///< shown or hidden
    int tab_order = -1; ///< keyboard order of focusable controls
    std::string container{}; ///< frame holding the control; empty for the window itself
    bool push_look = false; ///< a check box drawn as a button that stays pressed
    std::int16_t checked = 0; ///< check box state: 0 unchecked, 1 checked
    bool selected = false; ///< option button state
    int interval_ms = 0; ///< timer period
    bool enabled = true; ///< timer running

    /// True for the kinds painted by the window's own surface.
    bool is_painted() const
    {
        return kind == ControlKind::Label || kind == ControlKind::Shape || kind == ControlKind::Picture;
    }
    /// True for the painted kinds that take pointer input themselves.
    bool takes_pointer() const { return kind == ControlKind::Label || kind == ControlKind::Picture; }
};

} // namespace mossaline
