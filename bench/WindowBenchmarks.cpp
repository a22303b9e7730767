#include "game/GameSettings.h"
#include "grid/CellGrid.h"
#include "main/frmMain.h"
#include "platform/ClockSeededRandom.h"
#include "platform/SystemPlatform.h"
#include "platform/TimeOfDayClock.h"
#include "settings/frmOptions.h"
#include "YesMessenger.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <vector>

namespace orbalux::bench {
namespace {

constexpr int kAtoms = 15;

// The real main window with the game's own random source and clock, shown offscreen, with a
// game of the benchmark's size running, set up through the settings dialog as a player would.
struct Game {
    explicit Game(int gridSize, bool trace, int atoms = kAtoms)
    {
        if (!window.startedUp())
            return;
        QTimer::singleShot(0, &window, [this, gridSize, trace, atoms] {
            auto* dialog = window.findChild<frmOptions*>(QStringLiteral("frmOptions"));
            dialog->findChild<QScrollBar*>(QStringLiteral("hsGrid"))->setValue(gridSize);
            dialog->findChild<QScrollBar*>(QStringLiteral("hsAtoms"))->setValue(atoms);
            if (trace)
                dialog->findChild<QCheckBox*>(QStringLiteral("cbTrace"))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        window.findChild<QAction*>(QStringLiteral("mnSettings"))->trigger();
        settle();
    }

    CellGrid& grid() { return *window.findChild<CellGrid*>(QStringLiteral("msfGrid")); }
    void newGame() { window.findChild<QPushButton*>(QStringLiteral("cmdNewGame"))->click(); }
    void click(CellPos cell) { emit grid().cellClicked(cell.row, cell.column); }

    // What the player sees: the board painted now, then everything else the handler queued.
    // Objects dropped with deleteLater() go too, as the event loop would let them go; outside
    // the loop they would pile up and slow every later iteration.
    void settle()
    {
        grid().repaint();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    YesMessenger messenger;
    ClockSeededRandom random;
    TimeOfDayClock clock;
    SystemPlatform platform;
    frmMain window{{messenger, random, clock, platform.services(), {ORBALUX_ASSET_DIR}}};
};

// Reports a game that did not start instead of timing it; true when it started.
bool started(benchmark::State& bench, const Game& game)
{
    if (!game.window.startedUp())
        bench.SkipWithError("the trace pictures could not be read");
    return game.window.startedUp();
}

// A message per iteration would mean the benchmark times an error path, not the game.
void countMessages(benchmark::State& bench, const Game& game)
{
    bench.counters["messages"] =
        benchmark::Counter(static_cast<double>(game.messenger.messages), benchmark::Counter::kAvgIterations);
}

std::vector<CellPos> entryCells(int gridSize)
{
    std::vector<CellPos> cells;
    const auto edge = static_cast<std::int16_t>(gridSize + 1);
    for (std::int16_t i = 1; i <= gridSize; ++i)
        cells.insert(cells.end(), {{0, i}, {edge, i}, {i, 0}, {i, edge}});
    return cells;
}

// "New Game" during a game (answered Yes) until the board is painted.
void BM_NewGameRepainted(benchmark::State& bench)
{
    Game game(static_cast<int>(bench.range(0)), false);
    if (!started(bench, game))
        return;
    for (auto _ : bench) {
        game.newGame();
        game.settle();
    }
    countMessages(bench, game);
}
BENCHMARK(BM_NewGameRepainted)->DenseRange(kMinGridSize, kMaxGridSize)->Unit(benchmark::kMicrosecond);

// The same with "Deal Only Decidable Fields" ticked: dealt again until every border shot would
// decide the field, at 5 atoms as a game starts.
void BM_NewDecidableGameRepainted(benchmark::State& bench)
{
    Game game(static_cast<int>(bench.range(0)), false, 5);
    if (!started(bench, game))
        return;
    game.window.findChild<QAction*>(QStringLiteral("mnDecidableOnly"))->setChecked(true);
    for (auto _ : bench) {
        game.newGame();
        game.settle();
    }
    countMessages(bench, game);
}
BENCHMARK(BM_NewDecidableGameRepainted)->Arg(8)->Arg(10)->Unit(benchmark::kMicrosecond);

// A click on each border cell in turn, tracing on, until the board is painted. The board fills
// with pictures and letters as the shots go on, so later paints are the heavier ones.
void BM_TracedShotRepainted(benchmark::State& bench)
{
    const int gridSize = static_cast<int>(bench.range(0));
    Game game(gridSize, true);
    if (!started(bench, game))
        return;
    const std::vector<CellPos> entries = entryCells(gridSize);
    std::size_t next = 0;
    for (auto _ : bench) {
        game.click(entries[next]);
        game.settle();
        next = next + 1 == entries.size() ? 0 : next + 1;
    }
    countMessages(bench, game);
}
BENCHMARK(BM_TracedShotRepainted)->DenseRange(kMinGridSize, kMaxGridSize)->Unit(benchmark::kMicrosecond);

// The paint alone, on a board full of traces, to tell painting from handling.
void BM_BoardRepaint(benchmark::State& bench)
{
    const int gridSize = static_cast<int>(bench.range(0));
    Game game(gridSize, true);
    if (!started(bench, game))
        return;
    for (CellPos entry : entryCells(gridSize))
        game.click(entry);
    game.settle();
    for (auto _ : bench)
        game.grid().repaint();
}
BENCHMARK(BM_BoardRepaint)->DenseRange(kMinGridSize, kMaxGridSize)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orbalux::bench

// The window benchmarks need an application, headless unless the caller chose a platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
