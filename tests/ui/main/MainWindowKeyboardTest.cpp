#include "common/PlayerWords.h"
#include "grid/BoardLook.h"
#include "MainWindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, row 4 runs straight through.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

class MainWindowKeyboard : public testing::MainWindowFixture {
protected:
    void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&play.grid(), key);
    }

    // Walks the current cell to (row, column) with the arrow keys.
    void walkTo(int row, int column)
    {
        const CellPos from = play.grid().currentCell();
        press(row < from.row ? Qt::Key_Up : Qt::Key_Down, std::abs(row - from.row));
        press(column < from.column ? Qt::Key_Left : Qt::Key_Right, std::abs(column - from.column));
        ASSERT_EQ(play.grid().currentCell(),
            (CellPos{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}));
    }

    std::vector<CellLook> shownLooks() const
    {
        std::vector<CellLook> looks;
        for (int row = 0; row < play.grid().rows(); ++row) {
            for (int column = 0; column < play.grid().columns(); ++column)
                looks.push_back(play.cell(row, column));
        }
        return looks;
    }

    QWidget* focused() const { return QApplication::focusWidget(); }
};

TEST_F(MainWindowKeyboard, ArrowsAndSpaceOrEnterPlayAsClicksOnTheSameGameWould)
{
    play.newGame(kOneAtom, false, true);
    Game clicked = testing::gameWith(kOneAtom);
    QString explanation;
    for (const CellPos cell : {CellPos{0, 2}, CellPos{4, 0}, CellPos{2, 5}, CellPos{3, 3}}) {
        const ClickResult result = clicked.click(cell, true);
        if (const auto* shot = std::get_if<ShotResult>(&result))
            explanation = PlayerWords::explanation(shot->outcome, shot->letter);
    }

    walkTo(0, 2);
    press(Qt::Key_Space);
    walkTo(4, 0);
    press(Qt::Key_Return);
    walkTo(2, 5);
    press(Qt::Key_Enter);
    walkTo(3, 3);
    press(Qt::Key_Space);

    EXPECT_EQ(shownLooks(), looksOf(clicked.board()));
    EXPECT_EQ(play.label("lblScore"), QString::number(clicked.Score()));
    EXPECT_EQ(play.label("lblAtoms"), "1");
    EXPECT_EQ(play.label("lblResults"), explanation);
}

TEST_F(MainWindowKeyboard, TheBoardHasTheFocusAndTabRunsNewGameSolvedBoard)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(focused(), &play.grid());
    auto* newGame = play.child<QPushButton>("cmdNewGame");
    auto* solved = play.child<QPushButton>("cmdSolved");
    newGame->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), solved);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), &play.grid());
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), solved);
}

bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget)
        || qobject_cast<const CellGrid*>(widget);
}

TEST_F(MainWindowKeyboard, EveryControlAndMenuHasAnAccessibleName)
{
    play.newGame(kOneAtom);
    int named = 0;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || !isControl(control))
            continue;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
        ++named;
    }
    EXPECT_GE(named, 12);
    // Tests and tools find every label by its name, captions included.
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->objectName().isEmpty()) << label->text().toStdString();
    }
    // Each menu opens by its access key and is read by its title without the marker.
    const QList<QAction*> menus = window.menuBar()->actions();
    const QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window.menuBar());
    ASSERT_EQ(bar->childCount(), menus.size());
    for (int i = 0; i < menus.size(); ++i) {
        EXPECT_TRUE(menus[i]->text().contains(QLatin1Char('&'))) << menus[i]->text().toStdString();
        EXPECT_EQ(bar->child(i)->text(QAccessible::Name), QString(menus[i]->text()).remove(QLatin1Char('&')));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&play.grid())->text(QAccessible::Name), "Board");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(play.child<QLabel>("lblScore"))->text(QAccessible::Description),
        "Score");
}

} // namespace
} // namespace orbalux
