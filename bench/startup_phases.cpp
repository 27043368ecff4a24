// bench_startup_phases: the program's start-up, step by step as src/app/main.cpp does it, with
// a CLOCK_MONOTONIC stamp after each step and around the start cue, so a start measured by bench_window_watch (which
// prints its own launch stamp) can be split into phases. The stamps are printed once the first
// paint has been handled; the program then runs on like the game until it is ended.
#include "sound/late_cue_player.h"
#include "sound/make_cue_player.h"
#include "sound/sound_folder.h"
#include "ui_model/clock_random_source.h"
#include "ui_model/form1.h"
#include "ui/open_main_window.h"
#include "ui/repainting_cue_player.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <tuple>
#include <utility>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Stamp {
    const char* what;
    Clock::time_point when;
};

std::vector<Stamp> stamps;
std::mutex stamps_guard;

void stamp(const char* what)
{
    const std::lock_guard lock(stamps_guard);
    stamps.push_back({what, Clock::now()});
}

void print_stamps()
{
    const std::lock_guard lock(stamps_guard);
    std::sort(stamps.begin(), stamps.end(), [](const Stamp& a, const Stamp& b) { return a.when < b.when; });
    std::printf("phases (CLOCK_MONOTONIC ns, ms since previous):\n");
    for (std::size_t i = 0; i < stamps.size(); ++i) {
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(stamps[i].when.time_since_epoch()).count();
        const double step
            = i == 0 ? 0.0 : std::chrono::duration<double, std::milli>(stamps[i].when - stamps[i - 1].when).count();
        std::printf("%lld %8.2f  %s\n", static_cast<long long>(ns), step, stamps[i].what);
    }
    std::fflush(stdout);
}

// Stamps the end of the surface's first paint and leaves the event loop.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            // After the paint event has been handled: let it finish first.
            QTimer::singleShot(0, [] {
                stamp("first paint handled");
                print_stamps();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

// Stamps the start and the end of the first cue it plays.
class StampingCuePlayer final : public mossaline::CuePlayer {
public:
    explicit StampingCuePlayer(mossaline::CuePlayer& inner)
        : inner_(inner)
    {
    }
    void play(mossaline::Cue cue) override
    {
        const bool first = !played_;
        played_ = true;
        if (first)
            stamp("start cue begins (on the thread that has the player)");
        inner_.play(cue);
        if (first)
            stamp("start cue ends");
    }

private:
    mossaline::CuePlayer& inner_;
    bool played_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    stamp("main entered");
    const std::filesystem::path folder = mossaline::program_folder();
    std::unique_ptr<mossaline::CuePlayer> speaker;
    std::unique_ptr<StampingCuePlayer> stamped;
    mossaline::LateCuePlayer late_speaker;
    mossaline::RepaintingCuePlayer cues(late_speaker);
    mossaline::Module1 module;
    mossaline::ClockRandomSource random;
    mossaline::Form1 form(module, cues, random, [] {});
    form.load();
    stamp("load handler (its cue held until the sound is there)");
    auto server_player = std::async(std::launch::async, [&folder, &late_speaker] {
        auto player = mossaline::reach_sound_server(folder / "sound");
        stamp("sound server reached or not (its own thread)");
        auto stamping = player ? std::make_unique<StampingCuePlayer>(*player) : nullptr;
        if (stamping)
            late_speaker.arrive(stamping.get());
        return std::pair(std::move(player), std::move(stamping));
    });
    QApplication app(argc, argv);
    stamp("QApplication");
    QApplication::setStyle(QStringLiteral("Fusion"));
    stamp("style");
    const auto window = mossaline::open_main_window(form, cues, [&] {
        stamp("window built");
        std::tie(speaker, stamped) = server_player.get();
        if (!speaker) {
            speaker = mossaline::make_local_cue_player(folder / "sound");
            stamped = std::make_unique<StampingCuePlayer>(*speaker);
            late_speaker.arrive(stamped.get());
        }
        stamp("sound ready, start cue over");
    });
    stamp("window shown");
    FirstPaint first_paint;
    window->surface()->installEventFilter(&first_paint);
    return QApplication::exec();
}
