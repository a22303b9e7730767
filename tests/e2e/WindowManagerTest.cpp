#include "grid/CellGrid.h"
#include "main/frmMain.h"
#include "settings/frmOptions.h"
#include "PlatformFakes.h"
#include "TestDoubles.h"

#include <QAbstractButton>
#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QMessageBox>
#include <QTimer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbalux {
namespace {

// What happened, in order: "message" when the player dismissed a message, "clock" when the
// game read the time.
using Events = std::vector<std::string>;

// Like the real message box, it lets the window system go on while it is up, and it notes
// whether the window behind it is maximised.
class ModalMessenger : public Messenger {
public:
    explicit ModalMessenger(Events& events) : m_events(events) {}

    void showMessage(const QString& text) override
    {
        QTest::qWait(1500);
        shown.push_back(text.toStdString());
        maximisedBehind.push_back(window && window->isMaximized());
        m_events.push_back("message");
    }
    // A real question box, answered Yes as soon as it is up: its window coming and going is
    // part of what the window manager sees of a new game.
    bool askYesNo(const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Orbalux"), text,
            QMessageBox::Yes | QMessageBox::No);
        QTimer::singleShot(500, &box, [&box] { box.button(QMessageBox::Yes)->click(); });
        return box.exec() == QMessageBox::Yes;
    }

    const QWidget* window = nullptr;
    std::vector<std::string> shown;
    std::vector<bool> maximisedBehind;

private:
    Events& m_events;
};

class RecordingClock : public Clock {
public:
    explicit RecordingClock(Events& events) : m_events(events) {}
    float secondsSinceMidnight() const override
    {
        m_events.push_back("clock");
        return 1000.0f;
    }

private:
    Events& m_events;
};

const char* const kOverflow =
    "You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.";

// The real main window on a real X server under openbox; the caller chose the screen size.
class WindowManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        messenger.window = &window;
        ASSERT_TRUE(window.startedUp());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // A new game of gridSize through File > Settings, as the player starts one: the bar moved,
    // OK, and the question about the running game answered Yes.
    void newGame(int gridSize)
    {
        events.clear();
        QTimer::singleShot(0, &window, [this, gridSize] {
            auto* dialog = window.findChild<frmOptions*>(QStringLiteral("frmOptions"));
            dialog->findChild<QScrollBar*>(QStringLiteral("hsGrid"))->setValue(gridSize);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        window.findChild<QAction*>(QStringLiteral("mnSettings"))->trigger();
        // Let the window manager answer whatever the new game asked of it.
        QTest::qWait(1500);
    }

    bool boardFits() const
    {
        const QRect board = window.findChild<CellGrid*>(QStringLiteral("msfGrid"))->geometry();
        const QSize inner = window.centralWidget()->size();
        return board.right() < inner.width() && board.bottom() < inner.height();
    }

    bool fillsTheScreen() const
    {
        const QSize available = window.screen()->availableGeometry().size();
        return window.frameGeometry().width() >= available.width() - 2
            && window.frameGeometry().height() >= available.height() - 2;
    }

    Events events;
    ModalMessenger messenger{events};
    testing::SequenceRandom random;
    RecordingClock clock{events};
    testing::FakePlatform platform;
    frmMain window{{messenger, random, clock, platform.services(), testing::assetFolders()}};
};

TEST_F(WindowManager, OnALargeScreenOnlyABoardTooLargeMaximisesAndLaterGamesStayMaximised)
{
    ASSERT_EQ(window.screen()->size(), QSize(1280, 1024));
    newGame(10);
    EXPECT_FALSE(window.isMaximized());
    EXPECT_TRUE(boardFits());

    newGame(11);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(fillsTheScreen());
    EXPECT_TRUE(boardFits());

    newGame(8);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(fillsTheScreen());
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(WindowManager, OnASmallScreenABoardTooLargeForItIsReportedOnceInFrontOfTheMaximisedWindow)
{
    ASSERT_EQ(window.screen()->size(), QSize(800, 600));
    newGame(11);
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(messenger.shown.empty());

    newGame(15);
    EXPECT_EQ(messenger.shown, std::vector<std::string>{kOverflow});
    EXPECT_EQ(messenger.maximisedBehind, std::vector<bool>{true});
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(fillsTheScreen());
    EXPECT_EQ(events, (Events{"message", "clock"}));
}

} // namespace
} // namespace orbalux
