#include "options_fixture.h"

namespace mossaline::testing {
namespace {

using Exit = OptionsFixture;

TEST_F(Exit, WithSoundOnTheBirdPlaysToItsEndBeforeTheProgramEnds)
{
    load();
    int exits_during_cue = -1;
    cues.while_playing = [&](Cue) { exits_during_cue = exits; };
    form.Label1_Click();
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Bird}));
    EXPECT_EQ(exits_during_cue, 0);
    EXPECT_EQ(exits, 1);
}

TEST_F(Exit, WithSoundOffTheProgramEndsAtOnceWithoutACue)
{
    load();
    press_options();
    toggle(form.Check5, &Form1Names::Check5_Click);
    form.Label1_Click();
    EXPECT_TRUE(cues.played.empty());
    EXPECT_EQ(exits, 1);
}

} // namespace
} // namespace mossaline::testing
