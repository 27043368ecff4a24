#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "sound/cue_player.h"
#include "sound/pcm_format.h"

namespace mossaline {

struct SdlLibrary;

/** Plays cue files from a folder through one SDL audio device, waiting for each to finish. */
class SdlCuePlayer final : public CuePlayer {
public:
    /** The format the device is opened in; every cue is converted to it first. */
    static constexpr PcmFormat kFormat{44100, 1};

    /** Called right after a cue's samples have been handed to the device. */
    using QueuedHook = std::function<void()>;

    /** Opens the audio device; without one the player stays silent and says so once on stderr. */
    explicit SdlCuePlayer(std::filesystem::path sound_folder, QueuedHook on_queued = {});

    /** Closes the device and lets SDL's audio go. */
    ~SdlCuePlayer() override;

    SdlCuePlayer(const SdlCuePlayer&) = delete;
    SdlCuePlayer& operator=(const SdlCuePlayer&) = delete;

    /** Plays the cue's file, or the default tone if the file is unusable, to its end. */
    void play(Cue cue) override;

    /** True while an audio device is open; without one every cue is skipped at once. */
    bool has_device() const;

private:
    std::vector<std::int16_t> samples_for(Cue cue) const;
    bool queue(std::span<const std::int16_t> samples);
    void wait_until_played(std::size_t frames) const;

    std::filesystem::path folder_;
    QueuedHook on_queued_;
    const SdlLibrary* sdl_ = nullptr;
    bool audio_started_ = false;
    std::uint32_t device_ = 0;
    int buffer_frames_ = 0;
};

} // namespace mossaline
