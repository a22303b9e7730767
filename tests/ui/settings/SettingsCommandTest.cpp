#include "SettingsCommand.h"

#include "TestDoubles.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

const std::string kQuestion = "You are already in a game.  Do you want to start a new game?";

class SettingsCommand : public ::testing::Test {
protected:
    // A game of the start values, begun after the dialog was made, as at start-up.
    SettingsCommand()
    {
        testing::startGame(state, {"X.......", "..X.....", "....X...", "......X.", ".X......", "........",
                                      "........", "........"});
    }

    // One visit: the player's actions, which end with OK or Cancel, while the dialog shows.
    void visit(const std::function<void()>& actions)
    {
        RunSettingsCommand(state, messenger, [&] { dialog.show(); actions(); }, [this] { newGame(); });
        EXPECT_FALSE(dialog.isVisible());
    }
    void newGame()
    {
        gameRunningAtNewGame = state.GameInProgress;
        ++newGames;
        state.GameInProgress = true;
    }
    void ok() { dialog.cmdOK()->click(); }
    void cancel() { dialog.cmdCancel()->click(); }

    GameState state;
    frmOptions dialog{state};
    testing::ScriptedMessenger messenger;
    int newGames = 0;
    bool gameRunningAtNewGame = true;
};

TEST_F(SettingsCommand, OkWithoutChangeAsksNothing)
{
    visit([&] { ok(); });
    EXPECT_TRUE(messenger.asked.empty());
}

TEST_F(SettingsCommand, NumbersTickedAndClearedAgainStillAsks)
{
    messenger.answers = {false};
    visit([&] { dialog.cbNumbers()->click(); dialog.cbNumbers()->click(); ok(); });
    EXPECT_EQ(messenger.asked, std::vector<std::string>{kQuestion});
}

TEST_F(SettingsCommand, BarMovedAwayAndBackOrTraceShotsAloneAskNothing)
{
    visit([&] { dialog.hsGrid()->setValue(12); dialog.hsGrid()->setValue(8); ok(); });
    visit([&] { dialog.cbTrace()->click(); ok(); });
    EXPECT_TRUE(messenger.asked.empty());
    EXPECT_TRUE(state.TraceShots);
}

TEST_F(SettingsCommand, YesStartsOneNewGameAtTheNewSizeWithoutASecondQuestion)
{
    messenger.answers = {true};
    visit([&] { dialog.hsGrid()->setValue(10); ok(); });
    EXPECT_EQ(messenger.asked.size(), 1u);
    EXPECT_EQ(newGames, 1);
    EXPECT_FALSE(gameRunningAtNewGame);
    EXPECT_EQ(state.GridSize, 10);
    EXPECT_EQ(state.EdgeIndex, 11);
    EXPECT_TRUE(state.SettingsChanged);
}

TEST_F(SettingsCommand, NoLeavesTheRunningGameWhole)
{
    const Board board = state.board;
    const AtomLayout atoms = state.AtomMap;
    messenger.answers = {false};
    visit([&] { dialog.hsGrid()->setValue(10); dialog.hsAtoms()->setValue(3); ok(); });
    EXPECT_EQ(newGames, 0);
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(state.board, board);
    EXPECT_EQ(state.AtomMap, atoms);
    EXPECT_EQ(state.atomsInGame, 5);
    EXPECT_EQ(state.GridSize, 10);
    EXPECT_EQ(state.AtomCount, 3);
}

TEST_F(SettingsCommand, QuestionComesBackAfterEveryOkUntilACancelOrTheFrameClearsIt)
{
    messenger.answers = {false, false};
    visit([&] { dialog.hsGrid()->setValue(10); ok(); });
    visit([&] { ok(); });
    EXPECT_EQ(messenger.asked.size(), 2u);

    visit([&] { dialog.close(); });
    visit([&] { ok(); });
    visit([&] { dialog.cbNumbers()->click(); cancel(); });
    visit([&] { ok(); });
    EXPECT_EQ(messenger.asked.size(), 2u);
    EXPECT_EQ(newGames, 0);
}

TEST_F(SettingsCommand, WithNoGameInProgressAChangeAsksAndStartsNothing)
{
    state.GameInProgress = false;
    visit([&] { dialog.hsGrid()->setValue(4); ok(); });
    EXPECT_TRUE(messenger.asked.empty());
    EXPECT_EQ(newGames, 0);
    EXPECT_EQ(state.GridSize, 4);
}

TEST_F(SettingsCommand, ModalVisitReturnsWhenOkHidesTheDialog)
{
    QMetaObject::invokeMethod(&dialog, [this] { dialog.hsAtoms()->setValue(7); ok(); }, Qt::QueuedConnection);
    RunSettingsCommand(dialog, state, messenger, [this] { newGame(); });
    EXPECT_EQ(state.AtomCount, 7);
    EXPECT_EQ(newGames, 1);
}

} // namespace
} // namespace orbalux
