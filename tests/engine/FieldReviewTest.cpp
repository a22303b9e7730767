#include "deduce/DeductionSolver.h"
#include "deduce/FieldReview.h"
#include "deduce/GameDeduction.h"
#include "deduce/StepBudget.h"
#include "game/BorderCell.h"
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

constexpr std::int64_t kAmpleSteps = 1'000'000'000;

#ifndef ORBALUX_EXHAUSTIVE_STRIDE
#define ORBALUX_EXHAUSTIVE_STRIDE 1
#endif

FieldReview review(int gridSize, const AtomLayout& atoms, const std::vector<int>& fired,
    std::int64_t steps = kAmpleSteps)
{
    std::vector<CellPos> entries;
    for (int number : fired)
        entries.push_back(BorderCell::at(static_cast<std::int16_t>(gridSize), number));
    StepBudget budget(steps);
    return reviewField(static_cast<std::int16_t>(gridSize), atoms, atoms.count(), entries, budget);
}

std::vector<int> numbersOf(int gridSize, const std::vector<CellPos>& cells)
{
    std::vector<int> numbers;
    for (const CellPos& cell : cells)
        numbers.push_back(BorderCell::numberOf(static_cast<std::int16_t>(gridSize), cell));
    return numbers;
}

// The review worked out by enumerating every layout of the catalogue, all of hidden's atom count.
struct ExpectedReview {
    FieldReview::Decision decision = FieldReview::Decision::Never;
    int decidingShot = 0;
    std::vector<int> toldNothingNew;
    bool decidable = false;
    int parPoints = 0;
    // Whether a choice of the shots worth choosing (bit i: the i-th) leaves another layout.
    std::vector<std::uint8_t> failing;
    std::vector<int> shots;
};

// The shots worth choosing: each border cell but the higher-numbered end of a deflection.
std::vector<int> distinctShots(const Catalogue& catalogue, std::size_t hidden)
{
    std::vector<int> shots;
    for (int number = 1; number <= 4 * catalogue.gridSize; ++number) {
        const int code = catalogue.result(hidden, number);
        if (code < 2 || code - 2 > number)
            shots.push_back(number);
    }
    return shots;
}

void enumerateLinesTwoAndThree(const Catalogue& catalogue, std::size_t hidden, const std::vector<int>& fired,
    ExpectedReview& expected)
{
    std::vector<int> prefix;
    bool decided = false;
    for (std::size_t shot = 0; shot <= fired.size(); ++shot) {
        const std::vector<std::size_t> fitting = catalogue.fittingAll(hidden, catalogue.atomCounts[hidden], prefix);
        if (!decided && fitting.size() == 1) {
            decided = true;
            expected.decision = shot == 0 ? FieldReview::Decision::BeforeFirstShot : FieldReview::Decision::AtShot;
            expected.decidingShot = static_cast<int>(shot);
        }
        if (shot == fired.size())
            break;
        const int number = fired[shot];
        const bool same = std::all_of(fitting.begin(), fitting.end(),
            [&](std::size_t other) { return catalogue.result(other, number) == catalogue.result(hidden, number); });
        if (same)
            expected.toldNothingNew.push_back(number);
        prefix.push_back(number);
    }
}

// Every choice of shots that leaves another layout standing lies within the shots that layout
// agrees on; those are marked failing, then every smaller choice inside a failing one.
void enumeratePar(const Catalogue& catalogue, std::size_t hidden, ExpectedReview& expected)
{
    expected.shots = distinctShots(catalogue, hidden);
    const std::size_t count = expected.shots.size();
    const std::uint32_t full = (1u << count) - 1;
    std::vector<std::uint8_t> failing(std::size_t{1} << count, 0);
    for (std::size_t other = 0; other < catalogue.layouts.size(); ++other) {
        if (other == hidden || catalogue.atomCounts[other] != catalogue.atomCounts[hidden])
            continue;
        std::uint32_t agree = 0;
        for (std::size_t i = 0; i < count; ++i)
            agree |= catalogue.result(other, expected.shots[i]) == catalogue.result(hidden, expected.shots[i]) ? 1u << i : 0u;
        failing[agree] = 1;
    }
    for (std::size_t bit = 0; bit < count; ++bit) {
        for (std::uint32_t choice = 0; choice <= full; ++choice)
            failing[choice & ~(1u << bit)] |= failing[choice];
    }
    expected.decidable = !failing[full];
    expected.parPoints = 1000;
    for (std::uint32_t choice = 0; choice <= full; ++choice) {
        if (failing[choice])
            continue;
        int points = 0;
        for (std::size_t i = 0; i < count; ++i)
            points += (choice >> i & 1u) ? (catalogue.result(hidden, expected.shots[i]) >= 2 ? 2 : 1) : 0;
        expected.parPoints = std::min(expected.parPoints, points);
    }
    expected.failing = std::move(failing);
}

