#pragma once

#include "game/RandomSource.h"

#include <random>

namespace orbalux::bench {

/** A generator that reseed() leaves running, so repeated placements give different but repeatable layouts. */
class FixedSeedRandom : public RandomSource {
public:
    void reseed() override {}
    float next() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 m_engine{20261207u};
};

} // namespace orbalux::bench
