#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

struct pa_context;
struct pa_mainloop;

namespace mossaline {

/** A connection to a PulseAudio (or PipeWire) sound server whose loop runs only while the caller waits in it. */
class PulseConnection {
public:
    /** Steady clock used for every deadline. */
    using Clock = std::chrono::steady_clock;

    /** Connects to the default server within `limit`; nothing (and the reason in `why`) when none answers. */
    static std::unique_ptr<PulseConnection> open(std::chrono::milliseconds limit, std::string* why = nullptr);

    /** Ends the connection. */
    ~PulseConnection();

    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    /** The client context, for creating streams on it. */
    pa_context* context() const { return context_; }

    /** True until the server has gone away or refused the connection. */
    bool alive() const;

    /** Reads what the server has said since the loop last ran, without waiting, and tells whether it is still there:
     * between cues nothing watches the connection, so a server that went away meanwhile is only noticed here. */
    bool still_there();

    /** Runs the loop, sleeping between events, until `done` holds, the deadline passes or the server goes;
     * returns `done()`. */
    bool run_until(const std::function<bool()>& done, Clock::time_point deadline);

    /** Sleeps until the deadline, looking at the server's messages only every `step`, so that a playing stream's
     * frequent requests for more samples do not wake the thread; stops early once `stop` holds or the server goes. */
    void doze_until(const std::function<bool()>& stop, Clock::time_point deadline, std::chrono::milliseconds step);

    /** Sends whatever is still queued for the server, waiting at most until the deadline. */
    void flush(Clock::time_point deadline);

    /** Why the server is no longer usable. */
    std::string failure() const;

private:
    PulseConnection(pa_mainloop* loop, pa_context* context);
    void read_pending();

    pa_mainloop* loop_;
    pa_context* context_;
};

} // namespace mossaline
