#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "sound/cue_player.h"
#include "sound/pcm_format.h"

struct pa_stream;

namespace mossaline {

class PulseConnection;

/** Plays cue files from a folder straight to a PulseAudio or PipeWire server, one stream per cue, each asked for as
 * the cue before it ended. */
class PulseCuePlayer final : public CuePlayer {
public:
    /** The format every cue is converted to and sent in. */
    static constexpr PcmFormat kFormat{44100, 1};

    /** Called right after a cue's samples have been handed to the server. */
    using WrittenHook = std::function<void()>;

    /** The clock that spaces the attempts to reach a server that has gone. */
    using RetryClock = std::function<std::chrono::steady_clock::time_point()>;

    /** At most one attempt to reach a server that has gone in this long. */
    static constexpr std::chrono::seconds kRetryInterval{2};

    /** Plays through an open connection. */
    PulseCuePlayer(std::filesystem::path sound_folder, std::unique_ptr<PulseConnection> connection,
        WrittenHook on_written = {}, RetryClock retry_clock = std::chrono::steady_clock::now);

    /** Connects to the default server; nothing if none answers within `limit`. */
    static std::unique_ptr<PulseCuePlayer> connect(std::filesystem::path sound_folder, std::chrono::milliseconds limit,
        WrittenHook on_written = {}, RetryClock retry_clock = std::chrono::steady_clock::now);

    /** Ends the connection. */
    ~PulseCuePlayer() override;

    PulseCuePlayer(const PulseCuePlayer&) = delete;
    PulseCuePlayer& operator=(const PulseCuePlayer&) = delete;

    /** Plays the cue's file, or the default tone if the file is unusable, until its last sample is heard. */
    void play(Cue cue) override;

    /** Waits for a cue the sink had not started yet to drain, at most until long after it should have; then lets go
     * of every stream and sends what is still queued for the server. */
    void settle() override;

    /** True while the server is there. Once it has gone, a cue tries to reach it again (no more often than
     * kRetryInterval, never for longer than the cue would have played) and is skipped while it does not answer. */
    bool connected() const;

    /** Disconnects and frees a stream. */
    struct StreamRelease {
        void operator()(pa_stream* stream) const;
    };

private:
    struct DrainingCue;

    void play_samples(std::span<const std::int16_t> samples);
    void ask_for_next_stream(bool corked);
    void let_go_of_drained();
    void wait_for_unstarted();
    void drop_connection();
    bool retry_due() const;
    bool reach_server(std::chrono::milliseconds limit);

    std::filesystem::path folder_;
    std::unique_ptr<PulseConnection> connection_;
    // Cues heard but not yet drained by the server. After the connection, so that they go first.
    std::vector<std::unique_ptr<DrainingCue>> draining_;
    // The stream the next cue plays through, asked for as the last one ended.
    std::unique_ptr<pa_stream, StreamRelease> next_;
    WrittenHook on_written_;
    RetryClock retry_clock_;
    std::chrono::steady_clock::time_point next_retry_{};
};

} // namespace mossaline