void expectReviewAgrees(const Catalogue& catalogue, std::size_t hidden, const std::vector<int>& fired)
{
    const int gridSize = catalogue.gridSize;
    ExpectedReview expected;
    enumerateLinesTwoAndThree(catalogue, hidden, fired, expected);
    enumeratePar(catalogue, hidden, expected);
    const FieldReview actual = review(gridSize, catalogue.layouts[hidden], fired);
    EXPECT_EQ(actual.shots, static_cast<int>(fired.size()));
    ASSERT_EQ(actual.decision, expected.decision);
    EXPECT_EQ(actual.decidingShot, expected.decidingShot);
    ASSERT_TRUE(actual.informationKnown);
    EXPECT_EQ(numbersOf(gridSize, actual.toldNothingNew), expected.toldNothingNew);
    if (!expected.decidable) {
        EXPECT_EQ(actual.par, FieldReview::Par::Impossible);
        return;
    }
    ASSERT_EQ(actual.par, FieldReview::Par::Found);
    EXPECT_EQ(actual.parPoints, expected.parPoints);
    std::uint32_t choice = 0;
    for (int number : numbersOf(gridSize, actual.parEntries)) {
        const auto at = std::find(expected.shots.begin(), expected.shots.end(), number);
        ASSERT_NE(at, expected.shots.end()) << "not a shot worth choosing: " << number;
        choice |= 1u << (at - expected.shots.begin());
    }
    EXPECT_FALSE(expected.failing[choice]);
    const std::vector<int> numbers = numbersOf(gridSize, actual.parEntries);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
}

// A firing order that may repeat a cell.
std::vector<int> randomFiring(int gridSize, std::mt19937& random)
{
    std::uniform_int_distribution<int> number(1, 4 * gridSize);
    std::vector<int> fired(std::uniform_int_distribution<std::size_t>(0, 5 * static_cast<std::size_t>(gridSize))(random));
    for (int& shot : fired)
        shot = number(random);
    return fired;
}

TEST(ReviewIsExact, EveryFourByFourLayoutOfThreeAtomsWithARandomFiringOrderAgreesWithEnumeration)
{
    const Catalogue catalogue(4, everyLayoutOf(4, 3));
    std::mt19937 random(418u);
    for (std::size_t hidden = 0; hidden < catalogue.layouts.size(); hidden += ORBALUX_EXHAUSTIVE_STRIDE) {
        const std::vector<int> fired = randomFiring(4, random);
        ASSERT_NO_FATAL_FAILURE(expectReviewAgrees(catalogue, hidden, fired)) << "layout " << hidden;
    }
}

TEST(ReviewIsExact, RandomFiveByFiveFieldsAgreeWithEnumeration)
{
    const Catalogue catalogue(5, everyLayoutOf(5, 4));
    std::mt19937 random(518u);
    std::uniform_int_distribution<std::size_t> pick(0, catalogue.layouts.size() - 1);
    for (int i = 0; i < 24 / ORBALUX_EXHAUSTIVE_STRIDE; ++i) {
        const std::size_t hidden = pick(random);
        ASSERT_NO_FATAL_FAILURE(expectReviewAgrees(catalogue, hidden, randomFiring(5, random))) << "case " << i;
    }
}

bool decides(int gridSize, const AtomLayout& atoms, const std::vector<int>& numbers)
{
    StepBudget budget(kAmpleSteps);
    return deduceField(static_cast<std::int16_t>(gridSize), atoms.count(), observe(atoms, gridSize, numbers), budget).verdict
        == Verdict::Unique;
}

