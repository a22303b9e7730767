#include "platform/ClockSeededRandom.h"

#include <chrono>

namespace orbalux {

void ClockSeededRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Deals in a tight loop may read the same tick; the count keeps their seeds apart.
    ++m_reseeds;
    std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32), m_reseeds};
    m_engine.seed(seed);
}

float ClockSeededRandom::next()
{
    // Built from 24 bits by hand: generate_canonical<float> can round up to 1.0, which would
    // draw a row outside the field.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

} // namespace orbalux
