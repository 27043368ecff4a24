#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "noise.h"

namespace mossaline {

/** Mono audio at kRate as floating point, nominally within [-1, 1]. */
using Signal = std::vector<double>;

/** Frames per second of every generated sound. */
inline constexpr int kRate = 44100;

/** How a sound swells and dies away: raised-cosine attack and release around an exponential decay. */
struct Envelope {
    double attack = 0.005; ///< Seconds to reach full level.
    double decay = 0.0; ///< Exponential fall per second after the attack.
    double release = 0.01; ///< Seconds of fade to silence at the end.
};

/** A silent signal of the given length. */
Signal silence(double seconds);

/** Adds a sine that glides exponentially from one pitch to another. */
void add_tone(Signal& out, double at, double length, double from_hz, double to_hz, double level, Envelope envelope);

/** Adds low-passed noise, for hiss, knocks and breath. */
void add_noise(Signal& out, double at, double length, double level, double lowpass_hz, Envelope envelope, Noise& noise);

/** Adds a struck bell: inharmonic partials, the higher ones dying faster. */
void add_bell(Signal& out, double at, double pitch_hz, double level, double decay, double length);

/** Fades both ends to silence so the sound starts and stops without a click. */
void fade_edges(Signal& signal, double fade_in, double fade_out);

/** Scales the signal so its loudest sample sits at the given peak. */
void normalise_peak(Signal& signal, double peak);

/** Rounds to 16-bit samples, clipping anything outside full scale. */
std::vector<std::int16_t> to_pcm(const Signal& signal);

} // namespace mossaline
