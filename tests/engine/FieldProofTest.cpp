#include "deduce/FieldProof.h"
#include "deduce/GameDeduction.h"
#include "deduce/StepBudget.h"
#include "LayoutCatalogue.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <random>

namespace orbalux {
namespace {

using testing::allNumbers;
using testing::atomsFromPicture;
using testing::Catalogue;
using testing::everyLayoutOf;
using testing::observe;

// Enough for any field these tests use; none of them is about running out.
constexpr std::int64_t kAmpleSteps = 100'000'000;

#ifndef ORBALUX_EXHAUSTIVE_STRIDE
#define ORBALUX_EXHAUSTIVE_STRIDE 1
#endif

FieldProof prove(int gridSize, int atomCount, const std::vector<Observation>& observations,
    std::int64_t steps = kAmpleSteps)
{
    StepBudget budget(steps);
    return proveField(static_cast<std::int16_t>(gridSize), atomCount, observations, budget);
}

std::vector<int> randomNumbers(int gridSize, std::mt19937& random)
{
    std::vector<int> numbers = allNumbers(gridSize);
    std::shuffle(numbers.begin(), numbers.end(), random);
    numbers.resize(std::uniform_int_distribution<std::size_t>(0, numbers.size())(random));
    return numbers;
}

// The proof by enumeration: a cell every fitting layout fills, or none does.
void expectProofAgrees(const Catalogue& catalogue, std::size_t hidden, const std::vector<int>& numbers)
{
    const int gridSize = catalogue.gridSize;
    const AtomLayout& atoms = catalogue.layouts[hidden];
    const std::vector<std::size_t> fitting = catalogue.fittingAll(hidden, atoms.count(), numbers);
    const FieldProof proof = prove(gridSize, atoms.count(), observe(atoms, gridSize, numbers));
    ASSERT_TRUE(proof.complete);
    for (std::int16_t row = 1; row <= gridSize; ++row) {
        for (std::int16_t column = 1; column <= gridSize; ++column) {
            const auto filled = std::count_if(fitting.begin(), fitting.end(),
                [&](std::size_t layout) { return catalogue.layouts[layout].hasAtom(row, column); });
            const auto fits = static_cast<std::ptrdiff_t>(fitting.size());
            ASSERT_EQ(proof.provenAtoms.hasAtom(row, column), filled == fits) << row << "," << column;
            ASSERT_EQ(proof.provenEmpty.hasAtom(row, column), filled == 0) << row << "," << column;
        }
    }
}

TEST(ProofIsExact, EveryFourByFourLayoutOfThreeAtomsWithRandomShotsAgreesWithEnumeration)
{
    const Catalogue catalogue(4, everyLayoutOf(4, 3));
    std::mt19937 random(18u);
    for (std::size_t hidden = 0; hidden < catalogue.layouts.size(); hidden += ORBALUX_EXHAUSTIVE_STRIDE) {
        const std::vector<int> numbers = randomNumbers(4, random);
        ASSERT_NO_FATAL_FAILURE(expectProofAgrees(catalogue, hidden, numbers)) << "layout " << hidden;
    }
}

TEST(ProofIsExact, RandomFiveByFiveFieldsAgreeWithEnumeration)
{
    const Catalogue catalogue(5, everyLayoutOf(5, 5));
    std::mt19937 random(55u);
    std::uniform_int_distribution<std::size_t> pick(0, catalogue.layouts.size() - 1);
    for (int i = 0; i < 60 / ORBALUX_EXHAUSTIVE_STRIDE; ++i) {
        const std::size_t hidden = pick(random);
        const std::vector<int> numbers = i % 3 == 0 ? allNumbers(5) : randomNumbers(5, random);
        ASSERT_NO_FATAL_FAILURE(expectProofAgrees(catalogue, hidden, numbers)) << "case " << i;
    }
}

TEST(ProofIsExact, AShotStraightAcrossClearsItsLineAndBothNeighbours)
{
    const AtomLayout atoms = atomsFromPicture({"....", "....", "....", "...X"});
    // Left 4 is row 1: straight across to right 1.
    const FieldProof proof = prove(4, 1, observe(atoms, 4, {16}));
    EXPECT_TRUE(proof.complete);
    EXPECT_EQ(proof.provenAtoms, AtomLayout{});
    EXPECT_EQ(proof.provenEmpty, atomsFromPicture({"XXXX", "XXXX", "....", "...."}));
}

TEST(ProofIsExact, EveryShotFiredOnADecidedFieldProvesEveryCell)
{
    const AtomLayout atoms = atomsFromPicture({"X...", "....", "..X.", "X.XX"});
    const FieldProof proof = prove(4, 5, observe(atoms, 4, allNumbers(4)));
    EXPECT_TRUE(proof.complete);
    EXPECT_EQ(proof.provenAtoms, atoms);
    EXPECT_EQ(proof.provenEmpty, atomsFromPicture({".XXX", "XXXX", "XX.X", ".X.."}));
}

TEST(ProofIsExact, ShotsNoLayoutFitsProveNothing)
{
    const FieldProof proof = prove(4, 0, {{{0, 2}, Outcome::Hit, {}}});
    EXPECT_EQ(proof.provenAtoms, AtomLayout{});
    EXPECT_EQ(proof.provenEmpty, AtomLayout{});
}

TEST(ProofBudget, ARefusedBudgetProvesNothingAndEveryShorterBudgetProvesPartOfTheWhole)
{
    const AtomLayout atoms = atomsFromPicture(
        {"....X...", ".X......", "........", "......X.", "........", "..X.....", "........", ".....X.."});
    const std::vector<Observation> observations = observe(atoms, 8, {1, 5, 9, 14, 20, 27, 30});
    const FieldProof whole = prove(8, 5, observations);
    ASSERT_TRUE(whole.complete);
    const FieldProof none = prove(8, 5, observations, 0);
    EXPECT_FALSE(none.complete);
    EXPECT_EQ(none.provenEmpty.count() + none.provenAtoms.count(), 0);
    for (std::int64_t steps = 1; steps < 4000; steps = steps * 3 / 2 + 1) {
        const FieldProof part = prove(8, 5, observations, steps);
        for (std::int16_t row = 1; row <= 8; ++row) {
            for (std::int16_t column = 1; column <= 8; ++column) {
                EXPECT_TRUE(!part.provenAtoms.hasAtom(row, column) || whole.provenAtoms.hasAtom(row, column));
                EXPECT_TRUE(!part.provenEmpty.hasAtom(row, column) || whole.provenEmpty.hasAtom(row, column));
            }
        }
    }
}

TEST(ProofOfAGame, AGameProvesFromTheShotsOnItsBorder)
{
    Game game = testing::gameWith({"....", "....", "....", "...X"});
    game.Shoot({1, 0}, false);
    StepBudget budget(kAmpleSteps);
    const FieldProof proof = proveField(game, budget);
    EXPECT_EQ(proof.provenEmpty, atomsFromPicture({"XXXX", "XXXX", "....", "...."}));
}

} // namespace
} // namespace orbalux
