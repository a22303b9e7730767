#include "deduce/DecidableDeal.h"
#include "deduce/DeductionSolver.h"
#include "deduce/StepBudget.h"
#include "game/BorderCell.h"
#include "game/GridLimits.h"
#include "game/TraceLaser.h"
#include "LayoutCatalogue.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace orbalux {
namespace {

using testing::allNumbers;
using testing::atomsFromPicture;
using testing::Catalogue;
using testing::everyLayout;
using testing::everyLayoutOf;
using testing::observe;

// Enough for any field these tests use; none of them is about running out.
constexpr std::int64_t kAmpleSteps = 100'000'000;

// The exhaustive sweep below makes 65,536 solver calls; under the sanitizers it may look at
// every stride-th layout only, to keep that build's run short.
#ifndef ORBALUX_EXHAUSTIVE_STRIDE
#define ORBALUX_EXHAUSTIVE_STRIDE 1
#endif

Deduction deduce(int gridSize, int atomCount, const std::vector<Observation>& observations)
{
    StepBudget budget(kAmpleSteps);
    return deduceField(static_cast<std::int16_t>(gridSize), atomCount, observations, budget);
}

// What a verdict with examples must hold: each example has the atoms asked for and shows
// every observation; Several gives two different ones, Unique gives the hidden layout.
void expectExamplesFit(const Deduction& deduction, const AtomLayout& hidden, int gridSize,
    const std::vector<int>& numbers)
{
    ASSERT_EQ(deduction.examples.size(), deduction.verdict == Verdict::Several ? 2u : 1u);
    for (const AtomLayout& example : deduction.examples) {
        EXPECT_EQ(example.count(), hidden.count());
        EXPECT_EQ(observe(example, gridSize, numbers), observe(hidden, gridSize, numbers));
    }
    if (deduction.verdict == Verdict::Several)
        EXPECT_NE(deduction.examples[0], deduction.examples[1]);
    else
        EXPECT_EQ(deduction.examples[0], hidden);
}

std::vector<int> randomNumbers(int gridSize, std::mt19937& random)
{
    std::vector<int> numbers = allNumbers(gridSize);
    std::shuffle(numbers.begin(), numbers.end(), random);
    numbers.resize(std::uniform_int_distribution<std::size_t>(0, numbers.size())(random));
    return numbers;
}

TEST(DeductionIsExact, EveryFourByFourLayoutShotFromEveryBorderCellAgreesWithItsBoardsGroup)
{
    const Catalogue catalogue(4, everyLayout(4));
    const std::vector<int> numbers = allNumbers(4);
    // Keyed by ints, not bytes: GCC 12 at -O3 sees a false overread in the memcmp that
    // compares byte vectors.
    std::map<std::vector<int>, int> boards;
    auto boardOf = [&](std::size_t layout) {
        std::vector<int> board{catalogue.layouts[layout].count()};
        for (int number : numbers)
            board.push_back(catalogue.result(layout, number));
        return board;
    };
    for (std::size_t layout = 0; layout < catalogue.layouts.size(); ++layout)
        ++boards[boardOf(layout)];
    int unique = 0;
    for (std::size_t layout = 0; layout < catalogue.layouts.size(); layout += ORBALUX_EXHAUSTIVE_STRIDE) {
        const AtomLayout& hidden = catalogue.layouts[layout];
        const Deduction deduction = deduce(4, hidden.count(), observe(hidden, 4, numbers));
        const Verdict expected = boards[boardOf(layout)] == 1 ? Verdict::Unique : Verdict::Several;
        ASSERT_EQ(deduction.verdict, expected) << "layout " << layout;
        expectExamplesFit(deduction, hidden, 4, numbers);
        unique += expected == Verdict::Unique ? 1 : 0;
    }
    if (ORBALUX_EXHAUSTIVE_STRIDE == 1) {
        EXPECT_EQ(unique, std::count_if(boards.begin(), boards.end(), [](const auto& b) { return b.second == 1; }));
    }
}

void expectRandomSubsetsAgree(const Catalogue& catalogue, int cases, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, catalogue.layouts.size() - 1);
    const int gridSize = catalogue.gridSize;
    for (int i = 0; i < cases; ++i) {
        const std::size_t layout = pick(random);
        const AtomLayout& hidden = catalogue.layouts[layout];
        const std::vector<int> numbers = randomNumbers(gridSize, random);
        const Deduction deduction = deduce(gridSize, hidden.count(), observe(hidden, gridSize, numbers));
        const int fitting = catalogue.fitting(layout, hidden.count(), numbers);
        ASSERT_EQ(deduction.verdict, fitting == 1 ? Verdict::Unique : Verdict::Several) << "case " << i;
        expectExamplesFit(deduction, hidden, gridSize, numbers);
    }
}

TEST(DeductionIsExact, RandomShotsOnFourByFourAgreeWithEnumeration)
{
    expectRandomSubsetsAgree(Catalogue(4, everyLayout(4)), 300, 4u);
}

TEST(DeductionIsExact, RandomShotsOnFiveByFiveWithFiveAtomsAgreeWithEnumeration)
{
    expectRandomSubsetsAgree(Catalogue(5, everyLayoutOf(5, 5)), 150, 5u);
}

