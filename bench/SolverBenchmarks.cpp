// The deduction solver over many random fields. Google Benchmark reports means only, and a
// player notices the slow fields, so each case solves a fixed set of fields once, times every
// field on its own, and reports the distribution as counters (milliseconds and percentages).

#include "deduce/DeadlineBudget.h"
#include "deduce/DecidableDeal.h"
#include "deduce/DeductionSolver.h"
#include "deduce/FieldProof.h"
#include "deduce/FieldReview.h"
#include "game/BorderCell.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <vector>

namespace orbalux::bench {
namespace {

constexpr int kFields = 1000;
constexpr auto kBudget = std::chrono::seconds(2);
// The window gives the proof of one shot 2 seconds and a review 5.
constexpr auto kProofBudget = std::chrono::seconds(2);
constexpr auto kReviewBudget = std::chrono::seconds(5);
// A new game deals until decidable; this many deals is far beyond what any measured game took.
constexpr int kMaxDeals = 1000;

AtomLayout randomLayout(int gridSize, int atoms, std::mt19937& random)
{
    std::uniform_int_distribution<int> index(1, gridSize);
    AtomLayout layout;
    while (layout.count() < atoms)
        layout.place({static_cast<std::int16_t>(index(random)), static_cast<std::int16_t>(index(random))});
    return layout;
}

// The shots of a random choice of `shots` distinct border cells; all of them when shots is 0.
std::vector<Observation> randomShots(const AtomLayout& atoms, int gridSize, int shots, std::mt19937& random)
{
    std::vector<Observation> all = observeEveryBorderCell(atoms, static_cast<std::int16_t>(gridSize));
    if (shots > 0) {
        std::shuffle(all.begin(), all.end(), random);
        all.resize(static_cast<std::size_t>(shots));
    }
    return all;
}

// Per-field times in milliseconds, wall clock and this process's processor time.
class Distribution {
public:
    template <typename Work>
    void time(Work&& work)
    {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t startCpu = std::clock();
        work();
        const std::chrono::duration<double, std::milli> real = std::chrono::steady_clock::now() - start;
        m_real.push_back(real.count());
        m_cpu.push_back(1000.0 * static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC);
    }

    void report(benchmark::State& state)
    {
        state.counters["median_ms"] = percentile(m_real, 0.5);
        state.counters["p99_ms"] = percentile(m_real, 0.99);
        state.counters["max_ms"] = percentile(m_real, 1.0);
        state.counters["cpu_median_ms"] = percentile(m_cpu, 0.5);
        state.counters["cpu_p99_ms"] = percentile(m_cpu, 0.99);
        state.counters["cpu_max_ms"] = percentile(m_cpu, 1.0);
    }

private:
    static double percentile(std::vector<double>& values, double share)
    {
        std::sort(values.begin(), values.end());
        const auto rank = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
        return values[rank];
    }