int costOf(int gridSize, const AtomLayout& atoms, const std::vector<int>& numbers)
{
    int cost = 0;
    for (const Observation& seen : observe(atoms, gridSize, numbers))
        cost += seen.outcome == Outcome::Deflection ? 2 : 1;
    return cost;
}

TEST(ReviewIsExact, OnEightByEightTheParShotsDecideAndNoCheaperNeighbourDoes)
{
    std::mt19937 random(818u);
    std::uniform_int_distribution<int> cell(1, 8);
    int checked = 0;
    while (checked < 4) {
        AtomLayout atoms;
        while (atoms.count() < 5)
            atoms.place({static_cast<std::int16_t>(cell(random)), static_cast<std::int16_t>(cell(random))});
        const FieldReview reviewed = review(8, atoms, allNumbers(8));
        if (reviewed.par == FieldReview::Par::Impossible)
            continue;
        ++checked;
        ASSERT_EQ(reviewed.par, FieldReview::Par::Found);
        const std::vector<int> par = numbersOf(8, reviewed.parEntries);
        ASSERT_EQ(costOf(8, atoms, par), reviewed.parPoints);
        ASSERT_TRUE(decides(8, atoms, par));
        for (std::size_t dropped = 0; dropped < par.size(); ++dropped) {
            std::vector<int> fewer = par;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(dropped));
            EXPECT_FALSE(decides(8, atoms, fewer)) << "without " << par[dropped];
            for (int other : allNumbers(8)) {
                std::vector<int> swapped = fewer;
                swapped.push_back(other);
                if (costOf(8, atoms, swapped) < reviewed.parPoints) {
                    EXPECT_FALSE(decides(8, atoms, swapped)) << par[dropped] << " for " << other;
                }
            }
        }
    }
}

TEST(ReviewIsExact, RepeatsAndTheFarEndOfADeflectionTellNothingNew)
{
    const AtomLayout atoms = atomsFromPicture({"....", "....", "....", "...X"});
    // Left 4 runs straight across to right 1 and back; top 4 hits; top 4 again.
    const FieldReview reviewed = review(4, atoms, {16, 5, 4, 4, 16});
    EXPECT_EQ(reviewed.shots, 5);
    EXPECT_EQ(numbersOf(4, reviewed.toldNothingNew), (std::vector<int>{5, 4, 16}));
}

TEST(ReviewBudget, ARefusedBudgetKnowsNothingAndAShortOneOffersOnlyDecidingShots)
{
    const AtomLayout atoms = atomsFromPicture(
        {"....X...", ".X......", "........", "......X.", "........", "..X.....", "........", ".....X.."});
    const FieldReview none = review(8, atoms, {1, 2, 3}, 0);
    EXPECT_EQ(none.decision, FieldReview::Decision::Unknown);
    EXPECT_FALSE(none.informationKnown);
    EXPECT_EQ(none.par, FieldReview::Par::Unknown);
    const FieldReview whole = review(8, atoms, allNumbers(8));
    ASSERT_EQ(whole.par, FieldReview::Par::Found);
    for (std::int64_t steps = 1; steps < 20000; steps = steps * 3 / 2 + 1) {
        const FieldReview part = review(8, atoms, allNumbers(8), steps);
        if (part.par == FieldReview::Par::BestSoFar) {
            EXPECT_TRUE(decides(8, atoms, numbersOf(8, part.parEntries)));
            EXPECT_GE(part.parPoints, whole.parPoints);
        }
    }
}

TEST(ReviewOfAGame, AGameIsReviewedFromItsShotsInFiringOrder)
{
    Game game = testing::gameWith({"X...", "....", "....", "...."});
    game.Shoot({0, 1}, false);
    game.Shoot({0, 1}, false);
    StepBudget budget(kAmpleSteps);
    const FieldReview reviewed = reviewGame(game, budget);
    EXPECT_EQ(reviewed.shots, 2);
    EXPECT_EQ(reviewed.toldNothingNew, (std::vector<CellPos>{{0, 1}}));
}

} // namespace
} // namespace orbalux
