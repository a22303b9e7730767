#include "deduce/DeadlineBudget.h"

namespace orbalux {

DeadlineBudget::DeadlineBudget(std::chrono::steady_clock::duration allowed)
    : m_deadline(std::chrono::steady_clock::now() + allowed)
{
}

bool DeadlineBudget::allowsStep()
{
    // A search step costs well under a microsecond; reading the clock on every one would cost
    // a noticeable share, and 64 steps overshoot the deadline by far less than a millisecond.
    if (!m_expired && m_steps++ % 64 == 0)
        m_expired = std::chrono::steady_clock::now() >= m_deadline;
    return !m_expired;
}

} // namespace orbalux
