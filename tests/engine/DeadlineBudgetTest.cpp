#include "deduce/DeadlineBudget.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

namespace orbalux {
namespace {

// Far more steps than any machine takes in a few milliseconds, so only a budget that stopped
// reading the clock could allow them all; the loop ends there rather than hang.
constexpr std::int64_t kStepBound = 1'000'000'000;

std::int64_t stepsAllowed(SearchBudget& budget)
{
    std::int64_t steps = 0;
    while (steps < kStepBound && budget.allowsStep())
        ++steps;
    return steps;
}

TEST(DeadlineBudget, RunsOutOnceItsDeadlineHasPassedHoweverManyStepsCameBefore)
{
    DeadlineBudget budget(std::chrono::milliseconds(3));
    EXPECT_LT(stepsAllowed(budget), kStepBound);
    EXPECT_FALSE(budget.allowsStep());
    EXPECT_FALSE(budget.allowsStep());
}

TEST(DeadlineBudget, AllowsEveryStepWhileItsDeadlineIsFarAway)
{
    DeadlineBudget budget(std::chrono::hours(1));
    for (int step = 0; step < 1000; ++step)
        ASSERT_TRUE(budget.allowsStep()) << step;
}

} // namespace
} // namespace orbalux
