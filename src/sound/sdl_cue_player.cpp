#include "sound/sdl_cue_player.h"

#include <chrono>
#include <iostream>
#include <thread>
#include <utility>

#include "sound/cue_samples.h"
#include "sound/sdl_library.h"

namespace mossaline {

namespace {

using Clock = std::chrono::steady_clock;

// 1024 frames is about 23 ms at 44.1 kHz: quick enough that a cue starts
// with the move that caused it, roomy enough not to stutter on a busy machine.
constexpr Uint16 kBufferFrames = 1024;

// How often the tail of a cue is checked once most of it has been slept through.
constexpr std::chrono::milliseconds kPollInterval{2};

// A device that stops taking samples (a sound server gone away) must not
// freeze the game: after the sound's own length plus this, stop waiting.
constexpr std::chrono::milliseconds kStallGrace{1000};

std::chrono::microseconds frames_to_time(std::size_t frames, int rate)
{
    return std::chrono::microseconds(static_cast<std::int64_t>(frames) * 1'000'000 / rate);
}

} // namespace

SdlCuePlayer::SdlCuePlayer(std::filesystem::path sound_folder, QueuedHook on_queued)
    : folder_(std::move(sound_folder))
    , on_queued_(std::move(on_queued))
    , sdl_(sdl_library())
{
    if (sdl_ == nullptr) {
        std::cerr << "mossaline: no sound (SDL 2 cannot be opened)\n";
        return;
    }
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl+C would no
    // longer end the game.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::cerr << "mossaline: no sound (" << sdl_->GetError() << ")\n";
        return;
    }
    audio_started_ = true;

    SDL_AudioSpec wanted{};
    wanted.freq = kFormat.sample_rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(kFormat.channels);
    wanted.samples = kBufferFrames;
    wanted.callback = nullptr; // Fed with SDL_QueueAudio.
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants, so the
    // samples handed over are always in kFormat.
    device_ = sdl_->OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        std::cerr << "mossaline: no sound (" << sdl_->GetError() << ")\n";
        return;
    }
    buffer_frames_ = obtained.samples;
}

SdlCuePlayer::~SdlCuePlayer()
{
    if (device_ != 0) {
        sdl_->CloseAudioDevice(device_);
    }
    if (audio_started_) {
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlCuePlayer::has_device() const
{
    return device_ != 0;
}

void SdlCuePlayer::play(Cue cue)
{
    if (device_ == 0) {
        return;
    }
    const std::vector<std::int16_t> samples = samples_for(cue);
    if (!queue(samples)) {
        return;
    }
    wait_until_played(samples.size() / static_cast<std::size_t>(kFormat.channels));
}

std::vector<std::int16_t> SdlCuePlayer::samples_for(Cue cue) const
{
    return cue_samples(folder_ / cue_file_name(cue), kFormat);
}

bool SdlCuePlayer::queue(std::span<const std::int16_t> samples)
{
    // Whatever a stalled earlier cue left behind would otherwise play first.
    sdl_->ClearQueuedAudio(device_);
    const auto bytes = static_cast<Uint32>(samples.size_bytes());
    if (sdl_->QueueAudio(device_, samples.data(), bytes) != 0) {
        return false;
    }
    if (on_queued_) {
        on_queued_();
    }
    sdl_->PauseAudioDevice(device_, 0);
    return true;
}

// Sleeps through the sound rather than spinning. SDL's queue empties when
// the last samples move into the device buffer, not when they are heard,
// so one more buffer's worth of time is waited after that.
void SdlCuePlayer::wait_until_played(std::size_t frames) const
{
    const Clock::time_point start = Clock::now();
    const auto length = frames_to_time(frames, kFormat.sample_rate);
    const auto buffer = frames_to_time(static_cast<std::size_t>(buffer_frames_), kFormat.sample_rate);
    if (length > 2 * buffer) {
        std::this_thread::sleep_for(length - 2 * buffer);
    }
    const Clock::time_point give_up = start + length + kStallGrace;
    while (sdl_->GetQueuedAudioSize(device_) > 0 && Clock::now() < give_up) {
        std::this_thread::sleep_for(kPollInterval);
    }
    std::this_thread::sleep_for(buffer);
}

} // namespace mossaline
