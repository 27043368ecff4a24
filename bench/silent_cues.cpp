// bench_silent_cues FOLDER [MILLISECONDS]: writes every cue file as silence (10 ms unless told),
// so a whole-process measurement is not dominated by the sounds.
#include "sound/cue.h"
#include "wav_file.h"

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: bench_silent_cues FOLDER [MILLISECONDS]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const int milliseconds = argc == 3 ? std::atoi(argv[2]) : 10;
    try {
        std::filesystem::create_directories(folder);
        for (const mossaline::Cue cue : mossaline::kAllCues)
            mossaline::bench::write_silence(folder / std::string(mossaline::cue_file_name(cue)), milliseconds);
    } catch (const std::exception& error) {
        std::cerr << "bench_silent_cues: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
