#include "game/Game.h"
#include "game/GameSettings.h"
#include "game/PlaceAtoms.h"
#include "game/TraceLaser.h"
#include "platform/ClockSeededRandom.h"
#include "FixedSeedRandom.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace orbalux::bench {
namespace {

constexpr int kAtoms = 15;
constexpr int kLayouts = 256;

struct Shot {
    std::size_t layout;
    CellPos entry;
};

std::vector<CellPos> entryCells(int gridSize)
{
    std::vector<CellPos> cells;
    const auto edge = static_cast<std::int16_t>(gridSize + 1);
    for (std::int16_t i = 1; i <= gridSize; ++i)
        cells.insert(cells.end(), {{0, i}, {edge, i}, {i, 0}, {i, edge}});
    return cells;
}

GameSettings settingsOf(int gridSize)
{
    return GameSettings{}.withGridSize(gridSize).withAtomCount(kAtoms);
}

// Games with random layouts of the benchmark's atoms, dealt as a new game deals them.
std::vector<Game> randomGames(int gridSize)
{
    FixedSeedRandom random;
    std::vector<Game> games;
    games.reserve(kLayouts);
    for (int layout = 0; layout < kLayouts; ++layout)
        games.emplace_back(settingsOf(gridSize), random);
    return games;
}

// Every entry cell of every layout, layout by layout, so the walks vary as in play.
std::vector<Shot> everyShot(int gridSize)
{
    std::vector<Shot> shots;
    for (std::size_t layout = 0; layout < kLayouts; ++layout) {
        for (CellPos entry : entryCells(gridSize))
            shots.push_back({layout, entry});
    }
    return shots;
}

// One iteration is one shot; the walk's segments are counted to show how far lasers travel.
void BM_TraceLaser(benchmark::State& bench)
{
    const int gridSize = static_cast<int>(bench.range(0));
    const std::vector<Game> games = randomGames(gridSize);
    const std::vector<Shot> shots = everyShot(gridSize);
    const auto n = static_cast<std::int16_t>(gridSize);
    std::size_t next = 0;
    std::int64_t segments = 0;
    for (auto _ : bench) {
        const Shot& shot = shots[next];
        const LaserWalk walk = TraceLaser(games[shot.layout].AtomMap(), n, shot.entry);
        segments += static_cast<std::int64_t>(walk.trace.size());
        benchmark::DoNotOptimize(walk);
        next = next + 1 == shots.size() ? 0 : next + 1;
    }
    bench.counters["segments/shot"] =
        benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TraceLaser)->DenseRange(kMinGridSize, kMaxGridSize);

// The whole engine side of a traced shot: walk, pictures into the board, border texts, score.
void BM_ShootTraced(benchmark::State& bench)
{
    const int gridSize = static_cast<int>(bench.range(0));
    std::vector<Game> games = randomGames(gridSize);
    const std::vector<Shot> shots = everyShot(gridSize);
    std::size_t next = 0;
    for (auto _ : bench) {
        const Shot& shot = shots[next];
        benchmark::DoNotOptimize(games[shot.layout].Shoot(shot.entry, true));
        next = next + 1 == shots.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_ShootTraced)->DenseRange(kMinGridSize, kMaxGridSize);

// With the game's own source, which seeds itself from the clock at every placement.
void BM_PlaceAtoms(benchmark::State& bench)
{
    const auto gridSize = static_cast<std::int16_t>(bench.range(0));
    ClockSeededRandom random;
    for (auto _ : bench)
        benchmark::DoNotOptimize(PlaceAtoms(gridSize, kAtoms, random));
}
BENCHMARK(BM_PlaceAtoms)->DenseRange(kMinGridSize, kMaxGridSize);

// The placement alone, with a source that does not reseed: what is left is drawing and retrying.
void BM_PlaceAtomsWithoutReseed(benchmark::State& bench)
{
    const auto gridSize = static_cast<std::int16_t>(bench.range(0));
    FixedSeedRandom random;
    for (auto _ : bench)
        benchmark::DoNotOptimize(PlaceAtoms(gridSize, kAtoms, random));
}
BENCHMARK(BM_PlaceAtomsWithoutReseed)->DenseRange(kMinGridSize, kMaxGridSize);

// The engine side of a new game: the numbered board and the placement.
void BM_NewGame(benchmark::State& bench)
{
    GameSettings settings = settingsOf(static_cast<int>(bench.range(0)));
    settings.ShowNumbers = true;
    ClockSeededRandom random;
    for (auto _ : bench)
        benchmark::DoNotOptimize(Game(settings, random));
}
BENCHMARK(BM_NewGame)->DenseRange(kMinGridSize, kMaxGridSize);

} // namespace
} // namespace orbalux::bench

BENCHMARK_MAIN();
