// Test tones for the game's cues, and the cues heard in a recording of them.
//   cue_tones write FOLDER     writes the nine cue files, each a distinct tone
//   cue_tones read RAW_FILE    prints the cues heard in SDL disk-driver output, one a line

#include "tone_files.h"
#include "tone_track.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage: cue_tones write FOLDER | cue_tones read RAW_FILE\n";
    return 2;
}

int read_recording(const char* path)
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
    for (const std::string& cue : mossaline::testing::heard_cues(samples))
        std::cout << cue << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return usage();
    const std::string_view command = argv[1];
    if (command == "write") {
        if (mossaline::testing::write_tone_files(argv[2]))
            return 0;
        std::cerr << "cue_tones: cannot write the tones into " << argv[2] << '\n';
        return 1;
    }
    if (command == "read")
        return read_recording(argv[2]);
    return usage();
}
