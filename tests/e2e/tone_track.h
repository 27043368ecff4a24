#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mossaline::testing {

/// Recovers the cues heard in a recording of the player's device (samples interleaved in
/// the device format), in order: one cue name per test tone, "?" for any loud stretch
/// that is none of them. Silence between tones is skipped; equal tones played back to
/// back count once per tone length, `lengths` times kToneFrames.
std::vector<std::string> heard_cues(std::span<const std::int16_t> samples, int lengths = 1);

/// One unbroken stretch of a single test tone (or "?" for a loud stretch that is none):
/// how many tones of `lengths` tone lengths it holds and how long it sounded, so a cue cut
/// short or stretched shows against the file it was played from.
struct ToneRun {
    std::string cue;
    long tones = 0;
    double milliseconds = 0.0;
};
std::vector<ToneRun> heard_runs(std::span<const std::int16_t> samples, int lengths = 1);

} // namespace mossaline::testing