TEST(DeductionIsExact, TwoLayoutsWithTheSameBoardAreSeveral)
{
    // The atom at (2, 2) hides behind its neighbours; moving it to (1, 4) changes no shot.
    const AtomLayout hidden = atomsFromPicture({"XX..", "XX..", "...X", "...."});
    const AtomLayout twin = atomsFromPicture({"XX.X", "X...", "...X", "...."});
    ASSERT_EQ(observeEveryBorderCell(twin, 4), observeEveryBorderCell(hidden, 4));
    const Deduction deduction = deduce(4, 5, observeEveryBorderCell(hidden, 4));
    EXPECT_EQ(deduction.verdict, Verdict::Several);
    expectExamplesFit(deduction, hidden, 4, allNumbers(4));
}

TEST(DeductionIsExact, EveryFiveByFiveLayoutOfFiveAtomsDecidesAsMeasuredByEnumeration)
{
    int decided = 0;
    const std::vector<AtomLayout> layouts = everyLayoutOf(5, 5);
    for (std::size_t i = 0; i < layouts.size(); i += ORBALUX_EXHAUSTIVE_STRIDE)
        decided += deduce(5, 5, observeEveryBorderCell(layouts[i], 5)).verdict == Verdict::Unique ? 1 : 0;
    if (ORBALUX_EXHAUSTIVE_STRIDE == 1) {
        EXPECT_EQ(decided, 39'936);
    }
}

TEST(DeductionIsExact, NoShotsLeaveEveryPlacementOpen)
{
    EXPECT_EQ(deduce(3, 0, {}).verdict, Verdict::Unique);
    EXPECT_EQ(deduce(3, 9, {}).verdict, Verdict::Unique);
    EXPECT_EQ(deduce(3, 9, {}).examples.at(0).count(), 9);
    EXPECT_EQ(deduce(3, 1, {}).verdict, Verdict::Several);
}

TEST(DeductionBudget, RefusedFirstStepAnswersUnknown)
{
    StepBudget budget(0);
    const std::vector<Observation> observations = observeEveryBorderCell(atomsFromPicture({"X..", "...", "..."}), 3);
    EXPECT_EQ(deduceField(3, 1, observations, budget).verdict, Verdict::Unknown);
}

TEST(DeductionBudget, SearchStopsWhenStepsRunOutAndAnswersOnceTheyDoNot)
{
    const AtomLayout hidden = atomsFromPicture(
        {"....X...", ".X......", "........", "......X.", "........", "..X.....", "........", ".....X.."});
    const std::vector<Observation> observations = observe(hidden, 8, {1, 5, 9, 14, 20, 27});
    StepBudget few(3);
    EXPECT_EQ(deduceField(8, 5, observations, few).verdict, Verdict::Unknown);
    EXPECT_EQ(few.left(), 0);
    StepBudget plenty(kAmpleSteps);
    EXPECT_EQ(deduceField(8, 5, observations, plenty).verdict, Verdict::Several);
}

TEST(DeductionInput, MalformedQuestionsAreInvalid)
{
    const Observation hit{{0, 1}, Outcome::Hit, {}};
    EXPECT_EQ(deduce(0, 0, {}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(kMaxGridSize + 1, 1, {}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(-3, 1, {}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, -1, {hit}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 17, {hit}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{0, 0}, Outcome::Hit, {}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{5, 5}, Outcome::Hit, {}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{2, 2}, Outcome::Hit, {}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{-1, 2}, Outcome::Hit, {}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{0, 2}, Outcome::None, {}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{0, 2}, static_cast<Outcome>(9), {}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{0, 2}, Outcome::Deflection, {5, 0}}}).verdict, Verdict::Invalid);
    EXPECT_EQ(deduce(4, 1, {{{0, 2}, Outcome::Deflection, {2, 3}}}).verdict, Verdict::Invalid);
}

TEST(DeductionInput, ContradictionsHaveNoLayout)
{
    const Observation hit{{0, 2}, Outcome::Hit, {}};
    EXPECT_EQ(deduce(4, 0, {hit}).verdict, Verdict::NoLayout);
    EXPECT_EQ(deduce(4, 1, {hit, {{0, 2}, Outcome::Reflection, {}}}).verdict, Verdict::NoLayout);
    EXPECT_EQ(deduce(4, 1, {{{0, 2}, Outcome::Deflection, {0, 2}}}).verdict, Verdict::NoLayout);
    // Straight through from top to bottom, yet the bottom cell says it was absorbed.
    EXPECT_EQ(deduce(4, 1, {{{0, 2}, Outcome::Deflection, {5, 2}}, {{5, 2}, Outcome::Hit, {}}}).verdict,
        Verdict::NoLayout);
    EXPECT_TRUE(deduce(4, 0, {hit}).examples.empty());
}

TEST(DeductionInput, RepeatedShotsWithTheSameResultCountOnce)
{
    const AtomLayout hidden = atomsFromPicture({"....", ".X..", "....", "...."});
    std::vector<Observation> observations = observeEveryBorderCell(hidden, 4);
    const std::vector<Observation> once = observations;
    observations.insert(observations.end(), once.begin(), once.end());
    const Deduction deduction = deduce(4, 1, observations);
    EXPECT_EQ(deduction.verdict, Verdict::Unique);
    EXPECT_EQ(deduction.examples.at(0), hidden);
}

} // namespace
} // namespace orbalux
