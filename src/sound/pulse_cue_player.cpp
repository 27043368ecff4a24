#include "sound/pulse_cue_player.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "sound/cue_samples.h"
#include "sound/pulse_connection.h"
#include "sound/pulse_library.h"

namespace mossaline {

namespace {

using Clock = PulseConnection::Clock;
using std::chrono::microseconds;
using std::chrono::milliseconds;

// The latency asked of the server: small enough that a cue starts with the
// click that caused it, and the whole cue is sent at once, so a busy machine
// cannot starve the stream however small this is.
constexpr milliseconds kTargetLatency{10};

// Setting up a stream is a round trip or two; a server that takes longer than
// this is hung, and the game goes on without the cue.
constexpr milliseconds kSetUpLimit{500};

// While a cue plays the server asks for more every few milliseconds; its
// messages are read this often instead, which is also how soon a server that
// went away mid-cue is noticed.
constexpr milliseconds kDozeStep{50};

// A server that has gone is tried again from a cue, for as long as that cue
// would have played, but no less than this and no longer than a stream's set-up
// may take: a server that answers does so within a millisecond or two, a
// missing one refuses at once, and only a hung one takes the whole limit.
constexpr milliseconds kLeastRetryLimit{100};

// A sink runs at up to two seconds of latency when no client asks for less; a cue that has not
// drained that long after its end never will.
constexpr milliseconds kLongestSinkLatency{2500};

// The server's messages are watched closely only from this long before a cue's end, so the
// end is seen at once without waking for every request of the stream before it.
constexpr milliseconds kDrainWatchBefore{30};

struct StreamRelease {
    void operator()(pa_stream* stream) const
    {
        if (PA_STREAM_IS_GOOD(pulse().stream_get_state(stream))) {
            pulse().stream_disconnect(stream);
        }
        pulse().stream_unref(stream);
    }
};
using StreamHandle = std::unique_ptr<pa_stream, StreamRelease>;

struct OperationRelease {
    void operator()(pa_operation* operation) const { pulse().operation_unref(operation); }
};
using OperationHandle = std::unique_ptr<pa_operation, OperationRelease>;

bool finished(pa_operation* operation)
{
    return operation == nullptr || pulse().operation_get_state(operation) != PA_OPERATION_RUNNING;
}

microseconds frames_to_time(std::size_t frames, int rate)
{
    return microseconds(static_cast<std::int64_t>(frames) * 1'000'000 / rate);
}

} // namespace

PulseCuePlayer::PulseCuePlayer(std::filesystem::path sound_folder, std::unique_ptr<PulseConnection> connection,
    WrittenHook on_written, RetryClock retry_clock)
    : folder_(std::move(sound_folder))
    , connection_(std::move(connection))
    , on_written_(std::move(on_written))
    , retry_clock_(std::move(retry_clock))
{
}

std::unique_ptr<PulseCuePlayer> PulseCuePlayer::connect(
    std::filesystem::path sound_folder, std::chrono::milliseconds limit, WrittenHook on_written, RetryClock retry_clock)
{
    std::unique_ptr<PulseConnection> connection = PulseConnection::open(limit);
    if (!connection) {
        return nullptr;
    }
    return std::make_unique<PulseCuePlayer>(
        std::move(sound_folder), std::move(connection), std::move(on_written), std::move(retry_clock));
}

PulseCuePlayer::~PulseCuePlayer() = default;

bool PulseCuePlayer::connected() const
{
    return connection_ && connection_->alive();
}

// A desktop stops and starts its sound server after an update or a change
// of device: sound comes back with it, and until then cues pass in silence.
void PulseCuePlayer::play(Cue cue)
{
    if (connection_ && !connection_->still_there()) {
        connection_.reset();
    }
    if (!connection_ && !retry_due()) {
        return;
    }
    const std::vector<std::int16_t> samples = cue_samples(folder_ / cue_file_name(cue), kFormat);
    const auto length = std::chrono::duration_cast<milliseconds>(
        frames_to_time(samples.size() / static_cast<std::size_t>(kFormat.channels), kFormat.sample_rate));
    if (!connection_ && !reach_server(std::clamp(length, kLeastRetryLimit, kSetUpLimit))) {
        return;
    }
    play_samples(samples);
    if (!connection_->alive()) {
        connection_.reset();
    }
}

bool PulseCuePlayer::retry_due() const
{
    return retry_clock_() >= next_retry_;
}

bool PulseCuePlayer::reach_server(milliseconds limit)
{
    next_retry_ = retry_clock_() + kRetryInterval;
    connection_ = PulseConnection::open(limit);
    return connection_ != nullptr;
}

// A stream lives for one cue only: between cues the server holds nothing of
// the game's, and the game holds nothing that wakes.
void PulseCuePlayer::play_samples(std::span<const std::int16_t> samples)
{
    const Clock::time_point start = Clock::now();
    const Clock::time_point set_up_by = start + kSetUpLimit;
    const pa_sample_spec format{
        PA_SAMPLE_S16NE, static_cast<std::uint32_t>(kFormat.sample_rate), static_cast<std::uint8_t>(kFormat.channels)};
    const StreamHandle stream(pulse().stream_new(connection_->context(), "cue", &format, nullptr));
    if (!stream) {
        return;
    }
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pulse().usec_to_bytes(microseconds(kTargetLatency).count(), &format));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    if (pulse().stream_connect_playback(stream.get(), nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr)
        < 0) {
        return;
    }
    pa_stream* const raw = stream.get();
    const auto stream_good = [raw] { return PA_STREAM_IS_GOOD(pulse().stream_get_state(raw)); };
    if (!connection_->run_until([raw] { return pulse().stream_get_state(raw) != PA_STREAM_CREATING; }, set_up_by)
        || pulse().stream_get_state(raw) != PA_STREAM_READY) {
        return;
    }
    if (pulse().stream_write(raw, samples.data(), samples.size_bytes(), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        return;
    }
    if (on_written_) {
        on_written_();
    }
    // A cue shorter than the prebuffer would otherwise wait for more samples.
    const OperationHandle trigger(pulse().stream_trigger(raw, nullptr, nullptr));
    // Only the server knows when the last sample has been played: a sink that had rendered
    // ahead, or one waking from suspend, reports a latency that does not hold, and a stream
    // taken away while the sink can still rewind into it takes its samples along, unheard. The
    // server answers a drain only once the stream is played out and safe to remove.
    const OperationHandle drain(pulse().stream_drain(raw, nullptr, nullptr));
    const auto length
        = frames_to_time(samples.size() / static_cast<std::size_t>(kFormat.channels), kFormat.sample_rate);
    const Clock::time_point drained_by = start + length + kLongestSinkLatency;
    const auto drained = [&drain, &stream_good] { return finished(drain.get()) || !stream_good(); };
    connection_->doze_until(drained, start + length - kDrainWatchBefore, kDozeStep);
    if (!connection_->run_until(drained, drained_by) || !stream_good()) {
        return;
    }
    pulse().stream_disconnect(raw);
    connection_->flush(Clock::now() + kTargetLatency);
}

} // namespace mossaline
