#pragma once

namespace mossaline {

/// Uniform single-precision draws in [0, 1), reseeded at every timer tick.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    /// Reseeds the generator from the clock.
    virtual void reseed() = 0;
    /// The next draw, 0 included, 1 excluded.
    virtual float next() = 0;
};

} // namespace mossaline
