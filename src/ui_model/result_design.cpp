#include "ui_model/result_design.h"

namespace mossaline {

namespace {

constexpr Colour kLavender = Colour::rgb(192, 192, 255);

Control label(std::string name, TwipsRect box, std::string caption, double points, int tab)
{
    return Control{.name = std::move(name),
        .kind = ControlKind::Label,
        .box = box,
        .caption = std::move(caption),
        .back_colour = kLavender,
        .fore_colour = colours::kButtonText,
        .font_points = points,
        .tab_order = tab};
}

} // namespace

WindowDesign result_design()
{
    WindowDesign design{.caption = "Form2", .client_width = 4515, .client_height = 3195, .background = kLavender};
    auto& c = design.controls;
    c.push_back(label("Label1", {480, 480, 3735, 615}, "No More moves possible !", 15, 1));
    c.push_back(label("Label2", {1080, 1080, 1935, 375}, "You are left with ", 12, 2));
    c.push_back(label("Label3", {960, 1440, 2415, 375}, "Marbles. It means you", 12, 3));
    c.push_back(label("Label4", {1200, 1800, 2175, 375}, "", 12, 4));
    c.push_back(label("Label5", {2880, 1080, 735, 375}, "", 12, 5));
    c.push_back(Control{.name = "Shape1",
        .kind = ControlKind::Shape,
        .box = {35, 37, 4455, 3135},
        .form = ShapeForm::Rectangle,
        .border_colour = colours::kWindowText,
        .border_width = 4});
    c.push_back(Control{.name = "Command1",
        .kind = ControlKind::PushButton,
        .box = {1800, 2640, 975, 375},
        .caption = "Close",
        .back_colour = kLavender,
        .fore_colour = colours::kButtonText,
        .font_points = 15,
        .tab_order = 0});
    return design;
}

} // namespace mossaline
