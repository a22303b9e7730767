#include "ClockSeededRandom.h"
#include "PlaceAtoms.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::ScriptedMessenger;
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

GameState settings(int gridSize, int atomCount)
{
    GameState state;
    setGridSize(state, gridSize);
    state.AtomCount = static_cast<std::int16_t>(atomCount);
    return state;
}

TEST(PlaceAtoms, FifteenAtomsOnAFourByFourFieldLeaveOneCellFree)
{
    GameState state = settings(4, 15);
    SequenceRandom random;
    ScriptedMessenger messenger;
    PlaceAtoms(state, random, messenger);
    EXPECT_EQ(state.AtomMap.count(), 15);
    EXPECT_EQ(state.atomsInGame, 15);
    EXPECT_TRUE(onlyInsideField(state.AtomMap, 4));
    EXPECT_TRUE(state.AtomMap.hasAtom(state.LaserRow, state.LaserCol));
    EXPECT_TRUE(messenger.shown.empty());
}

TEST(PlaceAtoms, DrawsRowThenColumnAndRedrawsBothOnAnOccupiedCell)
{
    GameState state = settings(8, 2);
    // (0.0, 0.99) -> (1, 8); the same cell again is discarded; then (0.5, 0.25) -> (5, 3).
    SequenceRandom random({0.0f, 0.99f, 0.1f, 0.9f, 0.5f, 0.25f});
    ScriptedMessenger messenger;
    PlaceAtoms(state, random, messenger);
    EXPECT_TRUE(state.AtomMap.hasAtom(1, 8));
    EXPECT_TRUE(state.AtomMap.hasAtom(5, 3));
    EXPECT_EQ(state.AtomMap.count(), 2);
    EXPECT_EQ(CellPos(state.LaserRow, state.LaserCol), CellPos(5, 3));
    EXPECT_EQ(random.reseeds, 1);
}

TEST(PlaceAtoms, ABrokenSourceIsReportedAndNeverWritesOutsideTheMap)
{
    GameState state = settings(15, 1);
    SequenceRandom random({1.0f, 0.5f, 0.5f, -0.1f, 2000.0f, 1e30f, 0.0f, 0.0f});
    ScriptedMessenger messenger;
    PlaceAtoms(state, random, messenger);
    EXPECT_EQ(messenger.shown, (std::vector<std::string>{"Bad #1", "Bad #2", "Bad #1", "Bad #2"}));
    EXPECT_EQ(state.AtomMap.count(), 1);
    EXPECT_TRUE(state.AtomMap.hasAtom(1, 1));
}

TEST(PlaceAtoms, MoreAtomsThanCellsFillTheFieldInsteadOfSpinning)
{
    GameState state = settings(4, 15);
    state.AtomCount = 400;
    SequenceRandom random;
    ScriptedMessenger messenger;
    PlaceAtoms(state, random, messenger);
    EXPECT_EQ(state.AtomMap.count(), 16);
    EXPECT_EQ(state.atomsInGame, 16);
}

TEST(PlaceAtoms, ASmallerGameLeavesNothingOfTheLargerOne)
{
    GameState state = settings(15, 15);
    ClockSeededRandom random;
    ScriptedMessenger messenger;
    for (int round = 0; round < 50; ++round) {
        setGridSize(state, 15);
        PlaceAtoms(state, random, messenger);
        setGridSize(state, 8);
        PlaceAtoms(state, random, messenger);
        ASSERT_EQ(state.AtomMap.count(), 15);
        ASSERT_TRUE(onlyInsideField(state.AtomMap, 8));
    }
}

TEST(PlaceAtoms, TheClockSeededSourceGivesFreshLayouts)
{
    GameState state = settings(8, 5);
    ClockSeededRandom random;
    ScriptedMessenger messenger;
    PlaceAtoms(state, random, messenger);
    const AtomLayout first = state.AtomMap;
    int repeats = 0;
    for (int i = 0; i < 20; ++i) {
        PlaceAtoms(state, random, messenger);
        repeats += state.AtomMap == first ? 1 : 0;
    }
    EXPECT_LT(repeats, 2);
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
