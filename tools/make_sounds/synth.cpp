#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace mossaline {

namespace {

std::size_t frames_for(double seconds)
{
    return static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * kRate));
}

double rise(double t, double length)
{
    if (length <= 0.0 || t >= length) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(t, 0.0) / length);
}

double envelope_at(const Envelope& envelope, double t, double length)
{
    const double swell = rise(t, envelope.attack);
    const double fall = std::exp(-envelope.decay * std::max(t - envelope.attack, 0.0));
    return swell * fall * rise(length - t, envelope.release);
}

// The span of `out` that a sound starting at `at` for `length` seconds covers.
struct Span {
    std::size_t first;
    std::size_t count;
};

Span span_in(const Signal& out, double at, double length)
{
    const std::size_t first = std::min(frames_for(at), out.size());
    return {first, std::min(frames_for(length), out.size() - first)};
}

} // namespace

Signal silence(double seconds)
{
    return Signal(frames_for(seconds), 0.0);
}

void add_tone(Signal& out, double at, double length, double from_hz, double to_hz, double level, Envelope envelope)
{
    const Span span = span_in(out, at, length);
    const double glide = std::log(to_hz / from_hz) / length;
    double phase = 0.0;
    for (std::size_t i = 0; i < span.count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        out[span.first + i] += level * envelope_at(envelope, t, length) * std::sin(phase);
        phase += 2.0 * std::numbers::pi * from_hz * std::exp(glide * t) / kRate;
    }
}

void add_noise(Signal& out, double at, double length, double level, double lowpass_hz, Envelope envelope, Noise& noise)
{
    const Span span = span_in(out, at, length);
    // Two one-pole stages: steep enough to turn a hiss into a knock or a
    // rumble without leaving a bright edge on it.
    const double smoothing = 1.0 - std::exp(-2.0 * std::numbers::pi * lowpass_hz / kRate);
    double first_stage = 0.0;
    double filtered = 0.0;
    for (std::size_t i = 0; i < span.count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        first_stage += smoothing * (noise.next() - first_stage);
        filtered += smoothing * (first_stage - filtered);
        out[span.first + i] += level * envelope_at(envelope, t, length) * filtered;
    }
}

void add_bell(Signal& out, double at, double pitch_hz, double level, double decay, double length)
{
    // Partial ratios of a small struck bar bell; the upper ones give the
    // strike its shimmer and fade well before the fundamental.
    struct Partial {
        double ratio;
        double share;
    };
    constexpr std::array<Partial, 4> kPartials{{{1.0, 1.0}, {2.76, 0.42}, {5.40, 0.18}, {8.93, 0.07}}};
    for (const Partial& partial : kPartials) {
        const double hz = pitch_hz * partial.ratio;
        if (hz >= kRate / 2.0) {
            continue;
        }
        const Envelope envelope{0.002, decay * std::pow(partial.ratio, 0.6), 0.02};
        add_tone(out, at, length, hz, hz, level * partial.share, envelope);
    }
}

void fade_edges(Signal& signal, double fade_in, double fade_out)
{
    const double length = static_cast<double>(signal.size()) / kRate;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double left = length - static_cast<double>(i + 1) / kRate;
        signal[i] *= rise(t, fade_in) * rise(left, fade_out);
    }
}

void normalise_peak(Signal& signal, double peak)
{
    double loudest = 0.0;
    for (double sample : signal) {
        loudest = std::max(loudest, std::abs(sample));
    }
    if (loudest <= 0.0) {
        return;
    }
    for (double& sample : signal) {
        sample *= peak / loudest;
    }
}

std::vector<std::int16_t> to_pcm(const Signal& signal)
{
    std::vector<std::int16_t> samples;
    samples.reserve(signal.size());
    for (double sample : signal) {
        const double scaled = std::clamp(sample, -1.0, 1.0) * 32767.0;
        samples.push_back(static_cast<std::int16_t>(std::lround(scaled)));
    }
    return samples;
}

} // namespace mossaline
