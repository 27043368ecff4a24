#include "noise.h"

namespace mossaline {

Noise::Noise(std::uint32_t seed)
    : state_(seed == 0 ? 0x9e3779b9u : seed)
{
}

// xorshift32: plenty for hiss and clicks, and identical on every platform,
// unlike the distributions in <random>.
double Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

} // namespace mossaline
