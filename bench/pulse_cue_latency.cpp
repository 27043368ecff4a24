// bench_pulse_cue_latency [--player=pulse|sdl] [--trials=N] [--idle=SECONDS]: cue onset, blocking and
// idle wake-ups against a real sound server, measured where the sound arrives: the default sink's
// monitor, recorded on a thread in small stamped pieces. Needs PULSE_SERVER (scripts/pulse-server.sh).
// --player=sdl measures SdlCuePlayer through SDL's pulseaudio driver, the way the game played before.
// Every cue is a 1 kHz tone, loud from its first sample to its last.
#include "bench_game.h"
#include "monitor_recorder.h"
#include "wav_file.h"

#include "sound/pulse_cue_player.h"
#include "sound/sdl_cue_player.h"
#include "ui/open_main_window.h"
#include "ui/repainting_cue_player.h"
#include "ui/twips.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace mossaline::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;
using test::MonitorRecorder;

constexpr int kPieceFrames = 44; // 1 ms pieces: the resolution of every figure at the monitor.

struct Summary {
    double min, median, p95, max;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) {
        return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
    };
    return {values.front(), at(0.5), at(0.95), values.back()};
}

void print_row(const char* what, const Summary& s)
{
    std::printf("%-40s %8.2f %8.2f %8.2f %8.2f\n", what, s.min, s.median, s.p95, s.max);
}

// When the first and the last loud sample arrived at the monitor, among the pieces taken.
struct Heard {
    Clock::time_point first, last;
};

std::optional<Heard> heard(const std::vector<MonitorRecorder::Piece>& pieces)
{
    std::optional<Heard> found;
    for (const auto& piece : pieces) {
        if (test::first_loud(piece.samples) == piece.samples.size())
            continue;
        if (!found)
            found = Heard{piece.arrived, piece.arrived};
        found->last = piece.arrived;
    }
    return found;
}

void send(QWidget* target, QEvent::Type type, int cell, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local(to_pixels(cell_x(cell)), to_pixels(cell_y(cell)));
    QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Voluntary and involuntary context switches in a /proc status file.
long switches_in(const std::filesystem::path& status_file)
{
    std::ifstream status(status_file);
    std::string key;
    long total = 0;
    while (status >> key) {
        long value = 0;
        if ((key == "voluntary_ctxt_switches:" || key == "nonvoluntary_ctxt_switches:") && status >> value)
            total += value;
    }
    return total;
}

// Context switches of the calling thread so far.
long own_switches() { return switches_in("/proc/thread-self/status"); }

double cpu_ms(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Refused clicks (a 10 ms loss.wav each) on two marbles in turn, each after a random pause so the
// click falls anywhere in the server's period, as a player's would.
int measure_onset(Form1Widget& window, Form1& form, MonitorRecorder& recorder, int trials)
{
    constexpr int kA = cell_index(4, 0);
    constexpr int kB = cell_index(4, 2);
    mark(design_names(form), kA);
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> pause_us(0, 30000);
    std::vector<double> onset, blocked, after_end;
    int missed = 0;
    for (int n = 0; n < trials; ++n) {
        const int target = n % 2 == 0 ? kB : kA;
        send(window.surface(), QEvent::MouseMove, target, Qt::NoButton, Qt::NoButton);
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(pause_us(rng)));
        recorder.take();
        const Clock::time_point click = Clock::now();
        send(window.surface(), QEvent::MouseButtonPress, target, Qt::LeftButton, Qt::LeftButton);
        send(window.surface(), QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
        const Clock::time_point returned = Clock::now();
        QApplication::processEvents();
        recorder.wait_past(returned + std::chrono::milliseconds(40));
        const auto sound = heard(recorder.take());
        if (!sound) {
            ++missed;
            continue;
        }
        onset.push_back(Millis(sound->first - click).count());
        blocked.push_back(Millis(returned - click).count());
        after_end.push_back(Millis(returned - sound->last).count());
    }
    if (onset.empty()) {
        std::printf("no cue was heard at the monitor (%d missed)\n", missed);
        return 1;
    }
    std::printf("cue onset over %zu refused clicks (%d not heard), 10 ms tone, ms; monitor pieces of %d frames\n",
        onset.size(), missed, kPieceFrames);
    std::printf("%-40s %8s %8s %8s %8s\n", "", "min", "median", "p95", "max");
    print_row("click -> first sample at the monitor", summarise(onset));
    print_row("click -> click handled (cue blocked)", summarise(blocked));
    print_row("last sample at the monitor -> returned", summarise(after_end));
    return 0;
}

// How long play() holds the thread for cues of known length, when their sound reached the sink,
// and the CPU burnt meanwhile.
void measure_blocking(CuePlayer& speaker, MonitorRecorder& recorder, const std::filesystem::path& folder)
{
    constexpr int kRepeats = 5;
    std::printf("\ncue blocking (median of %d plays each); 'end' = last sample at the monitor\n", kRepeats);
    std::printf("%10s %10s %8s %14s %14s %12s %12s %9s\n", "length ms", "blocked", "over ms", "call->first",
        "end->return", "thread CPU", "process CPU", "wake-ups");
    for (const int length : {45, 120, 140, 250, 500, 900, 1000, 1150, 2000}) {
        write_tone(folder / std::string(cue_file_name(Cue::Gain)), length);
        std::vector<double> wall, first, after_end, thread_cpu, process_cpu, wakes;
        for (int n = 0; n < kRepeats; ++n) {
            recorder.take();
            const long switches0 = own_switches();
            const double thread0 = cpu_ms(CLOCK_THREAD_CPUTIME_ID);
            const double process0 = cpu_ms(CLOCK_PROCESS_CPUTIME_ID);
            const Clock::time_point start = Clock::now();
            speaker.play(Cue::Gain);
            const Clock::time_point returned = Clock::now();
            thread_cpu.push_back(cpu_ms(CLOCK_THREAD_CPUTIME_ID) - thread0);
            wakes.push_back(static_cast<double>(own_switches() - switches0));
            process_cpu.push_back(cpu_ms(CLOCK_PROCESS_CPUTIME_ID) - process0);
            wall.push_back(Millis(returned - start).count());
            recorder.wait_past(returned + std::chrono::milliseconds(40));
            if (const auto sound = heard(recorder.take())) {
                first.push_back(Millis(sound->first - start).count());
                after_end.push_back(Millis(returned - sound->last).count());
            }
        }
        const double blocked = summarise(wall).median;
        std::printf("%10d %10.1f %8.1f %14.1f %14.1f %12.3f %12.3f %9.0f\n", length, blocked, blocked - length,
            first.empty() ? -1.0 : summarise(first).median, after_end.empty() ? -1.0 : summarise(after_end).median,
            summarise(thread_cpu).median, summarise(process_cpu).median, summarise(wakes).median);
    }
}

// Context switches of every thread of this process, by thread name.
std::map<std::string, long> switches()
{
    std::map<std::string, long> counts;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        counts[name + " (" + task.path().filename().string() + ")"] += switches_in(task.path() / "status");
    }
    return counts;
}

void measure_idle(int seconds)
{
    const auto before = switches();
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    const auto after = switches();
    std::printf("\nidle %d s after the last cue, no event loop running (this thread sleeps once):\n", seconds);
    long total = 0;
    for (const auto& [name, count] : after) {
        const long woke = count - (before.count(name) ? before.at(name) : 0);
        total += woke;
        std::printf("  %-28s %6ld wake-ups (%.1f/s)\n", name.c_str(), woke, static_cast<double>(woke) / took);
    }
    std::printf("  %-28s %6ld wake-ups (%.1f/s)\n", "whole process", total, static_cast<double>(total) / took);
}

} // namespace
} // namespace mossaline::bench

