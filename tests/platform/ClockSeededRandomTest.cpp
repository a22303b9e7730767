#include "platform/ClockSeededRandom.h"

#include "game/PlaceAtoms.h"

#include <gtest/gtest.h>

#include <array>

namespace orbalux {
namespace {

TEST(PlaceAtoms, KeepsEveryAtomInsideTheFieldItWasAskedFor)
{
    ClockSeededRandom random;
    for (int round = 0; round < 50; ++round) {
        const AtomDeal deal = PlaceAtoms(8, 15, random);
        ASSERT_EQ(deal.AtomMap.count(), 15);
        for (std::int16_t row = 0; row <= 9; ++row) {
            for (std::int16_t column = 0; column <= 9; ++column) {
                const bool inside = row >= 1 && row <= 8 && column >= 1 && column <= 8;
                ASSERT_TRUE(inside || !deal.AtomMap.hasAtom(row, column));
            }
        }
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

// A source that favoured part of the interval would hide the atoms in part of the field, and
// a player would learn where to look. Over 400 deals of 5 atoms each quarter of an 8 by 8 field
// expects 500 atoms; a fair source stays far from 350 (about seven standard deviations).
TEST(ClockSeededRandom, SpreadsAtomsOverTheWholeField)
{
    ClockSeededRandom random;
    std::array<int, 4> perQuarter{};
    for (int deal = 0; deal < 400; ++deal) {
        const AtomLayout atoms = PlaceAtoms(8, 5, random).AtomMap;
        for (std::int16_t row = 1; row <= 8; ++row) {
            for (std::int16_t column = 1; column <= 8; ++column) {
                if (atoms.hasAtom(row, column))
                    ++perQuarter[(row > 4 ? 2 : 0) + (column > 4 ? 1 : 0)];
            }
        }
    }
    for (int quarter = 0; quarter < 4; ++quarter)
        EXPECT_GT(perQuarter[quarter], 350) << "quarter " << quarter;
}

} // namespace
} // namespace orbalux
