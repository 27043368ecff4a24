#pragma once

#include "ui_model/random_source.h"

#include <deque>
#include <stdexcept>

namespace mossaline::testing {

/// Gives the draws a test scripts, and counts reseeds; running out of draws is a test error.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<float> draws; ///< the next draws, front first
    int reseeds = 0; ///< how often the generator was reseeded

    void reseed() override { ++reseeds; }
    float next() override
    {
        if (draws.empty())
            throw std::logic_error("no scripted draw left");
        const float draw = draws.front();
        draws.pop_front();
        return draw;
    }
};

} // namespace mossaline::testing
