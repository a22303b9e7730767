#include "MainWindowFixture.h"
#include "PlatformFakes.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace orbalux {
namespace {

using testing::atomsFromPicture;

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, (0,1) a reflection, row 4 runs straight.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

using MainWindowTest = testing::MainWindowFixture;

TEST_F(MainWindowTest, StartsAnEightByEightGameWithTheBestScoreAtNinetyNine)
{
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(state.board.rows(), 10);
    EXPECT_EQ(state.AtomMap.count(), 5);
    EXPECT_EQ(window.lblBestScore()->text(), "99");
    EXPECT_EQ(window.lblAtomsInGame()->text(), "5");
    EXPECT_EQ(window.lblAtoms()->text(), "0");
    EXPECT_EQ(window.lblScore()->text(), "0");
    EXPECT_TRUE(window.lblResults()->text().startsWith("Click a light blue square"));
    EXPECT_EQ(state.GameStartTime, 1000.0f);
    EXPECT_TRUE(messenger.shown.empty());
    EXPECT_TRUE(messenger.asked.empty());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowTest, NumbersAFourByFourBorderClockwiseOnSquareCells)
{
    newBoard(4, kOneAtom, true);
    EXPECT_EQ(cell(0, 1).text, "1");
    EXPECT_EQ(cell(4, 5).text, "8");
    EXPECT_EQ(cell(5, 1).text, "12");
    EXPECT_EQ(cell(1, 0).text, "16");
    EXPECT_TRUE(window.lblResults()->text().startsWith("Click a number"));
    const QRect corner = window.msfGrid()->cellRect(0, 0);
    const QRect last = window.msfGrid()->cellRect(5, 5);
    EXPECT_EQ(corner.width(), corner.height());
    EXPECT_EQ(last.size(), corner.size());
    EXPECT_TRUE(window.msfGrid()->rect().contains(last));
    EXPECT_EQ(shownColour(0, 0), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shownColour(0, 3), QColor(0x00, 0xFF, 0xFF));
}

TEST_F(MainWindowTest, HitReflectionAndDeflectionScoreFourAndShowTheirColours)
{
    newBoard(4, kOneAtom);
    window.msfGrid_Click(0, 2);
    window.msfGrid_Click(0, 1);
    window.msfGrid_Click(4, 0);
    EXPECT_EQ(window.lblScore()->text(), "4");
    EXPECT_EQ(cell(0, 2).text, "H");
    EXPECT_EQ(cell(0, 1).text, "R");
    EXPECT_EQ(cell(4, 0).text, "a");
    EXPECT_EQ(cell(4, 5).text, "a");
    EXPECT_EQ(shownColour(0, 2), QColor(Qt::red));
    EXPECT_EQ(shownColour(0, 1), QColor(Qt::yellow));
    EXPECT_EQ(shownColour(4, 5), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(window.lblResults()->text(), "\"a\" means your laser went in one place and out another.");
}

TEST_F(MainWindowTest, TracingDrawsThePathOnlyWhileItIsOn)
{
    newBoard(4, kOneAtom);
    window.msfGrid_Click(3, 0);
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(cell(3, column).picture, SegmentKind::None);
    state.TraceShots = true;
    window.msfGrid_Click(2, 0);
    EXPECT_EQ(cell(2, 1).picture, SegmentKind::SWBar);
    EXPECT_EQ(cell(4, 1).picture, SegmentKind::VBar);
    const QImage traced = window.msfGrid()->grab().toImage();
    const QRect middle = window.msfGrid()->cellRect(3, 1);
    EXPECT_NE(traced.pixelColor(middle.center()), shownColour(3, 3));
}

TEST_F(MainWindowTest, TheTwentySeventhDeflectionIsTheLeftBrace)
{
    newBoard(4, kOneAtom);
    for (int shot = 0; shot < 27; ++shot)
        window.msfGrid_Click(4, 0);
    EXPECT_EQ(cell(4, 0).text, "{");
    EXPECT_EQ(cell(4, 5).text, "{");
    EXPECT_EQ(window.lblScore()->text(), "54");
}

TEST_F(MainWindowTest, CornersAndFinishedGamesAreRefused)
{
    newBoard(4, kOneAtom);
    window.msfGrid_Click(5, 0);
    EXPECT_EQ(messenger.shown.back(), "Don't select corner cells, silly!");
    window.msfGrid_Click(1, 2);
    window.cmdSolved_Click();
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_TRUE(window.lblResults()->text().startsWith("Groovy! You found all  1 atoms in 0 seconds!"));
    EXPECT_EQ(window.lblBestScore()->text(), "0");
    EXPECT_EQ(shownColour(1, 2), QColor(Qt::blue));
    const Board finished = state.board;
    window.msfGrid_Click(0, 3);
    window.msfGrid_Click(2, 2);
    EXPECT_EQ(messenger.shown.back(), "Cheating Zindra? You can't make any changes until you start a new game.");
    EXPECT_EQ(state.board, finished);
    EXPECT_EQ(window.lblScore()->text(), "0");
}

TEST_F(MainWindowTest, SolvedWithTheWrongNumberOfMarksWarnsAndPlaysOn)
{
    newBoard(4, kOneAtom);
    window.cmdSolved_Click();
    EXPECT_EQ(messenger.shown.back(), "You do not have exactly  1 atoms marked.");
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowTest, NewGameAnsweredNoLeavesTheGameAsItWas)
{
    newBoard(4, kOneAtom);
    window.msfGrid_Click(0, 2);
    window.msfGrid_Click(4, 0);
    window.msfGrid_Click(2, 2);
    const GameState before = state;
    clock.now = 2000.0f;
    messenger.answers = {false};
    window.cmdNewGame_Click();
    EXPECT_EQ(messenger.asked.back(), "You are already in a game.  Do you want to start a new game?");
    EXPECT_EQ(state.board, before.board);
    EXPECT_EQ(state.AtomMap, before.AtomMap);
    EXPECT_EQ(state.Score, 3);
    EXPECT_EQ(state.MarkedCount, 1);
    EXPECT_EQ(state.NextDeflectionLetter, 98);
    EXPECT_EQ(state.GameStartTime, 1000.0f);
    EXPECT_EQ(window.lblScore()->text(), "3");

    messenger.answers = {true};
    window.mnNewGame_Click();
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.GameStartTime, 2000.0f);
}

TEST_F(MainWindowTest, ALargeBoardFollowedByASmallOneLeavesNothingBehind)
{
    newBoard(15, std::vector<std::string>(15, "..............X"));
    state.TraceShots = true;
    for (int column = 1; column <= 15; ++column)
        window.msfGrid_Click(0, column);
    window.msfGrid_Click(8, 8);
    const QSize large = window.msfGrid()->size();
    EXPECT_TRUE(window.isMaximized() || window.centralWidget()->height() >= window.msfGrid()->geometry().bottom());

    newBoard(4, kOneAtom);
    EXPECT_LT(window.msfGrid()->width(), large.width());
    EXPECT_EQ(window.msfGrid()->size(), window.msfGrid()->sizeHint());
    for (std::int16_t r = 0; r < 6; ++r) {
        for (std::int16_t c = 0; c < 6; ++c) {
            EXPECT_EQ(cell(r, c).text, "");
            EXPECT_EQ(cell(r, c).picture, SegmentKind::None);
        }
    }
    EXPECT_EQ(window.lblScore()->text(), "0");
    EXPECT_EQ(window.lblAtoms()->text(), "0");
}

TEST_F(MainWindowTest, AClickOnTheBoardWidgetReachesTheRightCell)
{
    newBoard(4, kOneAtom);
    const QPoint centre = window.msfGrid()->cellRect(0, 2).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, window.msfGrid()->mapToGlobal(centre), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, window.msfGrid()->mapToGlobal(centre), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.msfGrid(), &press);
    QApplication::sendEvent(window.msfGrid(), &release);
    EXPECT_EQ(cell(0, 2).text, "H");
}

