#include "ui_model/form1_design.h"

#include "game/grid.h"
#include "ui_model/board_geometry.h"

namespace mossaline {

namespace {

constexpr Colour kYellow = Colour::rgb(255, 255, 0);
constexpr Colour kGreen = Colour::rgb(0, 255, 0);
constexpr Colour kOlive = Colour::rgb(192, 192, 0);
constexpr Colour kLightOrange = Colour::rgb(255, 192, 128);

Control label(std::string name, TwipsRect box, std::string caption, Colour back, Colour fore, double points, int tab)
{
    return Control{.name = std::move(name),
        .kind = ControlKind::Label,
        .box = box,
        .caption = std::move(caption),
        .back_colour = back,
        .fore_colour = fore,
        .font_points = points,
        .tab_order = tab};
}

Control picture(std::string name, TwipsRect box, std::string resource)
{
    return Control{.name = std::move(name), .kind = ControlKind::Picture, .box = box, .picture = std::move(resource)};
}

Control circle(std::string name, int index, TwipsRect box, Colour border, int border_width, FillStyle fill_style,
    Colour fill, bool visible = true)
{
    return Control{.name = std::move(name),
        .index = index,
        .kind = ControlKind::Shape,
        .box = box,
        .form = ShapeForm::Circle,
        .fill_style = fill_style,
        .fill_colour = fill,
        .border_colour = border,
        .border_width = border_width,
        .visible = visible};
}

Control check_box(std::string name, TwipsRect box, std::string caption, int tab)
{
    return Control{.name = std::move(name),
        .kind = ControlKind::CheckBox,
        .box = box,
        .caption = std::move(caption),
        .back_colour = colours::kBlack,
        .fore_colour = kOlive,
        .tab_order = tab,
        .container = "Frame1"};
}

Control colour_button(std::string name, int left, int top, Colour colour, int tab)
{
    return Control{.name = std::move(name),
        .kind = ControlKind::OptionButton,
        .box = {left, top, 255, 255},
        .back_colour = colour,
        .tab_order = tab,
        .container = "Frame1"};
}

Control timer(std::string name, int interval_ms, bool enabled)
{
    return Control{.name = std::move(name), .kind = ControlKind::Timer, .interval_ms = interval_ms, .enabled = enabled};
}

// Board arrays: every element follows the rule of its cell's column and row.
void add_hole_rings(std::vector<Control>& controls)
{
    using namespace board_geometry;
    constexpr TwipsRect first_ring{kFirstDisc.left, kFirstDisc.top, kRingSize, kRingSize};
    for (int element = 0; element < static_cast<int>(kHoleRingCells.size()); ++element)
        controls.push_back(circle("Shape2", element, on_cell(first_ring, kHoleRingCells[element]), colours::kWindowText,
            1, FillStyle::Transparent, colours::kBlack));
}

void add_marbles(std::vector<Control>& controls)
{
    for (int cell : board_cells())
        controls.push_back(circle("Shape3", cell, board_geometry::on_cell(board_geometry::kFirstDisc, cell),
            colours::kWindowText, 1, FillStyle::Solid, colours::kPlainMarble, cell != kCentreCell));
}

void add_highlights(std::vector<Control>& controls)
{
    for (int cell : board_cells())
        controls.push_back(circle("Shape7", cell, board_geometry::on_cell(board_geometry::kFirstHighlight, cell),
            colours::kWhite, 1, FillStyle::Solid, colours::kWhite, cell != kCentreCell));
}

} // namespace

const std::array<int, 45> kHoleRingCells{28, 37, 46, 29, 38, 47, 30, 39, 48, 31, 35, 50, 41, 32, 49, 40, 52, 43, 34, 51,
    42, 33, 13, 54, 45, 36, 24, 23, 22, 53, 44, 76, 69, 60, 68, 59, 67, 58, 6, 5, 4, 15, 14, 77, 78};

WindowDesign form1_design()
{
    WindowDesign design{.caption = "Form1", .client_width = 9870, .client_height = 6675, .background = colours::kBlack};
    auto& c = design.controls;

    // Painted controls, from the bottom of the stack up.
    c.push_back(circle("Shape1", -1, {580, 600, 7335, 5775}, colours::kWindowText, 1, FillStyle::Solid, kLightOrange));
    add_hole_rings(c);
    add_marbles(c);
    c.push_back(label("Label5", {9120, 120, 375, 375}, " ", kGreen, colours::kButtonText, 15, 0));
    c.push_back(label("Label1", {8160, 5880, 735, 375}, "EXIT", colours::kBlack, kOlive, 15, 1));
    c.push_back(label("Label2", {7800, 5160, 1455, 495}, "RESTART", colours::kBlack, kOlive, 15, 2));
    c.push_back(label("Label3", {3240, 120, 1935, 375}, "MOSSALINE", kYellow, colours::kButtonText, 18, 3));
    c.push_back(label("Label4", {7440, 120, 1695, 495}, "Marbles left :", colours::kBlack, kGreen, 13.5, 17));
    add_highlights(c);
    c.push_back(circle("Shape5", -1, {3960, 2100, 495, 375}, Colour::rgb(255, 128, 128), 7, FillStyle::Transparent,
        colours::kBlack, false));
    c.push_back(circle("Shape4", -1, {3960, 2040, 495, 495}, kYellow, 4, FillStyle::DiagonalCross, colours::kBlack));
    c.push_back(Control{.name = "Shape8",
        .kind = ControlKind::Shape,
        .box = {35, 35, 9810, 6600},
        .form = ShapeForm::Rectangle,
        .border_colour = kGreen,
        .border_width = 4});
    c.push_back(picture("Image2", {1440, 120, 855, 1215}, ":/pictures/image2.png"));
    c.push_back(picture("Image3", {6240, 120, 975, 1215}, ":/pictures/image3.png"));
    c.push_back(label("Label6", {240, 5640, 1215, 375}, "Created By", colours::kBlack, kOlive, 12, 20));
    c.push_back(picture("Image1", {720, 6000, 1455, 255}, ":/pictures/image1.png"));
    c.push_back(circle(
        "Shape6", -1, {1320, 600, 5775, 5775}, Colour::rgb(192, 0, 0), 5, FillStyle::Transparent, colours::kBlack));

    // Native controls, above every painted one.
    c.push_back(Control{.name = "Check1",
        .kind = ControlKind::CheckBox,
        .box = {7800, 1200, 1455, 375},
        .caption = "OPTIONS",
        .back_colour = kOlive,
        .fore_colour = colours::kButtonText,
        .font_points = 13.5,
        .tab_order = 4,
        .push_look = true});
    c.push_back(Control{.name = "Frame1",
        .kind = ControlKind::Frame,
        .box = {7440, 1680, 2175, 3375},
        .back_colour = colours::kBlack,
        .visible = false,
        .tab_order = 5});
    c.push_back(check_box("Check2", {120, 360, 1935, 255}, "Show possible moves", 6));
    c.push_back(check_box("Check3", {120, 720, 1815, 255}, "Show last position", 7));
    c.push_back(check_box("Check4", {120, 1080, 1935, 255}, "Show marbles left", 8));
    c.push_back(check_box("Check5", {120, 1395, 1815, 375}, "Play sound", 19));
    c.push_back(Control{.name = "Label9",
        .kind = ControlKind::Label,
        .box = {240, 2160, 1455, 255},
        .caption = "Set Board colour to",
        .back_colour = colours::kBlack,
        .fore_colour = kOlive,
        .tab_order = 9,
        .container = "Frame1"});
    c.push_back(colour_button("Option1", 240, 2520, Colour{0x80C0FF}, 10));
    c.push_back(colour_button("Option6", 720, 2520, Colour{0x004080}, 15));
    c.push_back(colour_button("Option3", 1200, 2520, Colour{0xC0C000}, 12));
    c.push_back(colour_button("Option8", 1680, 2520, Colour{0x800000}, 18));
    c.push_back(colour_button("Option5", 240, 2880, Colour{0x008000}, 14));
    c.push_back(colour_button("Option2", 720, 2880, Colour{0xC0FFC0}, 11));
    c.push_back(colour_button("Option7", 1200, 2880, Colour{0x404040}, 16));
    c.push_back(colour_button("Option4", 1680, 2880, Colour{0xFFC0FF}, 13));

    c.push_back(timer("Timer1", 100, false));
    c.push_back(timer("Timer2", 1000, true));
    return design;
}

} // namespace mossaline
