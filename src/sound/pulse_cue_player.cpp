#include "sound/pulse_cue_player.h"

#include <algorithm>
#include <memory>
#include <optional>
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

// The whole cue is sent at once, so what the server says while it plays can
// wait: the connection is looked at this often, which is how soon a server that
// went away mid-cue is noticed. Looking every 50 ms instead cost a 250 ms cue 13
// wake-ups of the calling thread rather than 9, a 1 s cue 28 rather than 12
// (bench_pulse_cue_latency, cue blocking, medians of 5).
constexpr milliseconds kDozeStep{250};

// A server that has gone is tried again from a cue, for as long as that cue
// would have played, but no less than this and no longer than a stream's set-up
// may take: a server that answers does so within a millisecond or two, a
// missing one refuses at once, and only a hung one takes the whole limit.
constexpr milliseconds kLeastRetryLimit{100};

// A cue is heard this long after its own length, or a little less, when the sink
// is not far ahead: the first look at the server's figure comes then, and the
// figure mostly finds nothing left to wait for (it found 0.1 to 1.6 ms left after
// the length itself, each a wake-up of its own).
constexpr milliseconds kHeardAfterLength{3};

// A sink runs at up to two seconds of latency when no client asks for less; a cue that has not
// drained that long after its end never will, and its stream is let go of all the same.
constexpr milliseconds kLongestSinkLatency{2500};

// One frame of kFormat: a 16-bit sample per channel.
constexpr std::int64_t kFrameBytes = static_cast<std::int64_t>(sizeof(std::int16_t)) * PulseCuePlayer::kFormat.channels;

using StreamHandle = std::unique_ptr<pa_stream, PulseCuePlayer::StreamRelease>;

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

// When the last sample written is heard, by the server's last figure: what the sink had still
// to read then, and its latency, counted from when the figure was current. libpulse's own
// estimate does not move on from a figure taken as the stream was uncorked. Nothing while the
// sink has not started on the stream: one that had rendered far ahead before the stream came
// gives no figure to trust until it has played that out.
std::optional<Clock::time_point> heard_by(pa_stream* stream)
{
    const pa_timing_info* figure = pulse().stream_get_timing_info(stream);
    if (figure == nullptr || figure->write_index_corrupt != 0 || figure->playing == 0) {
        return std::nullopt;
    }
    const std::int64_t bytes_left = std::max<std::int64_t>(0, figure->write_index - figure->read_index);
    const microseconds left
        = frames_to_time(static_cast<std::size_t>(bytes_left / kFrameBytes), PulseCuePlayer::kFormat.sample_rate)
        + microseconds(figure->sink_usec);
    const auto taken = std::chrono::system_clock::time_point(
        std::chrono::seconds(figure->timestamp.tv_sec) + microseconds(figure->timestamp.tv_usec));
    const auto age = std::chrono::duration_cast<microseconds>(std::chrono::system_clock::now() - taken);
    return Clock::now() + left - std::clamp(age, microseconds(0), left);
}

bool stream_good(pa_stream* stream)
{
    return PA_STREAM_IS_GOOD(pulse().stream_get_state(stream));
}

} // namespace

void PulseCuePlayer::StreamRelease::operator()(pa_stream* stream) const
{
    if (PA_STREAM_IS_GOOD(pulse().stream_get_state(stream))) {
        pulse().stream_disconnect(stream);
    }
    pulse().stream_unref(stream);
}

struct PulseCuePlayer::DrainingCue {
    StreamHandle stream;
    OperationHandle drain;
    Clock::time_point give_up;
    // Not yet started by the sink when its length had passed: the next cue waits for its drain,
    // so that the two never sound together.
    bool holds_next = false;

    bool drained() const { return finished(drain.get()) || !stream_good(stream.get()); }
};

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

PulseCuePlayer::~PulseCuePlayer()
{
    settle();
}

// A cue the sink had not started when play() returned is waited for, as the process ending
// would take its stream away; the others are heard, and their streams corked.
void PulseCuePlayer::settle()
{
    if (connection_) {
        wait_for_unstarted();
        draining_.clear();
        connection_->flush(Clock::now() + kTargetLatency);
    }
}

void PulseCuePlayer::wait_for_unstarted()
{
    for (const std::unique_ptr<DrainingCue>& cue : draining_) {
        if (cue->holds_next) {
            connection_->run_until([&cue] { return cue->drained(); }, cue->give_up);
        }
    }
}

// A stream taken away before the server has drained it takes with it whatever of it the sink
// had rendered ahead and can still rewind, and the cue is cut or lost whole. The game does not
// wait for the answer (an idle sink gives it up to two seconds after the cue is heard): a
// stream is let go of at the first cue after the answer came, or long after it should have.
void PulseCuePlayer::let_go_of_drained()
{
    wait_for_unstarted();
    const Clock::time_point now = Clock::now();
    std::erase_if(
        draining_, [now](const std::unique_ptr<DrainingCue>& cue) { return cue->drained() || now >= cue->give_up; });
}

