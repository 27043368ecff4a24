#include "play_geometry.h"
#include "play_table.h"
#include "recording_cue_player.h"

#include "ui_model/module1.h"
#include "ui_model/result.h"

#include <gtest/gtest.h>

#include <string>

namespace mossaline::testing {
namespace {

struct Rating {
    std::int16_t marbles;
    const char* text;
    bool cheer;
};

const Rating kRatings[] = {
    {1, "are Genious.", true},
    {2, "are intelligent.", true},
    {3, "are above average.", true},
    {4, "need practice.", false},
    {5, "need practice.", false},
    {44, "need practice.", false},
    {32767, "need practice.", false},
    {0, "", false},
    {-1, "", false},
    {-32768, "", false},
};

TEST(ResultWindow, EveryCountGetsItsRatingAndOnlyTheTopThreeACheer)
{
    for (std::int16_t sound : {1, 0})
        for (const Rating& rating : kRatings) {
            Module1 module;
            module.sound_on = sound;
            module.marbles_left = rating.marbles;
            RecordingCuePlayer cues;
            Result report(module, cues);
            bool visible_during_cue = true;
            std::string rating_during_cue;
            cues.while_playing = [&](Cue) {
                visible_during_cue = report.visible();
                rating_during_cue = report.Label4.caption;
            };
            const std::string where = std::to_string(rating.marbles) + " with sound " + std::to_string(sound);

            report.Show();
            EXPECT_EQ(report.Label5.caption, std::to_string(rating.marbles)) << where;
            EXPECT_EQ(report.Label4.caption, rating.text) << where;
            const bool cheers = rating.cheer && sound == 1;
            EXPECT_EQ(cues.played, cheers ? std::vector<Cue>{Cue::Yahoo} : std::vector<Cue>{}) << where;
            if (cheers) {
                EXPECT_FALSE(visible_during_cue) << "the cheer ends before the window shows, " << where;
                EXPECT_EQ(rating_during_cue, rating.text) << "the rating is in place before the cheer, " << where;
            }
            EXPECT_TRUE(report.loaded()) << where;
            EXPECT_TRUE(report.visible()) << where;
        }
}

TEST(ResultWindow, CloseUnloadsAndTheNextShowLoadsAfresh)
{
    Module1 module;
    RecordingCuePlayer cues;
    Result report(module, cues);
    module.marbles_left = 2;
    report.Show();
    ASSERT_EQ(report.Label4.caption, "are intelligent.");
    report.Command1_Click();
    EXPECT_FALSE(report.visible());
    EXPECT_FALSE(report.loaded());

    // Nothing of the last report survives: a count without a rating leaves Label4 empty.
    module.marbles_left = 0;
    report.Show();
    EXPECT_EQ(report.Label5.caption, "0");
    EXPECT_EQ(report.Label4.caption, "");
    report.Command1_Click();

    module.marbles_left = 3;
    report.Show();
    EXPECT_EQ(report.Label5.caption, "3");
    EXPECT_EQ(report.Label4.caption, "are above average.");
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Yahoo, Cue::Yahoo}));
    EXPECT_TRUE(report.visible());
}

TEST(ResultWindow, AShowWhileOpenOnlyBringsItForward)
{
    Module1 module;
    RecordingCuePlayer cues;
    Result report(module, cues);
    module.marbles_left = 1;
    report.Show();
    const int shows = report.show_requests();
    module.marbles_left = 6;
    report.Show();
    EXPECT_EQ(report.show_requests(), shows + 1);
    EXPECT_EQ(report.Label5.caption, "1");
    EXPECT_EQ(report.Label4.caption, "are Genious.");
    EXPECT_EQ(cues.played, (std::vector<Cue>{Cue::Yahoo})) << "no second load, no second cheer";
}

TEST(ResultWindow, TheGameBringsTheOpenReportForwardOnEveryClickUntilClosed)
{
    PlayTable table;
    table.load();
    table.place(board_with_marbles({39, 40, 60}));
    table.click_cell(4, 4); // the last jump: 41 and 60 are left
    Result* report = table.form.result();
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(report->visible());
    EXPECT_EQ(report->Label5.caption, "2");
    EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Gain, Cue::Yahoo}));

    // Further clicks on a board without moves: brought forward, not refreshed.
    table.module.marbles_left = 9;
    int shows = report->show_requests();
    for (auto [x, y] :
        {std::pair{1000.0f, 500.0f}, {column_middle(4), row_middle(4)}, {column_middle(6), row_middle(5)}}) {
        table.cues.played.clear();
        table.click(x, y);
        EXPECT_EQ(report->show_requests(), ++shows);
        EXPECT_EQ(table.cues.played.size(), 1u) << "the click's own cue and no cheer";
        EXPECT_EQ(report->Label5.caption, "2");
        EXPECT_EQ(report->Label4.caption, "are intelligent.");
    }

    // A restart leaves it open; the new game has moves, so clicks no longer show it.
    table.form.Label2_Click();
    EXPECT_TRUE(report->visible());
    table.click_cell(4, 4);
    EXPECT_EQ(report->show_requests(), shows);

    // Closed, the next game end loads the same report anew with the new count.
    report->Command1_Click();
    table.place(board_with_marbles({23, 32, 51, 77}));
    table.cues.played.clear();
    table.click_cell(2, 4); // 41 to 23 is a line, but 23 holds a marble
    table.click_cell(4, 4); // 23 over 32 into 41: 41, 51 and 77 cannot move
    EXPECT_EQ(table.form.result(), report) << "one report for the whole run";
    EXPECT_TRUE(report->visible());
    EXPECT_EQ(report->Label5.caption, "3");
    EXPECT_EQ(report->Label4.caption, "are above average.");
    EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Loss, Cue::Gain, Cue::Yahoo}));
}

TEST(ResultWindow, AGameEndWhileAnEarlierReportIsOpenFillsItAgain)
{
    // Faults: a later game's end shown with the earlier game's count and rating; the new
    // game's cheer left out; a click on the same finished board filling it again or cheering.
    PlayTable table;
    table.load();
    table.place(board_with_marbles({39, 40}));
    table.click_cell(4, 4); // 39 over 40 into 41: one marble
    Result* report = table.form.result();
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->Label4.caption, "are Genious.");

    table.form.Label2_Click(); // the report stays open from the game before
    table.place(board_with_marbles({5, 23, 32, 51, 77}));
    table.cues.played.clear();
    const int shows = report->show_requests();
    table.click_cell(2, 4); // 41 to 23 is a line, but 23 holds a marble
    table.click_cell(4, 4); // 23 over 32 into 41: 5, 41, 51 and 77 cannot move
    EXPECT_EQ(report->show_requests(), shows + 1);
    EXPECT_EQ(report->Label5.caption, "4");
    EXPECT_EQ(report->Label4.caption, "need practice.");
    EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Loss, Cue::Gain}));

    table.form.Label2_Click();
    table.place(board_with_marbles({39, 40, 60}));
    table.click_cell(4, 2); // the marker back onto 39
    table.cues.played.clear();
    table.click_cell(4, 4); // two marbles left
    EXPECT_EQ(report->Label5.caption, "2");
    EXPECT_EQ(report->Label4.caption, "are intelligent.");
    EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Gain, Cue::Yahoo}));

    table.module.marbles_left = 9;
    table.cues.played.clear();
    table.click_cell(6, 5);
    EXPECT_EQ(report->Label5.caption, "2") << "the same finished board: brought forward only";
    EXPECT_EQ(table.cues.played, (std::vector<Cue>{Cue::Normal}));
}

} // namespace
} // namespace mossaline::testing
