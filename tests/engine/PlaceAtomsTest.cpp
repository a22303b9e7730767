#include "game/GridLimits.h"
#include "game/PlaceAtoms.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

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
    const AtomDeal deal = PlaceAtoms(kMaxGridSize, 1, random);
    EXPECT_EQ(deal.complaints, (std::vector<BadDraw>{BadDraw::Row, BadDraw::Column, BadDraw::Row, BadDraw::Column}));
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

} // namespace
} // namespace orbalux