TEST_F(MainWindowTest, MenuItemsKeepTheirAccessKeysAndShowTheDesktopShortcuts)
{
    std::map<QString, QKeySequence> shortcuts;
    for (const QAction* menu : window.menuBar()->actions()) {
        for (const QAction* item : menu->menu()->actions())
            shortcuts[item->text()] = item->shortcut();
    }
    const std::map<QString, QKeySequence> expected{
        {"&New Game", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"&Settings", QKeySequence()},
        {"E&xit", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"&Quick Help", QKeySequence(QStringLiteral("F1"))},
        {"&Instructions", QKeySequence()},
        {"&About", QKeySequence()},
    };
    EXPECT_EQ(shortcuts, expected);
}

TEST_F(MainWindowTest, CtrlNAsksForANewGameFromAnywhereInTheWindow)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    messenger.answers = {false};
    QTest::keyClick(window.cmdSolved(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(messenger.asked, std::vector<std::string>{"You are already in a game.  Do you want to start a new game?"});
}

// Through the window, where Qt makes the second quick press a double-click as for a real mouse.
TEST_F(MainWindowTest, ADoubleClickFiresOneShotAndLeavesOneMark)
{
    newBoard(4, kOneAtom);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto doubleClick = [this](int row, int column) {
        const QPoint centre = window.msfGrid()->cellRect(row, column).center();
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, window.msfGrid()->mapTo(&window, centre));
    };
    doubleClick(0, 2);
    EXPECT_EQ(cell(0, 2).text, "H");
    EXPECT_EQ(window.lblScore()->text(), "1");
    doubleClick(3, 3);
    EXPECT_EQ(cell(3, 3).text, "O");
    EXPECT_EQ(window.lblAtoms()->text(), "1");
}

