#include "options_fixture.h"

#include <deque>

namespace mossaline::testing {
namespace {

constexpr Colour kRest{0x00C0C0};

using Timers = OptionsFixture;

TEST_F(Timers, FlickerChannelIsHundredTimesTheDrawPlus150RoundedHalfToEven)
{
    struct Case {
        float draw;
        int channel;
    };
    const Case cases[] = {
        {0.0f, 150}, {0.125f, 162}, // 162.5: the even neighbour
        {0.375f, 188}, // 187.5
        {0.625f, 212}, // 212.5
        {0.875f, 238}, // 237.5
        {0.5f, 200}, {0.13f, 163}, {0.994f, 249}, {0.995f, 250}, // 249.5 at single precision: even neighbour 250
        {0.99999994f, 250}, // the largest draw below 1
    };
    load();
    form.Label1_MouseMove();
    int ticks = 0;
    for (const Case& c : cases) {
        random.draws = {c.draw, 0.0f, 0.0f};
        form.Timer1_Timer();
        ++ticks;
        EXPECT_EQ(form.Label1.fore_colour, Colour::rgb(c.channel, 150, 150)) << "red from " << c.draw;
        random.draws = {0.0f, c.draw, 0.0f};
        form.Timer1_Timer();
        ++ticks;
        EXPECT_EQ(form.Label1.fore_colour, Colour::rgb(150, c.channel, 150)) << "green from " << c.draw;
        random.draws = {0.0f, 0.0f, c.draw};
        form.Timer1_Timer();
        ++ticks;
        EXPECT_EQ(form.Label1.fore_colour, Colour::rgb(150, 150, c.channel)) << "blue from " << c.draw;
    }
    EXPECT_EQ(random.reseeds, ticks) << "one reseed per tick";
    EXPECT_TRUE(random.draws.empty()) << "three draws per tick";

    random.draws = {0.125f, 0.375f, 0.875f};
    form.Timer1_Timer();
    EXPECT_EQ(form.Label1.fore_colour, Colour{0xEEBCA2}) << "red + 256 * green + 65536 * blue";
    EXPECT_TRUE(cues.played.empty());
}

TEST_F(Timers, HoverLabelChoosesTheLabelAndTheOneLeftBehindKeepsItsLastColour)
{
    load();
    EXPECT_EQ(form.Label1.fore_colour, kRest);
    EXPECT_EQ(form.Label2.fore_colour, kRest);

    form.Label1_MouseMove();
    EXPECT_EQ(module.hover_label, 0);
    EXPECT_TRUE(form.Timer1.enabled);
    random.draws = {0.1f, 0.2f, 0.3f};
    form.Timer1_Timer();
    const Colour exit_colour = Colour::rgb(160, 170, 180);
    EXPECT_EQ(form.Label1.fore_colour, exit_colour);
    EXPECT_EQ(form.Label2.fore_colour, kRest);

    // Straight from EXIT onto RESTART, no motion over the surface in between.
    form.Label2_MouseMove();
    EXPECT_EQ(module.hover_label, -1);
    EXPECT_TRUE(form.Timer1.enabled);
    random.draws = {0.9f, 0.8f, 0.7f};
    form.Timer1_Timer();
    EXPECT_EQ(form.Label2.fore_colour, Colour::rgb(240, 230, 220));
    EXPECT_EQ(form.Label1.fore_colour, exit_colour);

    form.Form_MouseMove(1000, 3000);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(form.Label1.fore_colour, kRest);
    EXPECT_EQ(form.Label2.fore_colour, kRest);
    EXPECT_EQ(module.hover_label, -1) << "kept after the effect ends";

    // Back to EXIT: hover_label 0 names Label1 again.
    form.Label1_MouseMove();
    random.draws = {0.5f, 0.5f, 0.5f};
    form.Timer1_Timer();
    EXPECT_EQ(form.Label1.fore_colour, Colour::rgb(200, 200, 200));
    EXPECT_EQ(form.Label2.fore_colour, kRest);
}

TEST_F(Timers, OnlyTheCommandLabelsStartTheFlicker)
{
    load();
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(form.Timer1.interval_ms, 100);
    form.Form_MouseMove(4207, 3487);
    form.Form_Click();
    EXPECT_FALSE(form.Timer1.enabled);
    form.Label2_MouseMove();
    EXPECT_TRUE(form.Timer1.enabled);
    form.Form_MouseMove(4207, 3487);
    EXPECT_FALSE(form.Timer1.enabled);
    EXPECT_EQ(random.reseeds, 0) << "no tick has run";
}

struct AmbientCase {
    const char* what;
    std::deque<float> draws; // exactly the draws the tick must take
    std::vector<Cue> with_sound;
};

const AmbientCase kAmbientCases[] = {
    {"0.49: quiet", {0.49f}, {}},
    {"0.5, u2 0.4: 2.wav once", {0.5f, 0.4f}, {Cue::Two}},
    {"0.5, u2 0.6: 1.wav twice", {0.5f, 0.6f}, {Cue::One, Cue::One}},
    {"0.55, u2 0.4: 2.wav once", {0.55f, 0.4f}, {Cue::Two}},
    {"0.55, u2 0.6: 1.wav twice", {0.55f, 0.6f}, {Cue::One, Cue::One}},
    {"0.55, u2 0.5: 1.wav twice", {0.55f, 0.5f}, {Cue::One, Cue::One}},
    {"0.55, u2 0.4999: 2.wav once", {0.55f, 0.4999f}, {Cue::Two}},
    {"just under 0.6, u2 0: 2.wav once", {0.59999996f, 0.0f}, {Cue::Two}},
    {"0.6: quiet", {0.6f}, {}},
    {"0: quiet", {0.0f}, {}},
    {"0.95: quiet", {0.95f}, {}},
};

TEST_F(Timers, AmbientTickFollowsTheDrawsWithSoundOnAndDrawsAlikeWithSoundOff)
{
    load();
    int ticks = 0;
    for (const AmbientCase& c : kAmbientCases) {
        cues.played.clear();
        random.draws = c.draws;
        form.Timer2_Timer();
        ++ticks;
        EXPECT_EQ(cues.played, c.with_sound) << c.what;
        EXPECT_TRUE(random.draws.empty()) << c.what << ": draws taken";
    }

    press_options();
    toggle(form.Check5, &Form1Names::Check5_Click);
    for (const AmbientCase& c : kAmbientCases) {
        cues.played.clear();
        random.draws = c.draws;
        form.Timer2_Timer();
        ++ticks;
        EXPECT_TRUE(cues.played.empty()) << c.what << " with sound off";
        EXPECT_TRUE(random.draws.empty()) << c.what << ": draws taken with sound off";
    }
    EXPECT_EQ(random.reseeds, ticks) << "one reseed per tick";
    EXPECT_EQ(form.Label1.fore_colour, kRest);
    EXPECT_EQ(form.Label2.fore_colour, kRest);
}

} // namespace
} // namespace mossaline::testing
