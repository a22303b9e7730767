#include "deduce/DecidableDeal.h"
#include "deduce/StepBudget.h"
#include "game/BorderCell.h"
#include "game/GridLimits.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <deque>

namespace orbalux {
namespace {

using testing::atomsFromPicture;

// Every border shot shows the same board for this and for ("XX.X", "X...", "...X", "....").
const AtomLayout kAmbiguous = atomsFromPicture({"XX..", "XX..", "...X", "...."});
const AtomLayout kDecidable = atomsFromPicture({"....", ".X..", "....", "..X."});

// Plays back the given layouts, then keeps giving the last one.
struct ScriptedDeals {
    std::deque<AtomLayout> layouts;
    int calls = 0;

    AtomLayout operator()()
    {
        ++calls;
        const AtomLayout next = layouts.front();
        if (layouts.size() > 1)
            layouts.pop_front();
        return next;
    }
};

DecidableDeal dealWith(ScriptedDeals& deals, int maxDeals, std::int64_t steps = 1'000'000)
{
    StepBudget budget(steps);
    return dealDecidableField(std::ref(deals), 4, maxDeals, budget);
}

TEST(DecidableDeal, DealsAgainUntilEveryBorderShotDecidesTheField)
{
    ScriptedDeals deals{{kAmbiguous, kAmbiguous, kDecidable, kAmbiguous}};
    const DecidableDeal game = dealWith(deals, 10);
    EXPECT_TRUE(game.decidable);
    EXPECT_EQ(game.atoms, kDecidable);
    EXPECT_EQ(game.deals, 3);
    EXPECT_EQ(deals.calls, 3);
}

TEST(DecidableDeal, KeepsTheLastDealWhenTheDealsRunOut)
{
    ScriptedDeals deals{{kAmbiguous}};
    const DecidableDeal game = dealWith(deals, 4);
    EXPECT_FALSE(game.decidable);
    EXPECT_EQ(game.atoms, kAmbiguous);
    EXPECT_EQ(game.deals, 4);
}

TEST(DecidableDeal, DealsOnceEvenWithNoDealsAllowed)
{
    ScriptedDeals deals{{kDecidable}};
    const DecidableDeal game = dealWith(deals, 0);
    EXPECT_TRUE(game.decidable);
    EXPECT_EQ(game.deals, 1);
}

TEST(DecidableDeal, StopsWithTheCurrentDealOnceTheBudgetIsSpent)
{
    ScriptedDeals deals{{kAmbiguous, kDecidable}};
    const DecidableDeal game = dealWith(deals, 10, 0);
    EXPECT_FALSE(game.decidable);
    EXPECT_EQ(game.atoms, kAmbiguous);
    EXPECT_EQ(game.deals, 1);
}

TEST(BorderShots, AreObservedInBorderNumberOrderWithExitsOnlyForLetters)
{
    const std::vector<Observation> shots = observeEveryBorderCell(atomsFromPicture({"...", ".X.", "..."}), 3);
    ASSERT_EQ(shots.size(), 12u);
    for (std::size_t i = 0; i < shots.size(); ++i)
        EXPECT_EQ(BorderCell::numberOf(3, shots[i].entry), static_cast<int>(i) + 1);
    EXPECT_EQ(shots[0], (Observation{{0, 1}, Outcome::Deflection, {1, 0}}));
    EXPECT_EQ(shots[1], (Observation{{0, 2}, Outcome::Hit, {}}));
    EXPECT_EQ(observeEveryBorderCell(AtomLayout(), 3)[0], (Observation{{0, 1}, Outcome::Deflection, {4, 1}}));
    EXPECT_TRUE(observeEveryBorderCell(AtomLayout(), kMaxGridSize + 1).empty());
}

} // namespace
} // namespace orbalux
