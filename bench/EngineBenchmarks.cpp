#include "ClockSeededRandom.h"
#include "FixedSeedRandom.h"
#include "GameState.h"
#include "NewGame.h"
#include "PlaceAtoms.h"
#include "Shot.h"
#include "TraceLaser.h"
#include "YesMessenger.h"

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

// Games with random layouts of the benchmark's atoms, laid out as a new game lays them out.
std::vector<GameState> randomGames(int gridSize)
{
    FixedSeedRandom random;
    YesMessenger messenger;
    std::vector<GameState> games(kLayouts);
    for (GameState& game : games) {
        setGridSize(game, gridSize);
        setAtomCount(game, kAtoms);
        SetUpNewGame(game, random, messenger);
    }
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
    std::vector<GameState> games = randomGames(gridSize);
    const std::vector<Shot> shots = everyShot(gridSize);
    YesMessenger messenger;
    std::size_t next = 0;
    std::int64_t segments = 0;
    for (auto _ : bench) {
        const Shot& shot = shots[next];
        GameState& game = games[shot.layout];
        game.LaserRow = shot.entry.row;
        game.LaserCol = shot.entry.column;
        const LaserWalk walk = TraceLaser(game, messenger);
        segments += static_cast<std::int64_t>(walk.trace.size());
        benchmark::DoNotOptimize(walk);
        next = next + 1 == shots.size() ? 0 : next + 1;
    }
    bench.counters["segments/shot"] =
        benchmark::Counter(static_cast<double>(segments), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TraceLaser)->DenseRange(4, 15);

// The whole engine side of a traced shot: walk, pictures into the board, border texts, score.
void BM_ShootTraced(benchmark::State& bench)
{
    const int gridSize = static_cast<int>(bench.range(0));
    std::vector<GameState> games = randomGames(gridSize);
    for (GameState& game : games)
        game.TraceShots = true;
    const std::vector<Shot> shots = everyShot(gridSize);
    YesMessenger messenger;
    std::size_t next = 0;
    for (auto _ : bench) {
        const Shot& shot = shots[next];
        GameState& game = games[shot.layout];
        game.LaserRow = shot.entry.row;
        game.LaserCol = shot.entry.column;
        benchmark::DoNotOptimize(Shoot(game, messenger));
        next = next + 1 == shots.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_ShootTraced)->DenseRange(4, 15);

// With the game's own source, which seeds itself from the clock at every placement.
void BM_PlaceAtoms(benchmark::State& bench)
{
    GameState game;
    setGridSize(game, static_cast<int>(bench.range(0)));
    setAtomCount(game, kAtoms);
    ClockSeededRandom random;
    YesMessenger messenger;
    for (auto _ : bench) {
        PlaceAtoms(game, random, messenger);
        benchmark::DoNotOptimize(game.AtomMap);
    }
}
BENCHMARK(BM_PlaceAtoms)->DenseRange(4, 15);

// The placement alone, with a source that does not reseed: what is left is drawing and retrying.
void BM_PlaceAtomsWithoutReseed(benchmark::State& bench)
{
    GameState game;
    setGridSize(game, static_cast<int>(bench.range(0)));
    setAtomCount(game, kAtoms);
    FixedSeedRandom random;
    YesMessenger messenger;
    for (auto _ : bench) {
        PlaceAtoms(game, random, messenger);
        benchmark::DoNotOptimize(game.AtomMap);
    }
}
BENCHMARK(BM_PlaceAtomsWithoutReseed)->DenseRange(4, 15);

// The engine side of a new game: board layout, placement, counters and instructions.
void BM_SetUpNewGame(benchmark::State& bench)
{
    GameState game;
    setGridSize(game, static_cast<int>(bench.range(0)));
    setAtomCount(game, kAtoms);
    game.ShowNumbers = true;
    ClockSeededRandom random;
    YesMessenger messenger;
    for (auto _ : bench) {
        SetUpNewGame(game, random, messenger);
        benchmark::DoNotOptimize(game.board);
    }
}
BENCHMARK(BM_SetUpNewGame)->DenseRange(4, 15);

} // namespace
} // namespace orbalux::bench

BENCHMARK_MAIN();