// A main window before start-up, on scripted messages, fixed numbers and a fixed clock.
struct UnstartedWindow {
    GameState state;
    testing::ScriptedMessenger messenger;
    testing::SequenceRandom random;
    testing::FixedClock clock;
    frmMain window{state, messenger, random, clock};
};

TEST(MainWindowStartUp, MissingPicturesAreSkippedSilently)
{
    QTemporaryDir empty;
    UnstartedWindow game;
    GameState& state = game.state;
    testing::ScriptedMessenger& messenger = game.messenger;
    frmMain& window = game.window;
    ASSERT_TRUE(window.startUp(empty.path()));
    EXPECT_TRUE(messenger.shown.empty());
    EXPECT_TRUE(window.pictures().picture(SegmentKind::VBar).isNull());
    state.TraceShots = true;
    window.msfGrid_Click(0, 3);
    EXPECT_TRUE(state.GameInProgress);
}

TEST(MainWindowStartUp, ACorruptPictureEndsStartUpWithTheErrorMessage)
{
    QTemporaryDir folder;
    QFile bad(folder.filePath(QStringLiteral("HBar.bmp")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is no picture at all");
    bad.close();
    UnstartedWindow game;
    GameState& state = game.state;
    testing::ScriptedMessenger& messenger = game.messenger;
    frmMain& window = game.window;
    EXPECT_FALSE(window.startUp(folder.path()));
    ASSERT_EQ(messenger.shown.size(), 1u);
    EXPECT_EQ(messenger.shown[0], "Error Number: 481 occured.  Invalid picture");
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QApplication::overrideCursor());
}

} // namespace
} // namespace orbalux

namespace orbalux {
namespace {

TEST_F(MainWindowTest, HelpItemsReachTheirWindowsAndLeaveTheGameAlone)
{
    testing::FakePlatform platform;
    window.setPlatform(platform.services());
    window.msfGrid_Click(0, 1);
    const Board before = state.board;

    window.mnuDocumentation_Click();
    EXPECT_EQ(messenger.shown.back(), "Open the file 'Instruct.doc' for detailed information about using this product.");
    platform.programs.installed.insert("xdg-open");
    window.mnuDocumentation_Click();
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].arguments, std::vector<std::string>{"Instruct.doc"});

    EXPECT_EQ(state.board, before);
    EXPECT_TRUE(state.GameInProgress);
}

TEST_F(MainWindowTest, InstructionsMissingHereOpenFromTheDataFolders)
{
    testing::FakePlatform platform;
    platform.programs.installed.insert("xdg-open");
    window.setPlatform(platform.services());
    QTemporaryDir data;
    QFile document(data.filePath(QStringLiteral("Instruct.doc")));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.close();

    window.setDataFolders({{}, "/nonexistent", data.path().toStdString()});
    window.mnuDocumentation_Click();
    window.setDataFolders({{}, "/nonexistent"});
    window.mnuDocumentation_Click();

    ASSERT_EQ(platform.programs.started.size(), 2u);
    EXPECT_EQ(platform.programs.started[0].arguments, std::vector<std::string>{document.fileName().toStdString()});
    EXPECT_EQ(platform.programs.started[1].arguments, std::vector<std::string>{"Instruct.doc"});
}

} // namespace
} // namespace orbalux
