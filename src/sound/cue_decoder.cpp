#include "sound/cue_decoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "sound/cue_limits.h"
#include "sound/sdl_library.h"
#include "sound/wav_chunks.h"

namespace mossaline {

namespace {

struct WavBufferFree {
    const SdlLibrary* sdl;
    void operator()(Uint8* buffer) const { sdl->FreeWAV(buffer); }
};

// SDL converts to and from at most eight channels.
constexpr int kMaxChannels = 8;

// SDL converts in place in a buffer sized for the biggest step on the way;
// a sound within the cue limits never needs more than this, however odd
// its source rate.
constexpr std::uint64_t kMaxWorkBytes = 4 * kMaxCueFileBytes;

bool usable_target(PcmFormat target)
{
    return target.sample_rate > 0 && target.channels >= 1 && target.channels <= kMaxChannels;
}

// The game's own cues are 16-bit integer PCM in the players' own format:
// they are read here as they are, and the game that plays them through the
// sound server never loads SDL. Anything else is left to SDL.
std::optional<std::vector<std::int16_t>> read_as_is(std::span<const std::uint8_t> bytes, PcmFormat target)
{
    const std::optional<WavLayout> layout = read_wav_layout(bytes);
    if (!layout || layout->format_tag != 1 || layout->bits != 16 || layout->channels != target.channels
        || layout->sample_rate != static_cast<std::uint32_t>(target.sample_rate)
        || layout->block_align != 2 * layout->channels || layout->data.size() % layout->block_align != 0) {
        return std::nullopt;
    }
    const std::size_t frames = layout->data.size() / layout->block_align;
    if (frames == 0 || frames > static_cast<std::size_t>(kMaxCueSeconds) * layout->sample_rate) {
        return std::nullopt;
    }
    std::vector<std::int16_t> samples(layout->data.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(layout->data[2 * i] | layout->data[2 * i + 1] << 8);
    }
    return samples;
}

// Loading and converting need no SDL_Init, so this runs the same in the
// player, in tests and under a fuzzer, none of which need a sound card.
std::optional<std::vector<std::int16_t>> decode_with_sdl(std::span<const std::uint8_t> bytes, PcmFormat target)
{
    const SdlLibrary* const sdl = sdl_library();
    if (sdl == nullptr) {
        return std::nullopt;
    }
    SDL_RWops* source = sdl->RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) {
        return std::nullopt;
    }
    SDL_AudioSpec loaded_format{};
    Uint8* raw = nullptr;
    Uint32 raw_length = 0;
    if (sdl->LoadWAV_RW(source, 1, &loaded_format, &raw, &raw_length) == nullptr) {
        return std::nullopt;
    }
    const std::unique_ptr<Uint8, WavBufferFree> wav(raw, WavBufferFree{sdl});

    const std::uint64_t frame_bytes
        = static_cast<std::uint64_t>(SDL_AUDIO_BITSIZE(loaded_format.format) / 8) * loaded_format.channels;
    if (frame_bytes == 0 || loaded_format.freq <= 0 || raw_length < frame_bytes) {
        return std::nullopt;
    }
    // Checked on the source so an overlong sound is refused before conversion.
    const std::uint64_t frames = raw_length / frame_bytes;
    if (frames > static_cast<std::uint64_t>(kMaxCueSeconds) * static_cast<std::uint64_t>(loaded_format.freq)) {
        return std::nullopt;
    }

    // SDL_AudioCVT rather than SDL_AudioStream: in SDL 2.26 the stream drops
    // up to 1024 frames from the end of a resampled sound put in as one piece.
    SDL_AudioCVT cvt;
    if (sdl->BuildAudioCVT(&cvt, loaded_format.format, loaded_format.channels, loaded_format.freq, AUDIO_S16SYS,
            static_cast<Uint8>(target.channels), target.sample_rate)
        < 0) {
        return std::nullopt;
    }
    const std::uint64_t whole_bytes = frames * frame_bytes;
    const std::uint64_t work_bytes = whole_bytes * static_cast<std::uint64_t>(std::max(cvt.len_mult, 1));
    if (work_bytes > kMaxWorkBytes) {
        return std::nullopt;
    }
    std::vector<Uint8> work(static_cast<std::size_t>(work_bytes));
    std::memcpy(work.data(), raw, static_cast<std::size_t>(whole_bytes));
    cvt.buf = work.data();
    cvt.len = static_cast<int>(whole_bytes);
    if (sdl->ConvertAudio(&cvt) != 0) {
        return std::nullopt;
    }
    const std::size_t out_frame_bytes = sizeof(std::int16_t) * static_cast<std::size_t>(target.channels);
    const std::size_t out_frames = static_cast<std::size_t>(std::max(cvt.len_cvt, 0)) / out_frame_bytes;
    if (out_frames == 0) {
        return std::nullopt;
    }
    std::vector<std::int16_t> samples(out_frames * static_cast<std::size_t>(target.channels));
    std::memcpy(samples.data(), work.data(), samples.size() * sizeof(std::int16_t));
    return samples;
}

} // namespace

std::optional<std::vector<std::int16_t>> decode_cue(std::span<const std::uint8_t> bytes, PcmFormat target)
{
    if (!usable_target(target) || bytes.size() > kMaxCueFileBytes || !has_complete_data_chunk(bytes)) {
        return std::nullopt;
    }
    if (std::optional<std::vector<std::int16_t>> samples = read_as_is(bytes, target)) {
        return samples;
    }
    return decode_with_sdl(bytes, target);
}

} // namespace mossaline
