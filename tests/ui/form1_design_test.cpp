#include "game/grid.h"
#include "ui_model/form1_design.h"
#include "ui_model/window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace mossaline {
namespace {

std::vector<std::string> stacking(const WindowDesign& design)
{
    // Collapses each control array to one entry, in the order painted controls are stacked.
    std::vector<std::string> names;
    for (const Control& c : design.controls)
        if (c.is_painted() && c.container.empty() && (names.empty() || names.back() != c.name))
            names.push_back(c.name);
    return names;
}

TEST(Form1Design, ControlsAreStackedBottomUpAsDesigned)
{
    const WindowDesign design = form1_design();
    EXPECT_EQ(design.caption, "Form1");
    EXPECT_EQ(design.client_width, 9870);
    EXPECT_EQ(design.client_height, 6675);
    EXPECT_EQ(design.background, colours::kBlack);
    EXPECT_EQ(stacking(design),
        (std::vector<std::string>{"Shape1", "Shape2", "Shape3", "Label5", "Label1", "Label2", "Label3", "Label4",
            "Shape7", "Shape5", "Shape4", "Shape8", "Image2", "Image3", "Label6", "Image1", "Shape6"}));
    // Native controls come after every painted one, so they lie above them.
    const auto first_native = std::find_if(design.controls.begin(), design.controls.end(),
        [](const Control& c) { return !c.is_painted() && c.kind != ControlKind::Timer; });
    EXPECT_TRUE(std::none_of(
        first_native, design.controls.end(), [](const Control& c) { return c.is_painted() && c.container.empty(); }));
}

TEST(Form1Design, BoardArraysHaveElementsExactlyAtTheBoardCells)
{
    WindowModel window(form1_design());
    const auto cells = board_cells();
    const std::set<int> board(cells.begin(), cells.end());
    for (int i = 0; i <= 81; ++i) {
        const bool on_board = board.count(i) == 1;
        const Control* disc = window.element("Shape3", i);
        const Control* highlight = window.element("Shape7", i);
        ASSERT_EQ(disc != nullptr, on_board) << i;
        ASSERT_EQ(highlight != nullptr, on_board) << i;
        if (!on_board)
            continue;
        const int c = column_of(i), r = row_of(i);
        EXPECT_EQ(disc->box, (TwipsRect{1560 + 600 * c, 840 + 600 * r, 495, 495})) << i;
        EXPECT_EQ(disc->fill_colour, colours::kPlainMarble);
        EXPECT_EQ(disc->fill_style, FillStyle::Solid);
        EXPECT_EQ(highlight->box, (TwipsRect{1680 + 600 * c, 840 + 600 * r, 195, 255})) << i;
        EXPECT_EQ(highlight->fill_colour, colours::kWhite);
        EXPECT_EQ(disc->visible, i != kCentreCell);
        EXPECT_EQ(highlight->visible, i != kCentreCell);
        // The highlight's dot sits in the upper part of its marble.
        EXPECT_DOUBLE_EQ(highlight->box.left + highlight->box.width / 2.0, 1777.5 + 600 * c);
        EXPECT_DOUBLE_EQ(highlight->box.top + highlight->box.height / 2.0, 967.5 + 600 * r);
    }
    // Hole rings: elements 0..44, one on every board cell, at the top-left of the cell box.
    std::set<int> ringed;
    for (int element = 0; element <= 44; ++element) {
        const Control* ring = window.element("Shape2", element);
        ASSERT_NE(ring, nullptr) << element;
        const int cell = kHoleRingCells[static_cast<std::size_t>(element)];
        ringed.insert(cell);
        EXPECT_EQ(ring->box, (TwipsRect{1560 + 600 * column_of(cell), 840 + 600 * row_of(cell), 375, 375})) << element;
        EXPECT_EQ(ring->fill_style, FillStyle::Transparent);
    }
    EXPECT_EQ(ringed, board);
    EXPECT_EQ(window.element("Shape2", 45), nullptr);
    EXPECT_EQ(kHoleRingCells[12], kCentreCell);
}

TEST(Form1Design, MarkersPanelAndCommandsStartAsDesigned)
{
    WindowModel window(form1_design());
    const Control& hover = window.control("Shape4");
    EXPECT_EQ(hover.box, (TwipsRect{3960, 2040, 495, 495}));
    EXPECT_TRUE(hover.visible);
    EXPECT_EQ(hover.fill_style, FillStyle::DiagonalCross);
    const Control& last = window.control("Shape5");
    EXPECT_EQ(last.box, (TwipsRect{3960, 2100, 495, 375}));
    EXPECT_FALSE(last.visible);
    EXPECT_EQ(last.border_width, 7);
    EXPECT_FALSE(window.control("Frame1").visible);
    EXPECT_EQ(window.control("Check1").checked, 0);
    EXPECT_TRUE(window.control("Check1").push_look);
    EXPECT_EQ(window.control("Label5").caption, " ");
    EXPECT_EQ(window.control("Label3").caption, "MOSSALINE");
    EXPECT_EQ(window.control("Label4").caption, "Marbles left :");
    EXPECT_EQ(window.control("Shape1").fill_colour, Colour::rgb(255, 192, 128));
    EXPECT_EQ(window.control("Shape6").border_colour, Colour::rgb(192, 0, 0));
    EXPECT_EQ(window.control("Timer1").interval_ms, 100);
    EXPECT_FALSE(window.control("Timer1").enabled);
    EXPECT_EQ(window.control("Timer2").interval_ms, 1000);
    EXPECT_TRUE(window.control("Timer2").enabled);
    // Every colour button sits inside the panel, unselected, showing the colour it selects.
    const std::vector<Colour> colours{Colour{0x80C0FF}, Colour{0xC0FFC0}, Colour{0xC0C000}, Colour{0xFFC0FF},
        Colour{0x008000}, Colour{0x004080}, Colour{0x404040}, Colour{0x800000}};
    for (int n = 1; n <= 8; ++n) {
        const Control& option = window.control("Option" + std::to_string(n));
        EXPECT_EQ(option.container, "Frame1");
        EXPECT_FALSE(option.selected);
        EXPECT_EQ(option.back_colour, colours[static_cast<std::size_t>(n - 1)]) << n;
    }
    // The two options that start on are the count and the sound; the boxes still start unchecked.
    for (const char* box : {"Check2", "Check3", "Check4", "Check5"}) {
        EXPECT_EQ(window.control(box).checked, 0) << box;
        EXPECT_EQ(window.control(box).container, "Frame1") << box;
    }
}

} // namespace
} // namespace mossaline