    std::vector<double> m_real;
    std::vector<double> m_cpu;
};

double percentOf(int count, int fields = kFields)
{
    return 100.0 * count / fields;
}

// A random number of random distinct shots, 0 to every border cell, when shots is -1.
std::vector<Observation> someShots(const AtomLayout& atoms, int gridSize, int shots, std::mt19937& random)
{
    if (shots >= 0)
        return randomShots(atoms, gridSize, shots, random);
    std::vector<Observation> all = randomShots(atoms, gridSize, 0, random);
    std::shuffle(all.begin(), all.end(), random);
    all.resize(std::uniform_int_distribution<std::size_t>(0, all.size())(random));
    return all;
}

// Arguments: grid size, atoms, shots fired (0 for every border cell).
void BM_DeduceField(benchmark::State& state)
{
    const int gridSize = static_cast<int>(state.range(0));
    const int atoms = static_cast<int>(state.range(1));
    const int shots = static_cast<int>(state.range(2));
    std::mt19937 random(20261207u + static_cast<unsigned>(gridSize * 100 + shots));
    std::vector<std::vector<Observation>> fields;
    for (int i = 0; i < kFields; ++i)
        fields.push_back(randomShots(randomLayout(gridSize, atoms, random), gridSize, shots, random));
    for (auto _ : state) {
        Distribution times;
        int unique = 0;
        int unknown = 0;
        for (const std::vector<Observation>& observations : fields) {
            times.time([&] {
                DeadlineBudget budget(kBudget);
                const Verdict verdict = deduceField(static_cast<std::int16_t>(gridSize), atoms, observations, budget).verdict;
                unique += verdict == Verdict::Unique ? 1 : 0;
                unknown += verdict == Verdict::Unknown ? 1 : 0;
            });
        }
        times.report(state);
        state.counters["decided_pct"] = percentOf(unique);
        state.counters["unknown_pct"] = percentOf(unknown);
    }
}

// A new game with decidable fields only: deals (the drawing included) until every border shot decides.
void BM_DealDecidableField(benchmark::State& state)
{
    const int gridSize = static_cast<int>(state.range(0));
    const int atoms = static_cast<int>(state.range(1));
    std::mt19937 random(20261207u);
    const auto deal = [&] { return randomLayout(gridSize, atoms, random); };
    for (auto _ : state) {
        Distribution times;
        int deals = 0;
        int decidable = 0;
        for (int i = 0; i < kFields; ++i) {
            times.time([&] {
                DeadlineBudget budget(kBudget);
                const DecidableDeal game = dealDecidableField(deal, static_cast<std::int16_t>(gridSize), kMaxDeals, budget);
                deals += game.deals;
                decidable += game.decidable ? 1 : 0;
            });
        }
        times.report(state);
        state.counters["deals_per_game"] = static_cast<double>(deals) / kFields;
        state.counters["decidable_pct"] = percentOf(decidable);
    }
}

// Arguments: grid size, atoms, shots fired (0 for every border cell, -1 for a random number), fields.
void BM_ProveField(benchmark::State& state)
{
    const int gridSize = static_cast<int>(state.range(0));
    const int atoms = static_cast<int>(state.range(1));
    const int fields = static_cast<int>(state.range(3));
    std::mt19937 random(20261218u + static_cast<unsigned>(gridSize));
    std::vector<std::vector<Observation>> shots;
    for (int i = 0; i < fields; ++i)
        shots.push_back(someShots(randomLayout(gridSize, atoms, random), gridSize, static_cast<int>(state.range(2)), random));
    for (auto _ : state) {
        Distribution times;
        int unfinished = 0;
        long long proven = 0;
        for (const std::vector<Observation>& observations : shots) {
            times.time([&] {
                DeadlineBudget budget(kProofBudget);
                const FieldProof proof = proveField(static_cast<std::int16_t>(gridSize), atoms, observations, budget);
                unfinished += proof.complete ? 0 : 1;
                proven += proof.provenAtoms.count() + proof.provenEmpty.count();
            });
        }
        times.report(state);
        state.counters["unfinished_pct"] = percentOf(unfinished, fields);
        state.counters["proven_per_field"] = static_cast<double>(proven) / fields;
    }
}

// Arguments: grid size, atoms, fields; every border cell fired once, in a random order.
void BM_ReviewField(benchmark::State& state)
{
    const int gridSize = static_cast<int>(state.range(0));
    const int atoms = static_cast<int>(state.range(1));
    const int fields = static_cast<int>(state.range(2));
    std::mt19937 random(20261219u + static_cast<unsigned>(gridSize));
    std::vector<AtomLayout> layouts;
    std::vector<std::vector<CellPos>> orders;
    for (int i = 0; i < fields; ++i) {
        layouts.push_back(randomLayout(gridSize, atoms, random));
        std::vector<CellPos> order;
        for (int number = 1; number <= BorderCell::count(static_cast<std::int16_t>(gridSize)); ++number)
            order.push_back(BorderCell::at(static_cast<std::int16_t>(gridSize), number));
        std::shuffle(order.begin(), order.end(), random);
        orders.push_back(order);
    }
    for (auto _ : state) {
        Distribution times;
        int unfinished = 0;
        int impossible = 0;
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            times.time([&] {
                DeadlineBudget budget(kReviewBudget);
                const FieldReview review = reviewField(static_cast<std::int16_t>(gridSize), layouts[i], atoms, orders[i], budget);
                const bool done = review.decision != FieldReview::Decision::Unknown && review.informationKnown
                    && (review.par == FieldReview::Par::Found || review.par == FieldReview::Par::Impossible);
                unfinished += done ? 0 : 1;
                impossible += review.par == FieldReview::Par::Impossible ? 1 : 0;
            });
        }
        times.report(state);
        state.counters["unfinished_pct"] = percentOf(unfinished, fields);
        state.counters["impossible_pct"] = percentOf(impossible, fields);
    }
}

BENCHMARK(BM_ProveField)
    ->Args({8, 5, -1, 1000})
    ->Args({15, 15, 0, 300})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReviewField)->Args({8, 5, 1000})->Args({15, 15, 100})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeduceField)
    ->Args({8, 5, 0})
    ->Args({8, 5, 12})
    ->Args({10, 10, 0})
    ->Args({15, 15, 0})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DealDecidableField)->Args({8, 5})->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orbalux::bench

BENCHMARK_MAIN();
