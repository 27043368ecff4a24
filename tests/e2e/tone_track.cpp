#include "tone_track.h"

#include "tone_plan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mossaline::testing {

namespace {

// Below this RMS a window is silence: the disk driver writes exact zeros between cues.
constexpr double kSilentRms = 1000.0;
// Share of a window's energy that one tone's bin must hold to name the window.
constexpr double kToneShare = 0.6;
// Shorter stretches are the edges of a tone cut by the window grid, not a tone.
constexpr std::size_t kShortestRun = 3;

constexpr int kSilent = -2;
constexpr int kUnclear = -1;

// Energy in one bin of a window (Goertzel), scaled so a pure tone in that bin gives 1
// when divided by the window's energy.
double bin_share(std::span<const double> window, int bin, double energy)
{
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * bin / kWindowFrames);
    double previous = 0.0;
    double before_previous = 0.0;
    for (const double x : window) {
        const double current = x + coefficient * previous - before_previous;
        before_previous = previous;
        previous = current;
    }
    const double power
        = previous * previous + before_previous * before_previous - coefficient * previous * before_previous;
    return 2.0 * power / (kWindowFrames * energy);
}

int classify(std::span<const double> window)
{
    double energy = 0.0;
    for (const double x : window)
        energy += x * x;
    if (energy < kSilentRms * kSilentRms * kWindowFrames)
        return kSilent;
    int best = kUnclear;
    double best_share = kToneShare;
    for (std::size_t i = 0; i < kAllCues.size(); ++i) {
        const double share = bin_share(window, tone_bin(kAllCues[i]), energy);
        if (share >= best_share) {
            best_share = share;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace

std::vector<ToneRun> heard_runs(std::span<const std::int16_t> samples, int lengths)
{
    const auto channels = static_cast<std::size_t>(kDeviceFormat.channels);
    const std::size_t frames = samples.size() / channels;

    std::vector<int> labels;
    std::vector<double> window(kWindowFrames);
    for (std::size_t start = 0; start + kWindowFrames <= frames; start += kWindowFrames) {
        for (std::size_t i = 0; i < window.size(); ++i)
            window[i] = samples[(start + i) * channels];
        labels.push_back(classify(window));
    }

    std::vector<ToneRun> runs;
    for (std::size_t begin = 0; begin < labels.size();) {
        std::size_t end = begin;
        while (end < labels.size() && labels[end] == labels[begin])
            ++end;
        const std::size_t length = end - begin;
        const double milliseconds = 1000.0 * static_cast<double>(length * kWindowFrames) / kDeviceFormat.sample_rate;
        if (labels[begin] >= 0 && length >= kShortestRun) {
            const double tones
                = static_cast<double>(length * kWindowFrames) / (static_cast<double>(kToneFrames) * lengths);
            runs.push_back({cue_name(kAllCues[static_cast<std::size_t>(labels[begin])]),
                std::max(1L, std::lround(tones)), milliseconds});
        } else if (labels[begin] == kUnclear && length >= kShortestRun) {
            runs.push_back({"?", 1, milliseconds});
        }
        begin = end;
    }
    return runs;
}

std::vector<std::string> heard_cues(std::span<const std::int16_t> samples, int lengths)
{
    std::vector<std::string> heard;
    for (const ToneRun& run : heard_runs(samples, lengths))
        heard.insert(heard.end(), static_cast<std::size_t>(run.tones), run.cue);
    return heard;
}

} // namespace mossaline::testing
