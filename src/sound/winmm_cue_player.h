#pragma once

#include <filesystem>
#include <functional>

#include "sound/cue_player.h"

namespace mossaline {

/** The platform's synchronous call with flags 0: plays the file to its end, or the system's default sound. */
void winmm_play_file(const wchar_t* path);

/** Plays cue files through the Windows multimedia library's own synchronous call, as the game was made for. */
class WinmmCuePlayer final : public CuePlayer {
public:
    /** The platform call: plays the file at a wide path to its end; a file that cannot be played gives the
     * system's default sound. Replaceable so tests can see what the platform is asked. */
    using PlayFile = std::function<void(const wchar_t* path)>;

    /** Plays the files in `sound_folder` through sndPlaySoundW. */
    explicit WinmmCuePlayer(std::filesystem::path sound_folder);

    /** Plays the files in `sound_folder` through `play_file`. */
    WinmmCuePlayer(std::filesystem::path sound_folder, PlayFile play_file);

    void play(Cue cue) override;

private:
    std::filesystem::path sound_folder_;
    PlayFile play_file_;
};

} // namespace mossaline
