#include "monitor_recorder.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace mossaline::test {

MonitorRecorder::MonitorRecorder(int piece_frames)
{
    const pa_sample_spec format{PA_SAMPLE_S16NE, 44100, 1};
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(piece_frames * 2);
    int error = 0;
    pa_simple* simple = pa_simple_new(nullptr, "mossaline-test-recorder", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
        "monitor", &format, nullptr, &buffer, &error);
    if (simple == nullptr) {
        error_ = pa_strerror(error);
        return;
    }
    ok_ = true;
    thread_ = std::thread([this, simple, piece_frames] { run(simple, piece_frames); });
    // An idle null sink renders far ahead, and a new recording hears nothing
    // until that has run out; only once pieces flow does the recording keep time.
    wait_past(Clock::now());
    take();
}

MonitorRecorder::~MonitorRecorder()
{
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void MonitorRecorder::run(void* handle, int piece_frames)
{
    auto* simple = static_cast<pa_simple*>(handle);
    while (!stop_) {
        Piece piece{{}, std::vector<std::int16_t>(static_cast<std::size_t>(piece_frames))};
        int error = 0;
        if (pa_simple_read(simple, piece.samples.data(), piece.samples.size() * 2, &error) < 0) {
            break;
        }
        piece.arrived = Clock::now();
        const std::lock_guard<std::mutex> lock(mutex_);
        pieces_.push_back(std::move(piece));
    }
    pa_simple_free(simple);
}

std::vector<MonitorRecorder::Piece> MonitorRecorder::take()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(pieces_, {});
}

void MonitorRecorder::wait_past(Clock::time_point moment)
{
    for (int tries = 0; tries < 4000; ++tries) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (!pieces_.empty() && pieces_.back().arrived > moment + std::chrono::milliseconds(30)) {
                return;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::size_t first_loud(const std::vector<std::int16_t>& samples, int floor)
{
    return static_cast<std::size_t>(std::find_if(samples.begin(), samples.end(), [floor](std::int16_t s) {
        return std::abs(s) > floor;
    }) - samples.begin());
}

std::size_t end_of_loud(const std::vector<std::int16_t>& samples, int floor)
{
    const auto last
        = std::find_if(samples.rbegin(), samples.rend(), [floor](std::int16_t s) { return std::abs(s) > floor; });
    return static_cast<std::size_t>(samples.rend() - last);
}

} // namespace mossaline::test
