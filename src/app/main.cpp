#include "app/desktop_check.h"
#include "assets/game_icon.h"
#include "solver/solver.h"
#include "sound/late_cue_player.h"
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
    const std::filesystem::path sound_folder = folder / "sound";
    // A run that cannot show its window ends before it makes a sound.
    mossaline::check_display_setting();
    std::unique_ptr<mossaline::CuePlayer> speaker;
    mossaline::LateCuePlayer late_speaker;
    mossaline::RepaintingCuePlayer cues(late_speaker);
    mossaline::Module1 module;
    mossaline::ClockRandomSource random;
    // EXIT ends the run at once: no further event of any window may be handled. Its farewell
    // cue is let finish first, or the end of the process would cut it off.
    const auto end_program = [&late_speaker] {
        late_speaker.settle();
        std::fflush(nullptr);
        std::_Exit(EXIT_SUCCESS);
    };
    mossaline::Form1 form(module, cues, random, end_program);
    // The load handler sets the whole model and asks for the start cue, which is held until
    // a player is there.
    form.load();
    // Reaching the sound server, like connecting to the display, mostly waits on the disk and
    // on other processes: the one thread of ours beside the toolkit's start reaches it and
    // plays the held start cue, so the cue sounds while the display connects.
    auto server_player = std::async(std::launch::async, [&sound_folder, &late_speaker] {
        auto player = mossaline::reach_sound_server(sound_folder);
        if (player)
            late_speaker.arrive(player.get());
        return player;
    });
    const auto app = mossaline::open_desktop(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Lets desktops match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.mossaline.mossaline"));

    // The hint's table of finishes ships beside the program, like the cues.
    mossaline::solver::use_finish_table(folder / "mossaline-finishes.bin");
    const auto window = mossaline::open_main_window(form, cues, [&] {
        speaker = server_player.get();
        if (!speaker) {
            // No server: the local player is made here, on the window's thread, never beside
            // the toolkit's start (see make_local_cue_player), and plays the held cue itself.
            speaker = mossaline::make_local_cue_player(sound_folder);
            late_speaker.arrive(speaker.get());
        }
    });
    // Once the window is up: the icon's pictures are no part of what the player waits for.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(mossaline::pictures::game_icon()); });
    return QApplication::exec();
}
