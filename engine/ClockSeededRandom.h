#pragma once

#include "RandomSource.h"

#include <random>

namespace orbalux {

/** A Mersenne Twister that every reseed() seeds afresh from the high-resolution clock. */
class ClockSeededRandom : public RandomSource {
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace orbalux
