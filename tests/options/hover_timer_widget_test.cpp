#include "form1_widget_fixture.h"

namespace mossaline::testing {
namespace {

// Inside EXIT's box (8160, 5880, 735, 375) and RESTART's box (7800, 5160, 1455, 495).
constexpr double kExitX = 8500;
constexpr double kExitY = 6050;
constexpr double kRestartX = 8500;
constexpr double kRestartY = 5400;

using HoverTimerWidget = Form1WidgetFixture;

TEST_F(HoverTimerWidget, FlickerTimerRunsOnlyWhileThePointerIsOverACommandLabel)
{
    load();
    EXPECT_FALSE(window->flicker_timer().isActive()) << "no tick before the pointer has been over a command";
    Pointer p = pointer();
    p.move(4207, 3487); // the board
    p.move(4000, 300); // the title
    p.move(1800, 600); // a picture
    p.move(9200, 300); // the count
    EXPECT_FALSE(window->flicker_timer().isActive());

    p.move(kExitX, kExitY);
    EXPECT_TRUE(window->flicker_timer().isActive());
    EXPECT_EQ(window->flicker_timer().interval(), 100);
    EXPECT_EQ(module.hover_label, 0);

    p.move(kRestartX, kRestartY); // straight onto the other label
    EXPECT_TRUE(window->flicker_timer().isActive());
    EXPECT_EQ(module.hover_label, -1);

    p.move(7000, 6400); // the window's own surface
    EXPECT_FALSE(window->flicker_timer().isActive());
    EXPECT_EQ(form.Label1.fore_colour, colours::kCommandRest);
    EXPECT_EQ(form.Label2.fore_colour, colours::kCommandRest);
    EXPECT_TRUE(window->ambient_timer().isActive()) << "the ambient timer runs on";
}

TEST_F(HoverTimerWidget, RestartClickedWhileHoveringLeavesTheFlickerRunning)
{
    load();
    Pointer p = pointer();
    p.click(kRestartX, kRestartY);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Normal, Cue::RingIn, Cue::RingIn}));
    EXPECT_TRUE(window->flicker_timer().isActive());
    EXPECT_EQ(window->flicker_timer().interval(), 100);
    EXPECT_EQ(form.Label2.fore_colour, colours::kCommandRest);
    EXPECT_TRUE(window->ambient_timer().isActive());
    EXPECT_EQ(window->ambient_timer().interval(), 1000);
}

TEST_F(HoverTimerWidget, ExitClickedPlaysTheBirdThenEndsTheProgram)
{
    load();
    int exits_during_cue = -1;
    recorded.while_playing = [&](Cue) { exits_during_cue = exits; };
    pointer().click(kExitX, kExitY);
    EXPECT_EQ(recorded.played, (std::vector<Cue>{Cue::Bird}));
    EXPECT_EQ(exits_during_cue, 0);
    EXPECT_EQ(exits, 1);
}

} // namespace
} // namespace mossaline::testing
