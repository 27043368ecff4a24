#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "sound/cue.h"
#include "sound/sound_folder.h"

namespace mossaline {
namespace {

TEST(CueNamesTest, EachCueHasItsOwnFileName)
{
    const std::map<Cue, std::string> expected{
        {Cue::ChimeUp, "chimeup.wav"},
        {Cue::Gain, "gain.wav"},
        {Cue::Loss, "loss.wav"},
        {Cue::Normal, "normal.wav"},
        {Cue::RingIn, "ringin.wav"},
        {Cue::Bird, "bird.wav"},
        {Cue::One, "1.wav"},
        {Cue::Two, "2.wav"},
        {Cue::Yahoo, "yahoo.wav"},
    };
    std::set<Cue> listed;
    for (Cue cue : kAllCues) {
        listed.insert(cue);
        EXPECT_EQ(cue_file_name(cue), expected.at(cue));
    }
    EXPECT_EQ(listed.size(), expected.size()) << "kAllCues must list every cue once";
}

TEST(SoundFolderTest, CueFilesLiveInASoundFolderBesideTheProgram)
{
    std::error_code error;
    EXPECT_TRUE(std::filesystem::equivalent(program_folder(), MOSSALINE_TEST_BINARY_DIR, error))
        << program_folder() << " is not where the test program is: " << error.message();

    const std::filesystem::path game("/opt/mossaline");
    EXPECT_EQ(sound_folder(game), std::filesystem::path("/opt/mossaline/sound"));
    EXPECT_EQ(cue_path(game, Cue::One), std::filesystem::path("/opt/mossaline/sound/1.wav"));
    EXPECT_EQ(cue_path(game, Cue::ChimeUp), std::filesystem::path("/opt/mossaline/sound/chimeup.wav"));
}

} // namespace
} // namespace mossaline
