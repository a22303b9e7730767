#include "game/GridLimits.h"
#include "game/TraceLaser.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace orbalux {
namespace {

using testing::atomsFromPicture;
using K = SegmentKind;

TraceSegment seg(K kind, int row, int column)
{
    return {kind, {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}};
}

CellPos at(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

AtomLayout atomsAt(std::initializer_list<CellPos> cells)
{
    AtomLayout atoms;
    for (CellPos cell : cells)
        atoms.place(cell);
    return atoms;
}

// The worked examples of the rule book, on an 8 by 8 field.
TEST(LaserRules, RunsStraightIntoAnAtomAndStopsBeforeIt)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(3, 4)}), 8, at(0, 4));
    EXPECT_EQ(walk.outcome, Outcome::Hit);
    EXPECT_EQ(walk.finalCell, at(2, 4));
    EXPECT_EQ(walk.trace, (std::vector{seg(K::VBar, 1, 4), seg(K::VBar, 2, 4)}));
}

TEST(LaserRules, AtomDiagonallyAheadOfTheEntryReflectsAtOnce)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(1, 5)}), 8, at(0, 4));
    EXPECT_EQ(walk.outcome, Outcome::Reflection);
    EXPECT_EQ(walk.finalCell, at(0, 4));
    EXPECT_TRUE(walk.trace.empty());
}

TEST(LaserRules, TurnsAwayFromADiagonalAtomAndLeavesTheSide)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(4, 3)}), 8, at(0, 4));
    EXPECT_EQ(walk.outcome, Outcome::Deflection);
    EXPECT_EQ(walk.finalCell, at(3, 9));
    EXPECT_EQ(walk.trace,
        (std::vector{seg(K::VBar, 1, 4), seg(K::VBar, 2, 4), seg(K::VBar, 3, 4), seg(K::NEBar, 3, 4),
            seg(K::HBar, 3, 5), seg(K::HBar, 3, 6), seg(K::HBar, 3, 7), seg(K::HBar, 3, 8)}));
}

TEST(LaserRules, TwoAtomsAcrossThePathReverseItBackOutOfItsEntry)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(4, 3), at(4, 5)}), 8, at(0, 4));
    EXPECT_EQ(walk.outcome, Outcome::Reflection);
    EXPECT_EQ(walk.finalCell, at(0, 4));
    EXPECT_EQ(walk.trace,
        (std::vector{seg(K::VBar, 1, 4), seg(K::VBar, 2, 4), seg(K::VBar, 3, 4), seg(K::VBar, 3, 4),
            seg(K::VBar, 2, 4), seg(K::VBar, 1, 4)}));
}

TEST(LaserRules, TwoTurnsBringTheLaserOutAtTheBottom)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(4, 3), at(2, 6)}), 8, at(0, 4));
    EXPECT_EQ(walk.outcome, Outcome::Deflection);
    EXPECT_EQ(walk.finalCell, at(9, 5));
    std::vector expected{seg(K::VBar, 1, 4), seg(K::VBar, 2, 4), seg(K::VBar, 3, 4), seg(K::NEBar, 3, 4),
        seg(K::HBar, 3, 5), seg(K::SWBar, 3, 5)};
    for (int row = 4; row <= 8; ++row)
        expected.push_back(seg(K::VBar, row, 5));
    EXPECT_EQ(walk.trace, expected);
}

TEST(LaserRules, TurnOnTheLastLineLeavesFromThatCellToTheNeighbouringBorder)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(2, 2)}), 8, at(0, 1));
    EXPECT_EQ(walk.outcome, Outcome::Deflection);
    EXPECT_EQ(walk.finalCell, at(1, 0));
    EXPECT_EQ(walk.trace, (std::vector{seg(K::VBar, 1, 1), seg(K::NWBar, 1, 1)}));
}

TEST(LaserRules, AtomStraightAheadOfTheEntryIsAHitOnTheBorder)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(1, 1)}), 8, at(0, 1));
    EXPECT_EQ(walk.outcome, Outcome::Hit);
    EXPECT_EQ(walk.finalCell, at(0, 1));
    EXPECT_TRUE(walk.trace.empty());
}

TEST(LaserRules, HitTestComesBeforeTheDiagonalsOnEntryAndInside)
{
    EXPECT_EQ(TraceLaser(atomsAt({at(1, 3), at(1, 4), at(1, 5)}), 8, at(0, 4)).outcome, Outcome::Hit);
    const LaserWalk inside = TraceLaser(atomsAt({at(4, 3), at(4, 4), at(4, 5)}), 8, at(0, 4));
    EXPECT_EQ(inside.outcome, Outcome::Hit);
    EXPECT_EQ(inside.finalCell, at(3, 4));
}

TEST(LaserRules, BothDiagonalsOnEntryStillReflect)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(8, 3), at(8, 5)}), 8, at(9, 4));
    EXPECT_EQ(walk.outcome, Outcome::Reflection);
    EXPECT_TRUE(walk.trace.empty());
}

TEST(LaserRules, EmptyLineGoesStraightAcrossWithOneSegmentPerCell)
{
    const LaserWalk walk = TraceLaser(atomsAt({at(1, 1)}), 8, at(5, 9));
    EXPECT_EQ(walk.outcome, Outcome::Deflection);
    EXPECT_EQ(walk.finalCell, at(5, 0));
    ASSERT_EQ(walk.trace.size(), 8u);
    for (const TraceSegment& segment : walk.trace)
        EXPECT_EQ(segment.kind, K::HBar);
}

