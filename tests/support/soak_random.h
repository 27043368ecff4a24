#pragma once

#include "ui_model/random_source.h"

#include <array>
#include <cstdint>
#include <random>

namespace mossaline::testing {

/// A seeded, endless stream of 64-bit values, the same on every platform for one seed.
class SoakStream {
public:
    /// Starts the stream; equal seeds give equal streams.
    explicit SoakStream(std::uint64_t seed)
        : engine_(seed)
    {
    }

    /// The next raw value.
    std::uint64_t bits() { return engine_(); }
    /// A value in 0..count-1; count must be positive.
    int below(int count) { return static_cast<int>(bits() % static_cast<std::uint64_t>(count)); }
    /// True with the given chance in percent.
    bool percent(int chance) { return below(100) < chance; }
    /// A uniform single-precision value in [0, 1).
    float unit() { return static_cast<float>(bits() >> 40) * 0x1p-24f; }

private:
    // mt19937_64 is fully specified by the standard, unlike the distributions.
    std::mt19937_64 engine_;
};

/// Timer draws for long random runs: mostly uniform, now and then a value at an edge of [0, 1).
class SoakRandom final : public RandomSource {
public:
    /// Draws from a stream of its own, started from `seed`.
    explicit SoakRandom(std::uint64_t seed)
        : stream_(seed)
    {
    }

    int reseeds = 0; ///< how often the generator was reseeded

    void reseed() override { ++reseeds; }
    float next() override
    {
        // The edges of the ranges the tick handlers cut [0, 1) into, and the ends themselves.
        static constexpr std::array<float, 8> kEdges{0.0f, 0.005f, 0.495f, 0.5f, 0.5999999f, 0.6f, 0.995f, 0.99999994f};
        if (stream_.percent(15))
            return kEdges[static_cast<std::size_t>(stream_.below(static_cast<int>(kEdges.size())))];
        return stream_.unit();
    }

private:
    SoakStream stream_;
};

} // namespace mossaline::testing
