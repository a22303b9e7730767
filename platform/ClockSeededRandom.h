#pragma once

#include "game/RandomSource.h"

#include <random>

namespace orbalux {

/** A Mersenne Twister that every reseed() seeds afresh from the high-resolution clock and a count of reseeds. */
class ClockSeededRandom : public RandomSource {
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
    unsigned m_reseeds = 0;
};

} // namespace orbalux
