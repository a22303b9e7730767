#include "MainWindowFixture.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, (0,1) a reflection.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

// Clicks through the window system, which alone turns two quick presses into a double-click.
class MainWindowClick : public testing::MainWindowFixture {
protected:
    QPoint at(int row, int column) const { return play.grid().mapTo(&window, play.grid().cellRect(row, column).center()); }
    void doubleClick(int row, int column) { QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, at(row, column)); }
    void slowClick(int row, int column)
    {
        const int slow = QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at(row, column), slow);
    }
};

TEST_F(MainWindowClick, ADoubleClickFiresOneShotOrSetsOneMark)
{
    play.newGame(kOneAtom);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    doubleClick(0, 2);
    EXPECT_EQ(play.text(0, 2), "H");
    EXPECT_EQ(play.label("lblScore"), "1");
    doubleClick(3, 3);
    EXPECT_EQ(play.text(3, 3), "O");
    EXPECT_EQ(play.label("lblAtoms"), "1");
}

TEST_F(MainWindowClick, TwoSlowClicksAreTwoShotsOrAMarkSetAndTakenOff)
{
    play.newGame(kOneAtom);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    slowClick(0, 1);
    slowClick(0, 1);
    EXPECT_EQ(play.text(0, 1), "R");
    EXPECT_EQ(play.label("lblScore"), "2");
    slowClick(3, 3);
    slowClick(3, 3);
    EXPECT_EQ(play.text(3, 3), "");
    EXPECT_EQ(play.label("lblAtoms"), "0");
}

} // namespace
} // namespace orbalux
