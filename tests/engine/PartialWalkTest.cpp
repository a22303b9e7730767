#include "deduce/PartialWalk.h"
#include "game/BorderCell.h"
#include "game/GridLimits.h"
#include "game/TraceLaser.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <random>

namespace orbalux {
namespace {

PartialField decided(const AtomLayout& atoms, int gridSize)
{
    PartialField field(gridSize);
    for (int row = 1; row <= gridSize; ++row) {
        for (int column = 1; column <= gridSize; ++column) {
            const bool atom = atoms.hasAtom(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
            field.decide(PartialField::indexOf(row, column), atom ? CellState::Atom : CellState::Empty);
        }
    }
    return field;
}

TEST(PartialWalk, OnADecidedFieldEndsAsTheLaserWalkDoes)
{
    std::mt19937 random(29u);
    for (std::int16_t gridSize = 1; gridSize <= kMaxGridSize; ++gridSize) {
        std::uniform_int_distribution<int> cell(1, gridSize);
        for (int layout = 0; layout < 20; ++layout) {
            AtomLayout atoms;
            for (int i = 0; i < layout % 12; ++i)
                atoms.place({static_cast<std::int16_t>(cell(random)), static_cast<std::int16_t>(cell(random))});
            const PartialField field = decided(atoms, gridSize);
            for (int number = 1; number <= 4 * gridSize; ++number) {
                const CellPos entry = BorderCell::at(gridSize, number);
                const LaserWalk expected = TraceLaser(atoms, gridSize, entry);
                const WalkStop stop = PartialWalk(gridSize, entry).advance(field);
                ASSERT_TRUE(stop.finished);
                ASSERT_EQ(stop.outcome, expected.outcome) << gridSize << " " << number;
                if (expected.outcome == Outcome::Deflection) {
                    ASSERT_EQ(stop.exit, expected.finalCell);
                }
            }
        }
    }
}

TEST(PartialWalk, WaitsBeforeTheFirstUndecidedCellAndResumesFromThere)
{
    PartialField field(8);
    const int hidden = PartialField::indexOf(4, 4);
    for (int index : field.undecidedCells()) {
        if (index != hidden)
            field.decide(index, CellState::Empty);
    }
    PartialWalk walk(8, {0, 4});
    EXPECT_EQ(walk.advance(field).blockedCell, hidden);
    PartialWalk assuming = walk;
    EXPECT_EQ(assuming.advance(field, hidden, CellState::Atom).outcome, Outcome::Hit);
    field.decide(hidden, CellState::Empty);
    const WalkStop stop = walk.advance(field);
    EXPECT_EQ(stop.outcome, Outcome::Deflection);
    EXPECT_EQ(stop.exit, (CellPos{9, 4}));
}

TEST(PartialWalk, ADiagonalAtomAtTheEntryReflectsWhateverTheOtherSideHolds)
{
    PartialField field(8);
    field.decide(PartialField::indexOf(1, 4), CellState::Empty);
    field.decide(PartialField::indexOf(1, 5), CellState::Atom);
    EXPECT_EQ(PartialWalk(8, {0, 4}).advance(field).outcome, Outcome::Reflection);
}

} // namespace
} // namespace orbalux
