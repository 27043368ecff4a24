#include "app/desktop_bus.h"
#include "app/desktop_check.h"
#include "assets/game_icon.h"
#include "solver/solver.h"
#include "sound/awaited_cue_player.h"
#include "sound/make_cue_player.h"
#include "sound/sound_folder.h"
#include "ui/open_main_window.h"
#include "ui/repainting_cue_player.h"
#include "ui_model/clock_random_source.h"
#include "ui_model/form1.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <memory>

int main(int argc, char* argv[])
{
    const std::filesystem::path folder = mossaline::program_folder();
    // A run that cannot show its window ends before it makes a sound.
    mossaline::check_display_setting();
    std::unique_ptr<mossaline::CuePlayer> speaker;
    mossaline::AwaitedCuePlayer awaited_speaker;
    mossaline::RepaintingCuePlayer cues(awaited_speaker);
    mossaline::Module1 module;
    mossaline::ClockRandomSource random;
    // EXIT ends the run at once: no further event of any window may be handled.
    const auto end_program = [] {
        std::fflush(nullptr);
        std::_Exit(EXIT_SUCCESS);
    };
    mossaline::Form1 form(module, cues, random, end_program);
    // Reaching the sound server, like connecting to the display, mostly waits on the disk
    // and on other processes: the one is done while the other happens, and the start cue
    // sounds as soon as the server answers.
    auto server_player = std::async(std::launch::async, [&folder, &awaited_speaker] {
        auto player = mossaline::reach_sound_server(folder / "sound");
        if (player)
            awaited_speaker.arrive(player.get());
        return player;
    });
    mossaline::MainWindowStart start(form, cues);
    const auto app = mossaline::open_desktop(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Lets desktops match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.mossaline.mossaline"));

    // The hint's table of finishes ships beside the program, like the cues.
    mossaline::solver::use_finish_table(folder / "mossaline-finishes.bin");
    speaker = server_player.get();
    if (!speaker) {
        // Only now, with no other thread starting: see make_local_cue_player.
        speaker = mossaline::make_local_cue_player(folder / "sound");
        awaited_speaker.arrive(speaker.get());
    }
    const auto window = start.open(mossaline::reach_desktop_bus);
    // Once the window is up: the icon's pictures are no part of what the player waits for.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(mossaline::pictures::game_icon()); });
    return QApplication::exec();
}
