#include "deduce/CancellableBudget.h"

#include <utility>

namespace orbalux {

CancellableBudget::CancellableBudget(std::chrono::steady_clock::duration allowed, std::stop_token stop)
    : m_deadline(std::chrono::steady_clock::now() + allowed)
    , m_stop(std::move(stop))
{
}

bool CancellableBudget::allowsStep()
{
    // As with the plain deadline, every 64th step looks: a cancel is seen well within a
    // millisecond, and the search does not pay for an atomic read and a clock on every step.
    if (!m_expired && m_steps++ % 64 == 0) {
        m_cancelled = m_stop.stop_requested();
        m_expired = m_cancelled || std::chrono::steady_clock::now() >= m_deadline;
    }
    return !m_expired;
}

} // namespace orbalux
