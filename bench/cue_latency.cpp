// bench_cue_latency [--trials=N]: how soon a click's cue reaches the audio device, and how long
// a cue holds the game compared with its length, through SDL's `dummy` driver unless
// SDL_AUDIODRIVER names another. The game is wired as the program wires it (offscreen window,
// the screen repainted before each cue); nothing in the game is instrumented: the player's own
// queued-hook stamps the hand-over to SDL, and a watcher thread sees SDL's queue drain into
// the device.
#include "bench_game.h"
#include "wav_file.h"

#include "sound/sdl_cue_player.h"
#include "ui/open_main_window.h"
#include "ui/repainting_cue_player.h"
#include "ui/twips.h"

#include <QApplication>
#include <QMouseEvent>

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace mossaline::bench {
namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

// SDL numbers devices opened with SDL_OpenAudioDevice from 2 (1 is the legacy API's); the
// player opens the only one in this process.
constexpr SDL_AudioDeviceID kDevice = 2;
// How often the watcher looks at SDL's queue: the resolution of the device-side figure.
constexpr std::chrono::microseconds kWatchInterval{100};

// Watches SDL's queue for one cue: the moment it drains is when its first samples were
// handed to the device (a short cue fits in one device buffer).
class QueueWatch {
public:
    QueueWatch()
        : thread_([this] { run(); })
    {
    }
    ~QueueWatch()
    {
        stop_ = true;
        thread_.join();
    }
    QueueWatch(const QueueWatch&) = delete;
    QueueWatch& operator=(const QueueWatch&) = delete;

    /// Starts looking for the next cue.
    void arm()
    {
        taken_ = Clock::time_point{};
        armed_ = true;
    }
    /// When the armed cue's samples left the queue, if that was seen.
    std::optional<Clock::time_point> taken() const
    {
        if (armed_)
            return std::nullopt;
        return taken_;
    }
    /// The longest gap seen between two looks at the queue.
    Millis worst_gap() const { return Millis(worst_gap_ms_.load()); }

private:
    void run()
    {
        bool seen_queued = false;
        Clock::time_point last_look{};
        while (!stop_) {
            std::this_thread::sleep_for(kWatchInterval);
            if (!armed_) {
                seen_queued = false;
                last_look = Clock::time_point{};
                continue;
            }
            const Uint32 queued = SDL_GetQueuedAudioSize(kDevice);
            const Clock::time_point now = Clock::now();
            if (last_look != Clock::time_point{})
                worst_gap_ms_ = std::max(worst_gap_ms_.load(), Millis(now - last_look).count());
            last_look = now;
            if (queued > 0) {
                seen_queued = true;
            } else if (seen_queued) {
                taken_ = now;
                armed_ = false;
            }
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<bool> armed_{false};
    std::atomic<Clock::time_point> taken_{};
    std::atomic<double> worst_gap_ms_{0};
    std::thread thread_;
};

struct Summary {
    double min, median, p95, max, mean;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) {
        return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
    };
    double sum = 0;
    for (const double v : values)
        sum += v;
    return {values.front(), at(0.5), at(0.95), values.back(), sum / static_cast<double>(values.size())};
}

void print_row(const char* what, const Summary& s)
{
    std::printf("%-34s %8.2f %8.2f %8.2f %8.2f %8.2f\n", what, s.min, s.median, s.p95, s.max, s.mean);
}

void send(QWidget* target, QEvent::Type type, int cell, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local(to_pixels(cell_x(cell)), to_pixels(cell_y(cell)));
    QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

double cpu_ms(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Refused clicks on two marbles in turn, each after a random pause so the click falls anywhere
// in the device's period, as a player's would.
int measure_onset(Form1Widget& window, Form1& form, QueueWatch& watch, const Clock::time_point& queued, int trials)
{
    constexpr int kA = cell_index(4, 0);
    constexpr int kB = cell_index(4, 2);
    mark(design_names(form), kA);
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> pause_us(0, 30000);
    std::vector<double> onset, before_queue, device_wait;
    int missed = 0;
    for (int n = 0; n < trials; ++n) {
        const int target = n % 2 == 0 ? kB : kA;
        send(window.surface(), QEvent::MouseMove, target, Qt::NoButton, Qt::NoButton);
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(pause_us(rng)));
        watch.arm();
        const Clock::time_point click = Clock::now();
        send(window.surface(), QEvent::MouseButtonPress, target, Qt::LeftButton, Qt::LeftButton);
        send(window.surface(), QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        for (int wait = 0; wait < 100 && !watch.taken(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const auto taken = watch.taken();
        if (!taken || *taken < queued || queued < click) {
            ++missed;
            continue;
        }
        onset.push_back(Millis(*taken - click).count());
        before_queue.push_back(Millis(queued - click).count());
        device_wait.push_back(Millis(*taken - queued).count());
    }
    if (onset.empty()) {
        std::printf("no cue onset was seen (%d missed)\n", missed);
        return 1;
    }
    std::printf(
        "cue onset over %zu refused clicks (%d not seen), ms; queue looked at every %.0f us, worst gap %.2f ms\n",
        onset.size(), missed, static_cast<double>(kWatchInterval.count()), watch.worst_gap().count());
    std::printf("%-34s %8s %8s %8s %8s %8s\n", "", "min", "median", "p95", "max", "mean");
    print_row("click -> first sample to device", summarise(onset));
    print_row("  click -> cue queued with SDL", summarise(before_queue));
    print_row("  queued -> taken by the device", summarise(device_wait));
    return 0;
}

// How long play() holds the thread for cues of known length, and the CPU it burns meanwhile.
void measure_blocking(SdlCuePlayer& speaker, const std::filesystem::path& folder)
{
    constexpr int kRepeats = 5;
    std::printf("\ncue blocking (median of %d plays each)\n", kRepeats);
    std::printf("%10s %12s %10s %16s %16s\n", "length ms", "blocked ms", "over %", "thread CPU ms", "process CPU ms");
    for (const int length : {45, 120, 140, 250, 500, 900, 1000, 1150, 2000}) {
        write_silence(folder / std::string(cue_file_name(Cue::Gain)), length);
        std::vector<double> wall, thread_cpu, process_cpu;
        for (int n = 0; n < kRepeats; ++n) {
            const double thread0 = cpu_ms(CLOCK_THREAD_CPUTIME_ID);
            const double process0 = cpu_ms(CLOCK_PROCESS_CPUTIME_ID);
            const Clock::time_point start = Clock::now();
            speaker.play(Cue::Gain);
            wall.push_back(Millis(Clock::now() - start).count());
            thread_cpu.push_back(cpu_ms(CLOCK_THREAD_CPUTIME_ID) - thread0);
            process_cpu.push_back(cpu_ms(CLOCK_PROCESS_CPUTIME_ID) - process0);
        }
        const double blocked = summarise(wall).median;
        std::printf("%10d %12.1f %10.1f %16.3f %16.3f\n", length, blocked, 100.0 * (blocked - length) / length,
            summarise(thread_cpu).median, summarise(process_cpu).median);
    }
}

} // namespace
} // namespace mossaline::bench

int main(int argc, char** argv)
{
    using namespace mossaline;
    using namespace mossaline::bench;
    int trials = 200;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--trials=", 9) == 0)
            trials = std::max(1, std::atoi(argv[i] + 9));
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / ("mossaline-cue-latency-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const Cue cue : kAllCues)
        write_silence(folder / std::string(cue_file_name(cue)), 10);

    Clock::time_point queued{};
    int status = 0;
    {
        SdlCuePlayer speaker(folder, [&queued] { queued = Clock::now(); });
        if (!speaker.has_device() || SDL_GetAudioDeviceStatus(kDevice) == SDL_AUDIO_STOPPED) {
            std::printf("no audio device to measure with\n");
            std::filesystem::remove_all(folder);
            return 1;
        }
        std::printf("SDL audio driver: %s\n", SDL_GetCurrentAudioDriver());
        RepaintingCuePlayer cues(speaker);
        Module1 module;
        FixedRandom random;
        Form1 form(module, cues, random, [] {});
        const auto opened = (form.load(), open_main_window(form, cues));
        Form1Widget& window = *opened;
        QApplication::processEvents();
        {
            QueueWatch watch;
            status = measure_onset(window, form, watch, queued, trials);
        }
        measure_blocking(speaker, folder);
    }
    std::filesystem::remove_all(folder);
    return status;
}
