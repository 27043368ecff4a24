#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace mossaline::test {

/** Records what reaches the sound server's sink, from its monitor, in small stamped pieces on a thread of its own. */
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;

    /** One piece as the server delivered it: when it arrived here, and its mono 44.1 kHz samples. */
    struct Piece {
        Clock::time_point arrived;
        std::vector<std::int16_t> samples;
    };

    /** Starts recording the default sink's monitor in pieces of `piece_frames` and waits until they flow; see ok(). */
    explicit MonitorRecorder(int piece_frames = 441);
    /** Stops recording. */
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    /** True if the server accepted the recording; the reason otherwise in error(). */
    bool ok() const { return ok_; }
    /** Why the recording could not start. */
    const std::string& error() const { return error_; }
    /** The pieces recorded since the last call. */
    std::vector<Piece> take();
    /** Waits until a piece arrives that was recorded after `moment` (so all sound before it is in). */
    void wait_past(Clock::time_point moment);

private:
    void run(void* simple, int piece_frames);

    bool ok_ = false;
    std::string error_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Piece> pieces_;
    std::thread thread_;
};

/** Index of the first sample louder than `floor`, or the size if none is. */
std::size_t first_loud(const std::vector<std::int16_t>& samples, int floor = 0);
/** Index one past the last sample louder than `floor`, or 0 if none is. */
std::size_t end_of_loud(const std::vector<std::int16_t>& samples, int floor = 0);

} // namespace mossaline::test
