#pragma once

#include <cstdint>

namespace mossaline {

/** Repeatable white noise, so the generated files are the same on every build. */
class Noise {
public:
    /** Starts the sequence from a fixed, non-zero seed. */
    explicit Noise(std::uint32_t seed);

    /** The next value, evenly spread over [-1, 1). */
    double next();

private:
    std::uint32_t state_;
};

} // namespace mossaline
