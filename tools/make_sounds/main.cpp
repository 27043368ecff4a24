// Writes the game's sound cues as WAV files into the folder named on the
// command line. Everything is synthesised here, so the sounds are rebuilt
// from source with the game and never depend on outside recordings.

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cue_sound.h"
#include "sound/cue.h"
#include "synth.h"
#include "wav_writer.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "make_sounds") << " OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "make_sounds: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    for (mossaline::Cue cue : mossaline::kAllCues) {
        const std::filesystem::path path = folder / mossaline::cue_file_name(cue);
        if (!mossaline::write_wav(path, mossaline::cue_sound(cue), mossaline::kRate)) {
            std::cerr << "make_sounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
