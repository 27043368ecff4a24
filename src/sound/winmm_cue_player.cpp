#include "sound/winmm_cue_player.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>
#include <utility>

namespace mossaline {

void winmm_play_file(const wchar_t* path)
{
    // Flags 0: synchronous, and the system's default sound for a file that is
    // missing or cannot be played. The game goes on either way, so the result
    // is not looked at.
    sndPlaySoundW(path, 0);
}

WinmmCuePlayer::WinmmCuePlayer(std::filesystem::path sound_folder)
    : WinmmCuePlayer(std::move(sound_folder), winmm_play_file)
{
}

WinmmCuePlayer::WinmmCuePlayer(std::filesystem::path sound_folder, PlayFile play_file)
    : sound_folder_(std::move(sound_folder))
    , play_file_(std::move(play_file))
{
}

void WinmmCuePlayer::play(Cue cue)
{
    // Wide characters all the way: a folder named outside the 8-bit code page
    // would not survive the narrow call the design was first written for.
    const std::wstring path = (sound_folder_ / cue_file_name(cue)).wstring();
    play_file_(path.c_str());
}

} // namespace mossaline
