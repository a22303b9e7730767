#include "common/PlayerWords.h"
#include "deduce/GameDeduction.h"
#include "grid/Announcer.h"
#include "platform/PathSysInfoLocator.h"
#include "platform/QtProgramStarter.h"
#include "MainWindowFixture.h"
#include "PlatformFakes.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::atomsFromPicture;
using testing::drawsPlacing;

// Atoms at (1,2) and, in the last row, (4,1): (0,2) is a hit, (0,1) a reflection and column 4 a
// clear lane from (0,4) straight down to (5,4).
const std::vector<std::string> kTwoAtoms{".X..", "....", "....", "X..."};

const QString kQuestion = QStringLiteral("You are already in a game.  Do you want to start a new game?");

using MainWindowTest = testing::MainWindowFixture;

TEST_F(MainWindowTest, StartsAnEightByEightGameWithTheBestScoreAtNinetyNine)
{
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(play.grid().rows(), 10);
    EXPECT_EQ(play.grid().columns(), 10);
    EXPECT_EQ(play.label("lblBestScore"), "99");
    EXPECT_EQ(play.label("lblAtomsInGame"), "5");
    EXPECT_EQ(play.label("lblAtoms"), "0");
    EXPECT_EQ(play.label("lblScore"), "0");
    EXPECT_EQ(play.label("lblResults"), PlayerWords::instructions(false));
    EXPECT_TRUE(messenger.shown.empty());
    EXPECT_TRUE(messenger.asked.empty());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowTest, ANumberedBorderOnSquareCellsInItsColours)
{
    play.newGame(kTwoAtoms, true);
    EXPECT_EQ(play.text(0, 1), "1");
    EXPECT_EQ(play.text(1, 0), "16");
    EXPECT_EQ(play.label("lblResults"), PlayerWords::instructions(true));
    const QRect corner = play.grid().cellRect(0, 0);
    const QRect last = play.grid().cellRect(5, 5);
    EXPECT_EQ(corner.width(), corner.height());
    EXPECT_EQ(last.size(), corner.size());
    EXPECT_TRUE(play.grid().rect().contains(last));
    EXPECT_EQ(shownColour(0, 0), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(shownColour(0, 3), QColor(0x00, 0xFF, 0xFF));
}

TEST_F(MainWindowTest, HitReflectionAndDeflectionShowTheirMarksColoursAndMeaning)
{
    play.newGame(kTwoAtoms);
    play.click(0, 2);
    play.click(0, 1);
    play.click(0, 4);
    EXPECT_EQ(play.label("lblScore"), "4");
    EXPECT_EQ(play.text(0, 2), "H");
    EXPECT_EQ(play.text(0, 1), "R");
    EXPECT_EQ(play.text(0, 4), "a");
    EXPECT_EQ(play.text(5, 4), "a");
    EXPECT_EQ(shownColour(0, 2), QColor(Qt::red));
    EXPECT_EQ(shownColour(0, 1), QColor(Qt::yellow));
    EXPECT_EQ(shownColour(5, 4), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(play.label("lblResults"), PlayerWords::explanation(Outcome::Deflection, "a"));
    EXPECT_TRUE(messenger.shown.empty());
}

// The window applies the box at its click, so leaving the dialog with Cancel keeps it.
TEST_F(MainWindowTest, TraceShotsDrawsFromItsClickOnEvenWhenTheDialogIsCancelled)
{
    play.newGame(kTwoAtoms);
    messenger.asked.clear();
    play.click(0, 4);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(play.cell(row, 4).picture, SegmentKind::None);

    play.visitSettings([](frmOptions& dialog) {
        dialog.findChild<QCheckBox*>("cbTrace")->click();
        dialog.findChild<QPushButton*>("cmdCancel")->click();
    });
    play.click(0, 4);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(play.cell(row, 4).picture, SegmentKind::VBar);
    const QImage traced = play.grid().grab().toImage();
    EXPECT_NE(traced.pixelColor(play.grid().cellRect(2, 4).center()),
        traced.pixelColor(play.grid().cellRect(2, 3).center()));
    EXPECT_TRUE(messenger.asked.empty());
}

TEST_F(MainWindowTest, SolvedWithEveryAtomMarkedRevealsThemAllAndRecordsTheScore)
{
    play.newGame(kTwoAtoms);
    play.click(0, 2);
    play.click(1, 2);
    play.click(4, 1);
    clock.now = 1012.0f;
    play.press("cmdSolved");
    EXPECT_EQ(play.label("lblResults"), PlayerWords::solved({SolveResult::Kind::AllFound, 2, 2, 12}));
    EXPECT_EQ(play.label("lblBestScore"), "1");
    EXPECT_EQ(shownColour(1, 2), QColor(Qt::blue));
    EXPECT_EQ(shownColour(4, 1), QColor(Qt::blue));
    EXPECT_NE(shownColour(4, 2), QColor(Qt::blue));
    EXPECT_EQ(play.text(4, 1), "O");
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowTest, AWrongGuessSaysRatsShowsTheAtomsAndKeepsTheBestScore)
{
    play.newGame(kTwoAtoms);
    play.click(1, 2);
    play.click(4, 4);
    play.press("cmdSolved");
    EXPECT_EQ(play.label("lblResults"), PlayerWords::solved({SolveResult::Kind::NotAllFound, 2, 1, 0}));
    EXPECT_EQ(play.label("lblBestScore"), "99");
    EXPECT_EQ(shownColour(4, 1), QColor(Qt::blue));
    EXPECT_NE(shownColour(4, 4), QColor(Qt::blue));
    EXPECT_EQ(play.text(4, 4), "O");
}

TEST_F(MainWindowTest, ScreenReadersHearTheNewGameEachShotAndEachMark)
{
    play.newGame(kTwoAtoms);
    const auto* announcer = window.findChild<Announcer*>();
    ASSERT_TRUE(announcer);
    Game same = testing::gameWith(kTwoAtoms);
    EXPECT_EQ(announcer->text(), PlayerWords::gameAnnouncement(PlayerWords::instructions(false), same, 99));
    play.click(0, 4);
    const ClickResult shot = same.click({0, 4}, false);
    EXPECT_EQ(announcer->text(), PlayerWords::shotAnnouncement(same.board(), std::get<ShotResult>(shot), 2));
    play.click(1, 2);
    const ClickResult mark = same.click({1, 2}, false);
    EXPECT_EQ(announcer->text(), PlayerWords::markAnnouncement(same.board(), std::get<MarkResult>(mark), 2));
}

// Both answers speak of the game on the board: its shots, its size, its marks and its atoms.
TEST_F(MainWindowTest, TheDeduceMenuAnswersAboutTheGameOnTheBoard)
{
    play.newGame(kTwoAtoms);
    Game same = testing::gameWith(kTwoAtoms);
    for (const CellPos cell : {CellPos{0, 2}, CellPos{0, 4}, CellPos{1, 3}}) {
        play.click(cell.row, cell.column);
        same.click(cell, false);
    }
    messenger.shown.clear();
    play.trigger("mnCheckMarks");
    play.trigger("mnShotsEnough");
    const std::vector<MarkDisagreement> disagreements = checkMarks(same);
    ASSERT_FALSE(disagreements.empty());
    EXPECT_EQ(messenger.shown, (std::vector<std::string>{
        PlayerWords::marksCheck(disagreements, 4, 1, 2).toStdString(),
        PlayerWords::shotsEnough(Verdict::Several, 2).toStdString()}));
}

TEST_F(MainWindowTest, NewGameAnsweredNoLeavesTheGameAndYesStartsItsClockAfresh)
{
    play.newGame(kTwoAtoms);
    play.click(0, 2);
    play.click(0, 4);
    play.click(2, 2);
    const std::vector<CellLook> before = board();
    messenger.asked.clear();
    messenger.answers = {false};
    play.press("cmdNewGame");
    EXPECT_EQ(messenger.asked, std::vector<std::string>{kQuestion.toStdString()});
    EXPECT_EQ(board(), before);
    EXPECT_EQ(play.label("lblScore"), "3");
    EXPECT_EQ(play.label("lblAtoms"), "1");

    clock.now = 2000.0f;
    messenger.answers = {true};
    random.queue(drawsPlacing(atomsFromPicture(kTwoAtoms), 4));
    play.trigger("mnNewGame");
    EXPECT_EQ(messenger.asked.size(), 2u);
    EXPECT_EQ(play.label("lblScore"), "0");
    EXPECT_EQ(play.label("lblAtoms"), "0");
    EXPECT_EQ(play.text(0, 4), "");
    play.click(1, 2);
    play.click(4, 1);
    clock.now = 2030.0f;
    play.press("cmdSolved");
    EXPECT_EQ(play.label("lblResults"), PlayerWords::solved({SolveResult::Kind::AllFound, 2, 2, 30}));
}

TEST_F(MainWindowTest, ALargeBoardFollowedByASmallOneLeavesNothingBehind)
{
    play.newGame(std::vector<std::string>(15, "..............X"), false, true);
    for (int column = 1; column <= 15; ++column)
        play.click(0, column);
    play.click(8, 8);
    const QSize large = play.grid().size();
    EXPECT_TRUE(window.isMaximized() || window.centralWidget()->height() >= play.grid().geometry().bottom());

    play.newGame(kTwoAtoms);
    EXPECT_EQ(play.grid().rows(), 6);
    EXPECT_LT(play.grid().width(), large.width());
    EXPECT_EQ(play.grid().size(), play.grid().sizeHint());
    for (const CellLook& look : board()) {
        EXPECT_EQ(look.text, "");
        EXPECT_EQ(look.picture, SegmentKind::None);
    }
    EXPECT_EQ(play.label("lblScore"), "0");
    EXPECT_EQ(play.label("lblAtoms"), "0");
}

TEST_F(MainWindowTest, HelpItemsReachTheirWindowsAndLeaveTheGameAlone)
{
    play.click(0, 1);
    const std::vector<CellLook> before = board();

    play.trigger("mnuDocumentation");
    EXPECT_EQ(messenger.shown.back(), "Open the file 'Instruct.doc' for detailed information about using this product.");
    platform.programs.installed.insert("xdg-open");
    play.trigger("mnuDocumentation");
    ASSERT_EQ(platform.programs.started.size(), 1u);
    EXPECT_EQ(platform.programs.started[0].arguments,
        std::vector<std::string>{(std::filesystem::path(ORBALUX_ASSET_DIR) / "Instruct.doc").string()});
    EXPECT_EQ(board(), before);
}

TEST_F(MainWindowTest, TheGameIconArrivesOnceTheWindowHasPainted)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(64, 64)));
}

