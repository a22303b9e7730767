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
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace orbalux::bench {
namespace {

constexpr int kAtoms = 15;

// The real main window with the game's own random source and clock, shown offscreen, with a
// game of the benchmark's size running, set up through the settings dialog as a player would.
struct Game {
    explicit Game(int gridSize, bool trace, int atoms = kAtoms, FieldQuestions questions = {})
        : window({messenger, random, clock, platform.services(), {ORBALUX_ASSET_DIR}, std::move(questions)})
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
    frmMain window;
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

// Counts the paints of one widget, so a click can be timed until the board shows it.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

// A proof that takes its whole budget, as the slowest 15 by 15 fields do, keeping its core busy.
FieldQuestions slowestProof()
{
    FieldQuestions questions;
    questions.prove = [](const orbalux::Game&, SearchBudget& budget) {
        while (budget.allowsStep()) {
        }
        return FieldProof{};
    };
    return questions;
}

// With Show What My Shots Prove ticked on 15 by 15 with 15 atoms, a click on each border cell in
// turn, posted to the event loop as the window system would, until the board's paint: the
// event loop's delay while the proof of the shot before is worked out. Each shot cancels that
// proof and starts another. Argument 0 asks the engine, 1 a proof that uses its whole budget.
void BM_BorderClickDrawnWhileProving(benchmark::State& bench)
{
    Game game(kMaxGridSize, false, kAtoms, bench.range(0) == 0 ? FieldQuestions{} : slowestProof());
    if (!started(bench, game))
        return;
    game.window.findChild<QAction*>(QStringLiteral("mnShowProof"))->setChecked(true);
    game.settle();
    CellGrid& grid = game.grid();
    PaintCounter painted(grid);
    const std::vector<CellPos> entries = entryCells(kMaxGridSize);
    std::vector<double> delays;
    std::size_t next = 0;
    for (auto _ : bench) {
        const QPointF point = grid.cellRect(entries[next].row, entries[next].column).center();
        next = next + 1 == entries.size() ? 0 : next + 1;
        const int paintsBefore = painted.paints;
        QElapsedTimer clock;
        clock.start();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(&grid, new QMouseEvent(type, point, grid.mapToGlobal(point), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
        }
        while (painted.paints == paintsBefore)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
        bench.SetIterationTime(seconds);
        delays.push_back(seconds * 1e3);
    }
    std::sort(delays.begin(), delays.end());
    if (!delays.empty()) {
        bench.counters["median_ms"] = delays[delays.size() / 2];
        bench.counters["p99_ms"] = delays[delays.size() * 99 / 100];
        bench.counters["max_ms"] = delays.back();
    }
    countMessages(bench, game);
}
BENCHMARK(BM_BorderClickDrawnWhileProving)->Arg(0)->Arg(1)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

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
