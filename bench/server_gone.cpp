// bench_server_gone [--trials=N]: how long a cue holds the caller while the sound server is away,
// and how long the cue that brings sound back takes. The server is one of the bench's own
// (scripts/pulse-server.sh serve), stopped, killed, frozen and started again; the player's retry
// clock is the bench's, moved on past the retry interval wherever an attempt is wanted.
// Every cue is a 120 ms tone.
#include "own_pulse_server.h"
#include "wav_file.h"

#include "sound/pulse_connection.h"
#include "sound/pulse_cue_player.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;
using mossaline::Cue;
using mossaline::PulseCuePlayer;

constexpr std::chrono::milliseconds kConnectLimit{2000};
constexpr int kToneMs = 120;

// One row: min, median and max of `trials` plays, each after `before` has run.
void measure(const char* what, int trials, PulseCuePlayer& player, const std::function<void()>& before)
{
    std::vector<double> took;
    for (int i = 0; i < trials; ++i) {
        before();
        const Clock::time_point start = Clock::now();
        player.play(Cue::Gain);
        took.push_back(Millis(Clock::now() - start).count());
    }
    std::sort(took.begin(), took.end());
    std::printf("%-58s %8.2f %8.2f %8.2f\n", what, took.front(), took[took.size() / 2], took.back());
}

} // namespace

int main(int argc, char** argv)
{
    int trials = 20;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--trials=", 9) == 0)
            trials = std::max(1, std::atoi(argv[i] + 9));
    }
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("mossaline-server-gone-" + std::to_string(getpid()));
    const std::filesystem::path sounds = folder / "sound";
    std::filesystem::create_directories(sounds);
    for (const Cue cue : mossaline::kAllCues)
        mossaline::bench::write_tone(sounds / std::string(mossaline::cue_file_name(cue)), kToneMs);

    int status = 0;
    {
        mossaline::test::OwnPulseServer server(folder);
        if (!server.start()) {
            std::printf("the bench's own sound server did not start\n");
            std::filesystem::remove_all(folder);
            return 1;
        }
        setenv("PULSE_SERVER", server.address().c_str(), 1);
        Clock::time_point now = Clock::now();
        const auto retry_due = [&now] { now += PulseCuePlayer::kRetryInterval; };
        const auto nothing = [] {};
        auto player = PulseCuePlayer::connect(sounds, kConnectLimit, {}, [&now] { return now; });
        if (!player) {
            std::printf("the bench's own sound server did not answer\n");
            status = 1;
        } else {
            std::printf("%d trials of a %d ms cue, ms:%*s min   median      max\n", trials, kToneMs, 24, "");
            measure("server there", trials, *player, nothing);
            server.stop(SIGTERM);
            measure("server stopped, an attempt due (socket gone)", trials, *player, retry_due);
            measure("server stopped, no attempt due", trials, *player, nothing);
            server.start();
            server.stop(SIGKILL);
            measure("server killed, an attempt due (connection refused)", trials, *player, retry_due);
            server.start();
            measure("server back: the cue that reconnects, then plays", 1, *player, retry_due);
            // A player whose server has gone, so that each trial is an attempt on the frozen one.
            PulseCuePlayer cut_off(sounds, nullptr, {}, [&now] { return now; });
            server.send(SIGSTOP);
            measure("server frozen (SIGSTOP), an attempt due", std::min(trials, 5), cut_off, retry_due);
            server.send(SIGCONT);
        }
    }
    std::filesystem::remove_all(folder);
    return status;
}