void PulseCuePlayer::drop_connection()
{
    draining_.clear();
    next_.reset();
    connection_.reset();
}

bool PulseCuePlayer::connected() const
{
    return connection_ && connection_->alive();
}

// A desktop stops and starts its sound server after an update or a change
// of device: sound comes back with it, and until then cues pass in silence.
void PulseCuePlayer::play(Cue cue)
{
    if (connection_ && !connection_->still_there()) {
        drop_connection();
    }
    if (connection_) {
        let_go_of_drained();
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
        drop_connection();
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

// The next cue's stream is asked for as a cue ends, and is there when that cue
// comes, so no cue waits on a round trip before it sounds. It asks for the short
// latency from the start, as the cue needs it then (one that asked only with its
// samples was heard 100 to 200 ms after them, by the server's figure). Corked, it
// does not keep a desktop's sink from suspending when idle; a server that never
// suspends its sink renders in small steps while the game is open (the private
// test server woke some 400 times a second, against 0.5 with no stream).
void PulseCuePlayer::ask_for_next_stream(bool corked)
{
    const pa_sample_spec format{
        PA_SAMPLE_S16NE, static_cast<std::uint32_t>(kFormat.sample_rate), static_cast<std::uint8_t>(kFormat.channels)};
    next_.reset(pulse().stream_new(connection_->context(), "cue", &format, nullptr));
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(kFrameBytes * kFormat.sample_rate * kTargetLatency.count() / 1000);
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | (corked ? PA_STREAM_START_CORKED : 0));
    if (next_ && pulse().stream_connect_playback(next_.get(), nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        next_.reset();
    }
}

// A stream lives for one cue only, until the server has drained it, which may be
// after the cue is heard: it is let go of then if it has, else corked and let go
// of at a later cue. Between cues the game holds nothing that wakes, and a cue
// wakes it once, at its end.
void PulseCuePlayer::play_samples(std::span<const std::int16_t> samples)
{
    const Clock::time_point start = Clock::now();
    if (!next_) {
        // Made for this cue, so not corked.
        ask_for_next_stream(false);
    }
    StreamHandle stream = std::move(next_);
    if (!stream) {
        return;
    }
    pa_stream* const raw = stream.get();
    if (!connection_->run_until(
            [raw] { return pulse().stream_get_state(raw) != PA_STREAM_CREATING; }, start + kSetUpLimit)
        || pulse().stream_get_state(raw) != PA_STREAM_READY) {
        return;
    }
    if (pulse().stream_write(raw, samples.data(), samples.size_bytes(), nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        return;
    }
    if (on_written_) {
        on_written_();
    }
    const OperationHandle uncork(pulse().stream_cork(raw, 0, nullptr, nullptr));
    // A cue shorter than the prebuffer would otherwise wait for more samples.
    const OperationHandle trigger(pulse().stream_trigger(raw, nullptr, nullptr));
    OperationHandle drain(pulse().stream_drain(raw, nullptr, nullptr));
    // The server's figure of when the last sample is heard, asked for now and read once the cue's
    // own length has passed, when the answer is long there.
    const OperationHandle timing(pulse().stream_update_timing_info(raw, nullptr, nullptr));
    ask_for_next_stream(true);
    connection_->still_there();
    const auto length
        = frames_to_time(samples.size() / static_cast<std::size_t>(kFormat.channels), kFormat.sample_rate);
    Clock::time_point end = start + length + kHeardAfterLength;
    connection_->doze_until([raw] { return !stream_good(raw); }, end, kDozeStep);
    pa_operation* const timing_asked = timing.get();
    std::optional<Clock::time_point> heard;
    if (connection_->run_until([timing_asked] { return finished(timing_asked); }, Clock::now() + kSetUpLimit)) {
        heard = heard_by(raw);
        end = heard.value_or(end);
    }
    connection_->doze_until([raw] { return !stream_good(raw); }, end, kDozeStep);
    if (stream_good(raw)) {
        auto cue = std::make_unique<DrainingCue>(
            DrainingCue{std::move(stream), std::move(drain), end + kLongestSinkLatency});
        if (!cue->drained()) {
            if (heard) {
                // Heard, by the figure, but not yet drained: corked, it neither keeps a
                // desktop's sink from suspending nor is taken away.
                pulse().operation_unref(pulse().stream_cork(raw, 1, nullptr, nullptr));
                connection_->still_there();
            }
            cue->holds_next = !heard;
            draining_.push_back(std::move(cue));
        }
    }
}

} // namespace mossaline
