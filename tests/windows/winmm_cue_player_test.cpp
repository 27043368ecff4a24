#include "sound/winmm_cue_player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace mossaline {
namespace {

struct PlayedPaths {
    std::vector<std::wstring> paths;
    WinmmCuePlayer::PlayFile recorder()
    {
        return [this](const wchar_t* path) { paths.emplace_back(path); };
    }
};

// A folder name outside any 8-bit code page must reach the platform intact, and a missing
// file must still be handed over: the platform plays its default sound in its place.
TEST(WinmmCuePlayer, HandsTheWidePathOfEveryCueToThePlatform)
{
    const std::filesystem::path folder = std::filesystem::path(L"C:\\Spiele\\Murmeln \u00fc \u5f3e\u73e0") / L"sound";
    PlayedPaths played;
    WinmmCuePlayer player(folder, played.recorder());

    player.play(Cue::ChimeUp);
    player.play(Cue::One);

    ASSERT_EQ(played.paths.size(), 2u);
    EXPECT_EQ(played.paths[0], L"C:\\Spiele\\Murmeln \u00fc \u5f3e\u73e0\\sound\\chimeup.wav");
    EXPECT_EQ(played.paths[1], L"C:\\Spiele\\Murmeln \u00fc \u5f3e\u73e0\\sound\\1.wav");
}

// The real call with a file that is not a sound and a file that is not there: each returns,
// so the game goes on after its default sound.
TEST(WinmmCuePlayer, ReturnsFromTheRealCallForABadAndAMissingFile)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"mossaline \u5f3e\u73e0 sound";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "gain.wav", std::ios::binary) << "RIFF\x10\0\0\0WAVEnot a sound at all";
    std::filesystem::remove(folder / "bird.wav");
    int returned = 0;
    WinmmCuePlayer player(folder, [&returned](const wchar_t* path) {
        winmm_play_file(path);
        ++returned;
    });

    player.play(Cue::Gain);
    player.play(Cue::Bird);

    EXPECT_EQ(returned, 2);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace mossaline
