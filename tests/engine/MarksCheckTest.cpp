#include "deduce/DecidableDeal.h"
#include "deduce/MarksCheck.h"
#include "game/GridLimits.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <random>

namespace orbalux {
namespace {

using testing::atomsFromPicture;

// 8 by 8 fields with one atom each, as in the rule book's worked examples.
const AtomLayout kTurnsRight = atomsFromPicture({"........", "........", "........", "..X....."});
const AtomLayout kAbsorbs = atomsFromPicture({"........", "........", "...X...."});
const AtomLayout kReflects = atomsFromPicture({"....X..."});
const AtomLayout kTurnsRightLater = atomsFromPicture({"........", "........", "........", "........", "..X....."});

const Observation kHit{{0, 4}, Outcome::Hit, {}};
const Observation kReflection{{0, 4}, Outcome::Reflection, {}};
const Observation kLeavesRightAtThree{{0, 4}, Outcome::Deflection, {3, 9}};
const Observation kStraightThrough{{0, 8}, Outcome::Deflection, {9, 8}};

TEST(MarksCheck, MarksOnTheHiddenAtomsAgreeWithEveryShot)
{
    std::mt19937 random(13u);
    for (std::int16_t gridSize = 1; gridSize <= kMaxGridSize; ++gridSize) {
        std::uniform_int_distribution<int> cell(1, gridSize);
        AtomLayout hidden;
        for (int i = 0; i < gridSize; ++i)
            hidden.place({static_cast<std::int16_t>(cell(random)), static_cast<std::int16_t>(cell(random))});
        EXPECT_TRUE(checkMarks(gridSize, hidden, observeEveryBorderCell(hidden, gridSize)).empty()) << gridSize;
    }
}

TEST(MarksCheck, AbsorptionWhereTheBoardShowsALetterIsReported)
{
    const std::vector<Observation> shown{kLeavesRightAtThree, kStraightThrough};
    const std::vector<MarkDisagreement> found = checkMarks(8, kAbsorbs, shown);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].entryNumber, 4);
    EXPECT_EQ(found[0].shown, kLeavesRightAtThree);
    EXPECT_EQ(found[0].marked.outcome, Outcome::Hit);
}

TEST(MarksCheck, AbsorptionWhereTheBoardShowsAReflectionIsReported)
{
    const std::vector<MarkDisagreement> found = checkMarks(8, kAbsorbs, std::vector{kReflection});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].shown.outcome, Outcome::Reflection);
    EXPECT_EQ(found[0].marked.outcome, Outcome::Hit);
    EXPECT_TRUE(checkMarks(8, kReflects, std::vector{kReflection}).empty());
}

TEST(MarksCheck, ReflectionWhereTheBoardShowsAnAbsorptionIsReported)
{
    const std::vector<MarkDisagreement> found = checkMarks(8, kReflects, std::vector{kHit});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].marked.outcome, Outcome::Reflection);
    EXPECT_TRUE(checkMarks(8, kAbsorbs, std::vector{kHit}).empty());
}

TEST(MarksCheck, LeavingByAnotherCellIsReportedWithThatCell)
{
    const std::vector<MarkDisagreement> found = checkMarks(8, kTurnsRightLater, std::vector{kLeavesRightAtThree});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].marked.outcome, Outcome::Deflection);
    EXPECT_EQ(found[0].marked.exit, (CellPos{4, 9}));
    EXPECT_TRUE(checkMarks(8, kTurnsRight, std::vector{kLeavesRightAtThree}).empty());
}

TEST(MarksCheck, DisagreementsKeepTheBoardsOrderAndNumberEachSide)
{
    // No marks at all: every shot goes straight across, so none of these absorptions holds.
    const std::vector<Observation> shown{{{9, 3}, Outcome::Hit, {}}, {{2, 9}, Outcome::Hit, {}},
        {{6, 0}, Outcome::Hit, {}}, {{0, 7}, Outcome::Hit, {}}};
    const std::vector<MarkDisagreement> found = checkMarks(8, AtomLayout(), shown);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].entryNumber, 22);
    EXPECT_EQ(found[1].entryNumber, 10);
    EXPECT_EQ(found[2].entryNumber, 27);
    EXPECT_EQ(found[3].entryNumber, 7);
    EXPECT_EQ(found[0].marked.exit, (CellPos{0, 3}));
}

TEST(MarksCheck, MarksOffTheFieldAreNotAtoms)
{
    AtomLayout marks;
    marks.place({0, 3});
    marks.place({9, 5});
    EXPECT_TRUE(checkMarks(8, marks, std::vector{kStraightThrough, Observation{{0, 4}, Outcome::Deflection, {9, 4}}}).empty());
}

TEST(MarksCheck, ShotsThatCannotBeFiredAreReportedAsDisagreeing)
{
    const std::vector<Observation> shown{{{0, 0}, Outcome::Hit, {}}, {{3, 3}, Outcome::Hit, {}}};
    const std::vector<MarkDisagreement> found = checkMarks(8, AtomLayout(), shown);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].entryNumber, 0);
    EXPECT_EQ(found[1].marked.outcome, Outcome::None);
    EXPECT_EQ(checkMarks(0, AtomLayout(), std::vector{kHit}).size(), 1u);
}

} // namespace
} // namespace orbalux