TEST(LaserRules, FiringBackFromTheExitComesOutAtTheEntry)
{
    const AtomLayout atoms = atomsAt({at(4, 3), at(2, 6)});
    const LaserWalk back = TraceLaser(atoms, 8, at(9, 5));
    EXPECT_EQ(back.outcome, Outcome::Deflection);
    EXPECT_EQ(back.finalCell, at(0, 4));
}

TEST(LaserRules, TurnsWhileHeadingUpOrLeftDrawTheCornersTheyPassThrough)
{
    // Up from the bottom, an atom up and to the left turns the laser right.
    const LaserWalk up = TraceLaser(atomsAt({at(4, 3)}), 8, at(9, 4));
    EXPECT_EQ(up.outcome, Outcome::Deflection);
    EXPECT_EQ(up.finalCell, at(5, 9));
    EXPECT_EQ(up.trace[4], seg(K::SEBar, 5, 4));
    // Up again, an atom up and to the right turns it left.
    const LaserWalk upLeft = TraceLaser(atomsAt({at(4, 5)}), 8, at(9, 4));
    EXPECT_EQ(upLeft.finalCell, at(5, 0));
    EXPECT_EQ(upLeft.trace[4], seg(K::SWBar, 5, 4));
    // Left from the right border, an atom ahead and below turns the laser up.
    const LaserWalk left = TraceLaser(atomsAt({at(5, 4)}), 8, at(4, 9));
    EXPECT_EQ(left.finalCell, at(0, 5));
    EXPECT_EQ(left.trace[4], seg(K::NEBar, 4, 5));
    // Left again, an atom ahead and above turns it down.
    const LaserWalk leftDown = TraceLaser(atomsAt({at(3, 4)}), 8, at(4, 9));
    EXPECT_EQ(leftDown.finalCell, at(9, 5));
    EXPECT_EQ(leftDown.trace[4], seg(K::SEBar, 4, 5));
}

TEST(LaserRules, CornersAndFieldCellsOfferNoWayIn)
{
    const AtomLayout atoms;
    for (CellPos entry : {at(0, 0), at(0, 9), at(9, 9), at(4, 4), at(-1, 3), at(3, 20)})
        EXPECT_EQ(TraceLaser(atoms, 8, entry).outcome, Outcome::None);
    EXPECT_EQ(TraceLaser(atoms, kMaxGridSize + 1, at(0, 3)).outcome, Outcome::None);
}

std::vector<CellPos> borderCells(std::int16_t n)
{
    std::vector<CellPos> cells;
    const auto edge = static_cast<std::int16_t>(n + 1);
    for (std::int16_t i = 1; i <= n; ++i) {
        cells.push_back({0, i});
        cells.push_back({edge, i});
        cells.push_back({i, 0});
        cells.push_back({i, edge});
    }
    return cells;
}

AtomLayout layoutFromMask(unsigned mask, bool fillBeyond)
{
    AtomLayout atoms;
    for (int bit = 0; bit < 16; ++bit) {
        if (mask & (1u << bit))
            atoms.place(at(bit / 4 + 1, bit % 4 + 1));
    }
    // Atoms beyond the far border must never be seen by a walk on this field.
    for (int r = 0; fillBeyond && r < AtomLayout::kSide; ++r) {
        for (int c = 0; c < AtomLayout::kSide; ++c) {
            if (r > 5 || c > 5)
                atoms.place(at(r, c));
        }
    }
    return atoms;
}

std::set<std::tuple<int, int, K>> cornersOf(const LaserWalk& walk)
{
    std::set<std::tuple<int, int, K>> corners;
    for (const TraceSegment& segment : walk.trace) {
        if (segment.kind != K::VBar && segment.kind != K::HBar)
            corners.emplace(segment.cell.row, segment.cell.column, segment.kind);
    }
    return corners;
}

void checkWalk(const AtomLayout& atoms, const AtomLayout& withBeyond, CellPos entry, unsigned mask)
{
    const LaserWalk walk = TraceLaser(atoms, 4, entry);
    const LaserWalk shielded = TraceLaser(withBeyond, 4, entry);
    SCOPED_TRACE(::testing::Message() << "layout " << mask << " entry " << entry.row << "," << entry.column);
    ASSERT_NE(walk.outcome, Outcome::None);
    ASSERT_EQ(walk.outcome, shielded.outcome);
    ASSERT_EQ(walk.trace, shielded.trace);
    for (const TraceSegment& segment : walk.trace) {
        ASSERT_GE(segment.cell.row, 1);
        ASSERT_LE(segment.cell.row, 4);
        ASSERT_GE(segment.cell.column, 1);
        ASSERT_LE(segment.cell.column, 4);
    }
    if (walk.outcome != Outcome::Deflection)
        return;
    ASSERT_NE(walk.finalCell, entry);
    const LaserWalk back = TraceLaser(atoms, 4, walk.finalCell);
    ASSERT_EQ(back.outcome, Outcome::Deflection);
    ASSERT_EQ(back.finalCell, entry);
    // A corner joins two cell edges whichever way the laser runs through it.
    ASSERT_EQ(cornersOf(walk), cornersOf(back));
}

TEST(LaserRules, EveryLayoutOfAFourByFourFieldEndsStaysInsideAndIsReversibleWithTheSameCorners)
{
    const std::vector<CellPos> entries = borderCells(4);
    for (unsigned mask = 0; mask < (1u << 16); ++mask) {
        const AtomLayout atoms = layoutFromMask(mask, false);
        const AtomLayout withBeyond = layoutFromMask(mask, true);
        for (CellPos entry : entries) {
            checkWalk(atoms, withBeyond, entry, mask);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
} // namespace orbalux
