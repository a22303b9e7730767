#include "LaserWalk.h"
#include "MainWindowFixture.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

namespace orbalux {
namespace {

// A new size or atom count confirmed with OK but declined at the question leaves the game on
// the board it was laid out for; these games must play out exactly as that board says.
class DeclinedSettingsTest : public testing::MainWindowFixture {
protected:
    void changeSettingsAndDecline(int gridSize, int atoms)
    {
        frmOptions* dialog = window.settingsDialog();
        QMetaObject::invokeMethod(
            dialog,
            [dialog, gridSize, atoms] {
                dialog->hsGrid()->setValue(gridSize);
                dialog->hsAtoms()->setValue(atoms);
                dialog->cmdOK()->click();
            },
            Qt::QueuedConnection);
        messenger.answers = {false};
        window.mnSettings_Click();
        ASSERT_EQ(messenger.asked.back(), "You are already in a game.  Do you want to start a new game?");
        ASSERT_EQ(state.GridSize, gridSize);
    }

    // Fires from every border cell of the board on screen and checks each against the walk
    // on that board's own size.
    void fireEverywhereAndCompare()
    {
        const std::int16_t n = state.board.fieldSize();
        const auto edge = static_cast<std::int16_t>(n + 1);
        for (std::int16_t i = 1; i <= n; ++i) {
            for (CellPos entry : {CellPos{0, i}, CellPos{edge, i}, CellPos{i, 0}, CellPos{i, edge}}) {
                const LaserWalk expected = WalkLaser(state.AtomMap, n, entry);
                window.msfGrid_Click(entry.row, entry.column);
                ASSERT_EQ(state.ShotOutcome, expected.outcome);
                ASSERT_EQ(CellPos(state.LaserRow, state.LaserCol), expected.finalCell);
            }
        }
    }
};

const std::vector<std::string> kFifteen{
    "X..............", "...............", ".....X.........", "...............", "..........X....",
    "...............", "...............", ".......X.......", "...............", "...............",
    "X..............", "...............", "...............", "...............", "..............X"};

TEST_F(DeclinedSettingsTest, FifteenDownToFourPlaysOnTheFifteenBoard)
{
    newBoard(15, kFifteen);
    state.TraceShots = true;
    changeSettingsAndDecline(4, 1);
    EXPECT_EQ(state.board.rows(), 17);
    fireEverywhereAndCompare();
    window.msfGrid_Click(16, 16);
    EXPECT_EQ(messenger.shown.back(), "Don't select corner cells, silly!");

    for (auto [row, column] : {std::pair{1, 1}, {3, 6}, {5, 11}, {8, 8}, {11, 1}})
        window.msfGrid_Click(row, column);
    window.cmdSolved_Click();
    EXPECT_EQ(messenger.shown.back(), "You do not have exactly  6 atoms marked.");
    window.msfGrid_Click(15, 15);
    window.cmdSolved_Click();
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_EQ(state.resultsText.substr(0, 25), "Groovy! You found all  6 ");
    EXPECT_EQ(cell(15, 15).background, Colour::Blue);

    window.cmdNewGame_Click();
    EXPECT_EQ(state.board.rows(), 6);
    EXPECT_EQ(state.atomsInGame, 1);
}

TEST_F(DeclinedSettingsTest, FourUpToFifteenNeverReachesPastTheFourBoard)
{
    newBoard(4, {".X..", "....", "...X", "...."});
    changeSettingsAndDecline(15, 15);
    fireEverywhereAndCompare();
    const GameState before = state;
    window.msfGrid_Click(16, 3);
    window.msfGrid_Click(6, 6);
    window.msfGrid_Click(3, 15);
    EXPECT_EQ(state.board, before.board);
    EXPECT_EQ(state.Score, before.Score);

    window.msfGrid_Click(1, 2);
    window.cmdSolved_Click();
    EXPECT_EQ(messenger.shown.back(), "You do not have exactly  2 atoms marked.");
    window.msfGrid_Click(3, 4);
    window.cmdSolved_Click();
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_EQ(cell(3, 4).background, Colour::Blue);

    window.cmdNewGame_Click();
    EXPECT_EQ(state.board.rows(), 17);
    EXPECT_EQ(state.atomsInGame, 15);
}

TEST_F(DeclinedSettingsTest, AnsweringYesStartsTheNewSizeAtOnce)
{
    frmOptions* dialog = window.settingsDialog();
    QMetaObject::invokeMethod(
        dialog,
        [dialog] {
            dialog->hsGrid()->setValue(5);
            dialog->cmdOK()->click();
        },
        Qt::QueuedConnection);
    messenger.answers = {true};
    window.mnSettings_Click();
    EXPECT_EQ(messenger.asked.size(), 1u);
    EXPECT_EQ(state.board.rows(), 7);
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(window.msfGrid()->size(), window.msfGrid()->sizeHint());
}

} // namespace
} // namespace orbalux
