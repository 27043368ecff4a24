#include "sound/pulse_connection.h"

#include <algorithm>
#include <thread>

#include "sound/pulse_library.h"

namespace mossaline {

namespace {

// The loop is driven only from inside a cue, never from a thread of its own,
// so while no cue plays nothing in the process waits on the server's socket.
bool settled(pa_context* context)
{
    const pa_context_state_t state = pulse().context_get_state(context);
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
}

} // namespace

std::unique_ptr<PulseConnection> PulseConnection::open(std::chrono::milliseconds limit, std::string* why)
{
    const Clock::time_point deadline = Clock::now() + limit;
    if (pulse_library() == nullptr) {
        if (why != nullptr) {
            *why = "libpulse cannot be opened";
        }
        return nullptr;
    }
    pa_mainloop* loop = pulse().mainloop_new();
    if (loop == nullptr) {
        return nullptr;
    }
    pa_context* context = pulse().context_new(pulse().mainloop_get_api(loop), "MOSSALINE");
    if (context == nullptr) {
        pulse().mainloop_free(loop);
        return nullptr;
    }
    std::unique_ptr<PulseConnection> connection(new PulseConnection(loop, context));
    // No autospawn: a desktop without a server is served by the fallback, not
    // by a sound server the game started behind the user's back.
    if (pulse().context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0
        || !connection->run_until([context] { return settled(context); }, deadline)
        || pulse().context_get_state(context) != PA_CONTEXT_READY) {
        if (why != nullptr) {
            *why = settled(context) ? connection->failure() : "no answer from the sound server";
        }
        return nullptr;
    }
    return connection;
}

PulseConnection::PulseConnection(pa_mainloop* loop, pa_context* context)
    : loop_(loop)
    , context_(context)
{
}

PulseConnection::~PulseConnection()
{
    pulse().context_disconnect(context_);
    pulse().context_unref(context_);
    pulse().mainloop_free(loop_);
}

bool PulseConnection::alive() const
{
    return PA_CONTEXT_IS_GOOD(pulse().context_get_state(context_));
}

bool PulseConnection::still_there()
{
    read_pending();
    return alive();
}

void PulseConnection::read_pending()
{
    while (pulse().mainloop_iterate(loop_, 0, nullptr) > 0) { }
}

bool PulseConnection::run_until(const std::function<bool()>& done, Clock::time_point deadline)
{
    while (!done()) {
        if (!alive()) {
            return done();
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            return false;
        }
        // One poll per event: the timeout only bounds the wait, it is not a tick.
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - now).count();
        if (pulse().mainloop_prepare(loop_, static_cast<int>(std::clamp<long long>(left, 1, 10'000'000))) < 0
            || pulse().mainloop_poll(loop_) < 0 || pulse().mainloop_dispatch(loop_) < 0) {
            return done();
        }
    }
    return true;
}

void PulseConnection::doze_until(
    const std::function<bool()>& stop, Clock::time_point deadline, std::chrono::milliseconds step)
{
    while (alive() && !stop()) {
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            return;
        }
        std::this_thread::sleep_until(std::min(deadline, now + step));
        // Whatever the server said meanwhile, without waiting for more.
        read_pending();
    }
}

void PulseConnection::flush(Clock::time_point deadline)
{
    run_until([this] { return pulse().context_is_pending(context_) == 0; }, deadline);
}

std::string PulseConnection::failure() const
{
    return pulse().strerror(pulse().context_errno(context_));
}

} // namespace mossaline
