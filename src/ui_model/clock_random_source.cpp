#include "ui_model/clock_random_source.h"

#include <chrono>

namespace mossaline {

ClockRandomSource::ClockRandomSource()
{
    reseed();
}

void ClockRandomSource::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{
        static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(static_cast<std::uint64_t>(now) >> 32)};
    generator_.seed(seed);
}

float ClockRandomSource::next()
{
    // 24 random bits scaled by 2^-24: exactly representable, so 1.0 can never come out,
    // which a float uniform_real_distribution does not promise.
    return static_cast<float>(generator_() >> 8) * 0x1p-24f;
}

} // namespace mossaline
