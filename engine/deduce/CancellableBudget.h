#pragma once

#include "deduce/SearchBudget.h"

#include <chrono>
#include <cstdint>
#include <stop_token>

namespace orbalux {

/** A budget that runs out a fixed time after it is made, or sooner when its stop is requested. */
class CancellableBudget : public SearchBudget {
public:
    /** allowed >= 0; the deadline is now plus allowed; stop may be requested from any thread. */
    CancellableBudget(std::chrono::steady_clock::duration allowed, std::stop_token stop);

    bool allowsStep() override;
    /** True once a step was refused because the stop was requested, not because time ran out. */
    bool cancelled() const { return m_cancelled; }

private:
    std::chrono::steady_clock::time_point m_deadline;
    std::stop_token m_stop;
    std::uint32_t m_steps = 0;
    bool m_expired = false;
    bool m_cancelled = false;
};

} // namespace orbalux
