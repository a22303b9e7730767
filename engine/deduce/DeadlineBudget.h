#pragma once

#include "deduce/SearchBudget.h"

#include <chrono>
#include <cstdint>

namespace orbalux {

/** A budget that runs out a fixed time after it is made, on the steady clock. */
class DeadlineBudget : public SearchBudget {
public:
    /** allowed >= 0; the deadline is now plus allowed. */
    explicit DeadlineBudget(std::chrono::steady_clock::duration allowed);

    bool allowsStep() override;

private:
    std::chrono::steady_clock::time_point m_deadline;
    std::uint32_t m_steps = 0;
    bool m_expired = false;
};

} // namespace orbalux