int main(int argc, char** argv)
{
    using namespace mossaline;
    using namespace mossaline::bench;
    int trials = 200;
    int idle = 10;
    bool sdl = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--trials=", 9) == 0)
            trials = std::max(1, std::atoi(argv[i] + 9));
        else if (std::strncmp(argv[i], "--idle=", 7) == 0)
            idle = std::max(1, std::atoi(argv[i] + 7));
        else if (std::strcmp(argv[i], "--player=sdl") == 0)
            sdl = true;
    }
    if (std::getenv("PULSE_SERVER") == nullptr) {
        std::printf("PULSE_SERVER is not set: run under scripts/pulse-server.sh run -- ...\n");
        return 1;
    }
    setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("mossaline-pulse-latency-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const Cue cue : kAllCues)
        write_tone(folder / std::string(cue_file_name(cue)), 10);

    int status = 0;
    {
        const Clock::time_point open_start = Clock::now();
        std::unique_ptr<CuePlayer> speaker;
        if (sdl) {
            auto player = std::make_unique<SdlCuePlayer>(folder);
            if (player->has_device())
                speaker = std::move(player);
        } else {
            speaker = PulseCuePlayer::connect(folder, std::chrono::milliseconds(500));
        }
        const double open_ms = Millis(Clock::now() - open_start).count();
        if (!speaker) {
            std::printf("no sound server to measure with\n");
            std::filesystem::remove_all(folder);
            return 1;
        }
        std::printf("player: %s; connecting / opening took %.2f ms\n",
            sdl ? "SdlCuePlayer (SDL's pulseaudio driver)" : "PulseCuePlayer", open_ms);
        {
            MonitorRecorder recorder(kPieceFrames);
            if (!recorder.ok()) {
                std::printf("cannot record the monitor: %s\n", recorder.error().c_str());
                std::filesystem::remove_all(folder);
                return 1;
            }
            RepaintingCuePlayer cues(*speaker);
            Module1 module;
            FixedRandom random;
            Form1 form(module, cues, random, [] {});
            const auto opened = (form.load(), open_main_window(form, cues));
            Form1Widget& window = *opened;
            QApplication::processEvents();
            status = measure_onset(window, form, recorder, trials);
            measure_blocking(*speaker, recorder, folder);
        }
        measure_idle(idle);
        const Clock::time_point close_start = Clock::now();
        speaker.reset();
        std::printf("\nclosing the player took %.2f ms\n", Millis(Clock::now() - close_start).count());
    }
    std::filesystem::remove_all(folder);
    return status;
}
