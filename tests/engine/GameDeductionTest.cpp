#include "deduce/DecidableDeal.h"
#include "deduce/GameDeduction.h"
#include "deduce/StepBudget.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::atomsFromPicture;
using testing::drawsPlacing;
using testing::gameWith;

CellPos at(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

// One atom in the corner of a 4 by 4 field.
const std::vector<std::string> kCornerAtom{"X...", "....", "....", "...."};

// Five atoms each on a 4 by 4 field: firing every border cell leaves another layout for the
// first, none for the second.
const AtomLayout kAmbiguousFive = atomsFromPicture({"XX..", "XX..", "...X", "...."});
const AtomLayout kDecidableFive = atomsFromPicture({"X...", "....", "..X.", "X.XX"});

GameSettings fiveOnFour(bool decidableOnly)
{
    GameSettings settings = GameSettings{}.withGridSize(4).withAtomCount(5);
    settings.DealDecidableOnly = decidableOnly;
    return settings;
}

TEST(DealGame, DealsAgainUntilEveryBorderShotWouldDecideTheField)
{
    StepBudget check(1'000'000);
    ASSERT_EQ(deduceField(4, 5, observeEveryBorderCell(kDecidableFive, 4), check).verdict, Verdict::Unique);
    std::vector<float> draws = drawsPlacing(kAmbiguousFive, 4);
    for (float draw : drawsPlacing(kDecidableFive, 4))
        draws.push_back(draw);
    testing::SequenceRandom random;
    random.queue(draws);
    StepBudget budget(10'000'000);
    const Game game = dealGame(fiveOnFour(true), random, budget, 10);
    EXPECT_EQ(game.AtomMap(), kDecidableFive);
    EXPECT_EQ(game.AtomCount(), 5);
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_TRUE(game.GameInProgress());
}

TEST(DealGame, DealsOnceWhenAnyFieldWillDo)
{
    testing::SequenceRandom random(drawsPlacing(kAmbiguousFive, 4));
    StepBudget budget(10'000'000);
    const Game game = dealGame(fiveOnFour(false), random, budget, 10);
    EXPECT_EQ(game.AtomMap(), kAmbiguousFive);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(budget.left(), 10'000'000);
}

TEST(GameDeduction, AGameAsksAboutItsOwnBoardAndAtoms)
{
    Game game = gameWith(kCornerAtom);
    StepBudget budget(1'000'000);
    EXPECT_EQ(deduceField(game, budget).verdict, Verdict::Several);
    for (std::int16_t i = 1; i <= 4; ++i) {
        game.Shoot({0, i}, false);
        game.Shoot({i, 0}, false);
    }
    const Deduction decided = deduceField(game, budget);
    ASSERT_EQ(decided.verdict, Verdict::Unique);
    EXPECT_EQ(decided.examples.front(), game.AtomMap());
    StepBudget none(0);
    EXPECT_EQ(deduceField(game, none).verdict, Verdict::Unknown);
}

TEST(GameDeduction, AGameChecksItsMarksAgainstTheShotsOnItsBorder)
{
    Game game = gameWith(kCornerAtom);
    game.Shoot(at(0, 1), false); // H at 1
    game.Shoot(at(0, 2), false); // R at 2
    game.Shoot(at(3, 0), false); // straight across: a deflection from 14 out at 7
    const std::vector<MarkDisagreement> unmarked = checkMarks(game);
    ASSERT_EQ(unmarked.size(), 2u);
    EXPECT_EQ(unmarked[0].entryNumber, 1);
    EXPECT_EQ(unmarked[0].shown.outcome, Outcome::Hit);
    EXPECT_EQ(unmarked[0].marked, (Observation{at(0, 1), Outcome::Deflection, at(5, 1)}));
    EXPECT_EQ(unmarked[1].entryNumber, 2);
    EXPECT_EQ(unmarked[1].shown.outcome, Outcome::Reflection);

    game.ToggleMark(at(1, 1));
    EXPECT_TRUE(checkMarks(game).empty());
    game.ToggleMark(at(3, 2));
    const std::vector<MarkDisagreement> extra = checkMarks(game);
    ASSERT_EQ(extra.size(), 1u);
    EXPECT_EQ(extra[0].entryNumber, 7);
    EXPECT_EQ(extra[0].shown, (Observation{at(3, 5), Outcome::Deflection, at(3, 0)}));
    EXPECT_EQ(extra[0].marked.outcome, Outcome::Hit);
}

} // namespace
} // namespace orbalux
