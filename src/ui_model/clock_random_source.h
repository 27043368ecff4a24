#pragma once

#include "ui_model/random_source.h"

#include <random>

namespace mossaline {

/// The game's generator, reseeded from a high-resolution clock so ticks 100 ms apart differ.
class ClockRandomSource final : public RandomSource {
public:
    /// Seeds from the clock once, so draws before the first reseed are already varied.
    ClockRandomSource();
    void reseed() override;
    float next() override;

private:
    std::mt19937 generator_;
};

} // namespace mossaline
