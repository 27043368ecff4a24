// Any bytes at all as the file of a cue, read and converted the way the player does it
// before it plays: the file's bytes, decoded to the device format, or the default tone when
// the file cannot be used. What comes out must be sound the player can queue, no longer
// than a cue may last.

#include "sound/cue_limits.h"
#include "sound/cue_samples.h"
#include "sound/sdl_cue_player.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using mossaline::SdlCuePlayer;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "cue_file_fuzzer: %s\n", what);
    std::abort();
}

// The cue lives in an anonymous in-memory file, reached by path like a file on disk.
struct CueFile {
    int fd = memfd_create("cue", 0);
    std::filesystem::path path = "/proc/self/fd/" + std::to_string(fd);

    void write(const std::uint8_t* data, std::size_t size) const
    {
        if (fd < 0 || ftruncate(fd, 0) != 0)
            fail("cannot reset the cue file");
        std::size_t done = 0;
        while (done < size) {
            const ssize_t wrote = pwrite(fd, data + done, size - done, static_cast<off_t>(done));
            if (wrote <= 0)
                fail("cannot write the cue file");
            done += static_cast<std::size_t>(wrote);
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CueFile file;
    file.write(data, size);

    const std::vector<std::int16_t> samples = mossaline::cue_samples(file.path, SdlCuePlayer::kFormat);

    constexpr auto channels = static_cast<std::size_t>(SdlCuePlayer::kFormat.channels);
    constexpr auto longest = static_cast<std::size_t>(mossaline::kMaxCueSeconds) *
        static_cast<std::size_t>(SdlCuePlayer::kFormat.sample_rate) * channels;
    if (samples.empty())
        fail("a cue came out silent and empty");
    if (samples.size() % channels != 0)
        fail("a cue came out with a partial frame");
    // A frame or so of slack for the resampler's rounding.
    if (samples.size() > longest + 64 * channels)
        fail("a cue came out longer than the length limit");
    return 0;
}
