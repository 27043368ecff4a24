#include "sound/make_cue_player.h"

namespace mossaline {

std::unique_ptr<CuePlayer> make_cue_player(const std::filesystem::path& sound_folder)
{
    if (std::unique_ptr<CuePlayer> player = reach_sound_server(sound_folder)) {
        return player;
    }
    return make_local_cue_player(sound_folder);
}

} // namespace mossaline
