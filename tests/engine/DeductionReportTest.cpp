#include "deduce/DeadlineBudget.h"
#include "deduce/DecidableDeal.h"
#include "deduce/DeductionReport.h"
#include "deduce/GameDeduction.h"
#include "deduce/StepBudget.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::gameWith;

CellPos at(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

// One atom in the corner of a 4 by 4 field.
const std::vector<std::string> kCornerAtom{"X...", "....", "....", "...."};

TEST(DeductionReport, TellsWhetherTheShotsDecideTheFieldCountingAtomsInWords)
{
    EXPECT_EQ(shotsEnoughText(Verdict::Unique, 1),
        "Your shots decide the field: only one way of hiding 1 atom fits them all.");
    EXPECT_EQ(shotsEnoughText(Verdict::Several, 5),
        "Your shots do not decide the field yet: more than one way of hiding 5 atoms fits them all.");
    EXPECT_EQ(shotsEnoughText(Verdict::Unknown, 5),
        "Orbalux could not work out in time whether your shots decide the field.");
}

TEST(DeductionReport, AGameAsksAboutItsOwnBoardAndAtoms)
{
    Game game = gameWith(kCornerAtom);
    DeadlineBudget budget(std::chrono::seconds(2));
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

TEST(DeductionReport, ChecksTheMarksAgainstEveryShotAndNamesTheCellsThatDisagree)
{
    Game game = gameWith(kCornerAtom);
    game.Shoot(at(0, 1), false); // H at 1
    game.Shoot(at(0, 2), false); // R at 2
    game.Shoot(at(3, 0), false); // straight across: deflection from 14 out at 7
    EXPECT_EQ(marksCheckText(checkMarks(game), 4, game.MarkedCount(), game.AtomCount()),
        "Your marks disagree with 2 of your shots.\n"
        "Border cell 1: your marks give a deflection out at 12, the board shows a hit.\n"
        "Border cell 2: your marks give a deflection out at 11, the board shows a reflection.\n"
        "You have 0 marks for 1 atom.");
    game.ToggleMark(at(1, 1));
    EXPECT_EQ(marksCheckText(checkMarks(game), 4, game.MarkedCount(), game.AtomCount()),
        "Your marks agree with every shot on the board.");
    game.ToggleMark(at(3, 2));
    EXPECT_EQ(marksCheckText(checkMarks(game), 4, game.MarkedCount(), game.AtomCount()),
        "Your marks disagree with 1 of your shots.\n"
        "Border cell 7: your marks give a hit, the board shows a deflection out at 14.\n"
        "You have 2 marks for 1 atom.");
}

TEST(DeductionReport, ListsAtMostTenDisagreeingShots)
{
    std::vector<MarkDisagreement> many(12, MarkDisagreement{3, {at(0, 3), Outcome::Hit, at(0, 3)},
                                             {at(0, 3), Outcome::Reflection, at(0, 3)}});
    const std::string text = marksCheckText(many, 4, 1, 1);
    EXPECT_EQ(text.rfind("Your marks disagree with 12 of your shots.", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
}

bool decidedByEveryShot(const AtomLayout& atoms)
{
    StepBudget plenty(1'000'000);
    return deduceField(4, atoms.count(), observeEveryBorderCell(atoms, 4), plenty).verdict == Verdict::Unique;
}

// The first layout of five atoms on a 4 by 4 field, in reading order, that decides itself or not.
AtomLayout firstFiveAtomLayout(bool decidable)
{
    for (unsigned mask = 0; mask < (1u << 16); ++mask) {
        if (__builtin_popcount(mask) != 5)
            continue;
        AtomLayout atoms;
        for (int bit = 0; bit < 16; ++bit) {
            if (mask & (1u << bit))
                atoms.place(at(bit / 4 + 1, bit % 4 + 1));
        }
        if (decidedByEveryShot(atoms) == decidable)
            return atoms;
    }
    return {};
}

TEST(DecidableDeals, DealAgainUntilEveryBorderShotWouldDecideTheField)
{
    const AtomLayout undecidable = firstFiveAtomLayout(false);
    const AtomLayout decidable = firstFiveAtomLayout(true);
    std::vector<float> draws = testing::drawsPlacing(undecidable, 4);
    for (float draw : testing::drawsPlacing(decidable, 4))
        draws.push_back(draw);
    testing::SequenceRandom random;
    random.queue(draws);
    GameSettings settings = GameSettings{}.withGridSize(4).withAtomCount(5);
    settings.DealDecidableOnly = true;
    StepBudget budget(10'000'000);
    const Game game = dealGame(settings, random, budget, 10);
    EXPECT_EQ(game.AtomMap(), decidable);
    EXPECT_EQ(game.AtomCount(), 5);
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_TRUE(game.GameInProgress());
}

} // namespace
} // namespace orbalux
