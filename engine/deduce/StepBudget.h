#pragma once

#include "deduce/SearchBudget.h"

#include <cstdint>

namespace orbalux {

/** A budget of a fixed number of search steps. */
class StepBudget : public SearchBudget {
public:
    /** steps >= 0; steps = 0 refuses the first step. */
    explicit StepBudget(std::int64_t steps) : m_left(steps) {}

    bool allowsStep() override
    {
        if (m_left <= 0)
            return false;
        --m_left;
        return true;
    }

    /** Steps still allowed. */
    std::int64_t left() const { return m_left; }

private:
    std::int64_t m_left;
};

} // namespace orbalux
