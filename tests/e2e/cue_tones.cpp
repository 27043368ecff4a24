// Test tones for the game's cues, and the cues heard in a recording of them.
//   cue_tones write FOLDER [LENGTHS]     writes the nine cue files, each a distinct tone
//   cue_tones read RAW_FILE [LENGTHS]    prints the cues heard in a recording of the device
//                                        format (SDL's disk driver output), one a line
//   cue_tones runs RAW_FILE [LENGTHS]    the same by stretch of one tone: name, tones, milliseconds
// LENGTHS makes every tone that many standard tone lengths long, for players that clip short sounds.

#include "tone_files.h"
#include "tone_track.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage: cue_tones write FOLDER [LENGTHS] | cue_tones read|runs RAW_FILE [LENGTHS]\n";
    return 2;
}

int read_recording(const char* path, int lengths, bool runs)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cue_tones: cannot read " << path << '\n';
        return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The disk driver writes the device's samples as they are: 16-bit, native byte order.
    std::vector<std::int16_t> samples(bytes.size() / sizeof(std::int16_t));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(std::int16_t));
    if (runs) {
        for (const auto& run : mossaline::testing::heard_runs(samples, lengths))
            std::cout << run.cue << ' ' << run.tones << ' ' << std::lround(run.milliseconds) << '\n';
        return 0;
    }
    for (const std::string& cue : mossaline::testing::heard_cues(samples, lengths))
        std::cout << cue << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4)
        return usage();
    const std::string_view command = argv[1];
    const int lengths = argc == 4 ? std::atoi(argv[3]) : 1;
    if (lengths < 1)
        return usage();
    if (command == "write") {
        if (mossaline::testing::write_tone_files(argv[2], lengths))
            return 0;
        std::cerr << "cue_tones: cannot write the tones into " << argv[2] << '\n';
        return 1;
    }
    if (command == "read" || command == "runs")
        return read_recording(argv[2], lengths, command == "runs");
    return usage();
}
