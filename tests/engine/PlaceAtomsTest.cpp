#include "ClockSeededRandom.h"
#include "PlaceAtoms.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <array>

namespace orbalux {
namespace {

using testing::SequenceRandom;

bool onlyInsideField(const AtomLayout& atoms, int n)
{
    for (std::int16_t r = 0; r < AtomLayout::kSide; ++r) {
        for (std::int16_t c = 0; c < AtomLayout::kSide; ++c) {
            if (atoms.hasAtom(r, c) && (r < 1 || r > n || c < 1 || c > n))
                return false;
        }
    }
    return true;
}

TEST(PlaceAtoms, FifteenAtomsOnAFourByFourFieldLeaveOneCellFree)
{
    SequenceRandom random;
    const AtomDeal deal = PlaceAtoms(4, 15, random);
    EXPECT_EQ(deal.AtomMap.count(), 15);
    EXPECT_EQ(deal.placed, 15);
    EXPECT_TRUE(onlyInsideField(deal.AtomMap, 4));
    EXPECT_TRUE(deal.complaints.empty());
}

TEST(PlaceAtoms, DrawsRowThenColumnAndRedrawsBothOnAnOccupiedCell)
{
    // (0.0, 0.99) -> (1, 8); the same cell again is discarded; then (0.5, 0.25) -> (5, 3).
    SequenceRandom random({0.0f, 0.99f, 0.1f, 0.9f, 0.5f, 0.25f});
    const AtomDeal deal = PlaceAtoms(8, 2, random);
    EXPECT_TRUE(deal.AtomMap.hasAtom(1, 8));
    EXPECT_TRUE(deal.AtomMap.hasAtom(5, 3));
    EXPECT_EQ(deal.AtomMap.count(), 2);
    EXPECT_EQ(random.reseeds, 1);
}

TEST(PlaceAtoms, ABrokenSourceIsReportedAndNeverWritesOutsideTheMap)
{
    SequenceRandom random({1.0f, 0.5f, 0.5f, -0.1f, 2000.0f, 1e30f, 0.0f, 0.0f});
    const AtomDeal deal = PlaceAtoms(15, 1, random);
    EXPECT_EQ(deal.complaints, (std::vector<std::string>{"Bad #1", "Bad #2", "Bad #1", "Bad #2"}));
    EXPECT_EQ(deal.AtomMap.count(), 1);
    EXPECT_TRUE(deal.AtomMap.hasAtom(1, 1));
}

TEST(PlaceAtoms, MoreAtomsThanCellsFillTheFieldInsteadOfSpinning)
{
    SequenceRandom random;
    const AtomDeal deal = PlaceAtoms(4, 400, random);
    EXPECT_EQ(deal.AtomMap.count(), 16);
    EXPECT_EQ(deal.placed, 16);
}

TEST(PlaceAtoms, KeepsEveryAtomInsideTheFieldItWasAskedFor)
{
    ClockSeededRandom random;
    for (int round = 0; round < 50; ++round) {
        const AtomDeal deal = PlaceAtoms(8, 15, random);
        ASSERT_EQ(deal.AtomMap.count(), 15);
        ASSERT_TRUE(onlyInsideField(deal.AtomMap, 8));
    }
}

std::array<float, 8> drawsAfterReseed(ClockSeededRandom& random)
{
    random.reseed();
    std::array<float, 8> draws{};
    for (float& draw : draws)
        draw = random.next();
    return draws;
}

// Two runs of the program, or two deals of one run, must not see the same atoms.
TEST(ClockSeededRandom, EveryReseedStartsAFreshSequence)
{
    ClockSeededRandom first;
    ClockSeededRandom second;
    const auto firstDraws = drawsAfterReseed(first);
    EXPECT_NE(firstDraws, drawsAfterReseed(second));
    EXPECT_NE(firstDraws, drawsAfterReseed(first));
}

TEST(ClockSeededRandom, StaysInsideTheHalfOpenInterval)
{
    ClockSeededRandom random;
    random.reseed();
    for (int i = 0; i < 200000; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
    }
}

} // namespace
} // namespace orbalux