TEST_F(MainWindowTest, MenuItemsKeepTheirAccessKeysAndShowTheDesktopShortcuts)
{
    std::map<QString, QKeySequence> shortcuts;
    for (const QAction* menu : window.menuBar()->actions()) {
        for (const QAction* item : menu->menu()->actions())
            shortcuts[item->text()] = item->shortcut();
    }
    EXPECT_EQ(shortcuts.at("&New Game"), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(shortcuts.at("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(shortcuts.at("&Quick Help"), QKeySequence(QStringLiteral("F1")));
    for (const char* plain : {"&Settings", "&Instructions", "&About", "Are My Shots &Enough?", "&Check My Marks"})
        EXPECT_TRUE(shortcuts.at(plain).isEmpty()) << plain;
}

TEST_F(MainWindowTest, CtrlNAsksForANewGameFromAnywhereInTheWindow)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    messenger.answers = {false};
    QTest::keyClick(play.child<QPushButton>("cmdSolved"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(messenger.asked, std::vector<std::string>{"You are already in a game.  Do you want to start a new game?"});
}

// The opener is handed the first copy of the document in the data folders, or its bare name.
TEST_F(MainWindowTest, InstructionsOpenFromTheFirstDataFolderThatHoldsThem)
{
    platform.programs.installed.insert("xdg-open");
    QTemporaryDir data;
    QFile document(data.filePath(QStringLiteral("Instruct.doc")));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.close();
    using Folders = std::vector<std::filesystem::path>;
    for (const Folders& folders : {Folders{"/nonexistent", data.path().toStdString(), ORBALUX_ASSET_DIR}, Folders{"/nonexistent"}}) {
        frmMain other({messenger, random, clock, platform.services(), folders});
        testing::MainWindowDriver(other, messenger, random).trigger("mnuDocumentation");
    }

    ASSERT_EQ(platform.programs.started.size(), 2u);
    EXPECT_EQ(platform.programs.started[0].arguments, std::vector<std::string>{document.fileName().toStdString()});
    EXPECT_EQ(platform.programs.started[1].arguments, std::vector<std::string>{"Instruct.doc"});
}

// A desktop with nothing to open the document with: its opener starts, then exits with status 3.
// The real starter runs a stand-in opener found first on the search path.
TEST_F(MainWindowTest, InstructionsOpenerThatFailsAfterStartingShowsTheHintAndOneThatWorksDoesNot)
{
    QTemporaryDir folder;
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit());
    const auto writeOpener = [&](const char* script) {
        QFile opener(folder.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly | QIODevice::Truncate));
        opener.write(script);
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    PathSysInfoLocator sysInfo;
    QtProgramStarter programs;
    frmMain watched({messenger, random, clock, {sysInfo, programs}, testing::assetFolders()});
    const auto openAndWait = [&] {
        testing::MainWindowDriver(watched, messenger, random).trigger("mnuDocumentation");
        while (programs.watching() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    writeOpener("#!/bin/sh\nexit 3\n");
    openAndWait();
    writeOpener("#!/bin/sh\nexit 0\n");
    openAndWait();
    qputenv("PATH", savedPath);

    EXPECT_EQ(messenger.shown,
        std::vector<std::string>{"Open the file 'Instruct.doc' for detailed information about using this product."});
}

} // namespace
} // namespace orbalux
