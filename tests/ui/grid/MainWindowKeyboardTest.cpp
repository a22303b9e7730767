#include "BoardClick.h"
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
            QTest::keyClick(window.msfGrid(), key);
    }

    // Walks the current cell to (row, column) with the arrow keys.
    void walkTo(int row, int column)
    {
        const CellPos from = window.msfGrid()->currentCell();
        press(row < from.row ? Qt::Key_Up : Qt::Key_Down, std::abs(row - from.row));
        press(column < from.column ? Qt::Key_Left : Qt::Key_Right, std::abs(column - from.column));
        ASSERT_EQ(window.msfGrid()->currentCell(), (CellPos{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}));
    }

    bool activate()
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

TEST_F(MainWindowKeyboard, ArrowsAndSpaceOrEnterFireTheSameShotsAsClicks)
{
    newBoard(4, kOneAtom);
    state.TraceShots = true;
    GameState clicked = state;
    testing::ScriptedMessenger clickMessages;
    for (const CellPos cell : {CellPos{0, 2}, CellPos{4, 0}, CellPos{2, 5}})
        ClickBoardCell(clicked, cell, clickMessages);

    walkTo(0, 2);
    press(Qt::Key_Space);
    walkTo(4, 0);
    press(Qt::Key_Return);
    walkTo(2, 5);
    press(Qt::Key_Enter);

    EXPECT_EQ(state.board, clicked.board);
    EXPECT_EQ(state.Score, clicked.Score);
    EXPECT_EQ(cell(0, 2).text, "H");
    EXPECT_EQ(cell(4, 5).text, "a");
    EXPECT_EQ(window.lblScore()->text(), QString::number(clicked.Score));
    EXPECT_EQ(window.lblResults()->text(), QString::fromStdString(clicked.resultsText));
}

TEST_F(MainWindowKeyboard, SpaceOnAFieldCellTogglesItsMark)
{
    newBoard(4, kOneAtom);
    walkTo(2, 3);
    press(Qt::Key_Space);
    EXPECT_EQ(cell(2, 3).text, "O");
    EXPECT_EQ(window.lblAtoms()->text(), "1");
    press(Qt::Key_Space);
    EXPECT_EQ(cell(2, 3).text, "");
    EXPECT_EQ(window.lblAtoms()->text(), "0");
    EXPECT_EQ(state.Score, 0);
}

TEST_F(MainWindowKeyboard, ACornerByKeyboardGetsTheCornerMessage)
{
    newBoard(4, kOneAtom);
    walkTo(5, 0);
    press(Qt::Key_Enter);
    ASSERT_FALSE(messenger.shown.empty());
    EXPECT_EQ(messenger.shown.back(), "Don't select corner cells, silly!");
    EXPECT_EQ(state.Score, 0);
}

TEST_F(MainWindowKeyboard, TheCurrentCellStaysOnASmallerNewBoard)
{
    walkTo(9, 9);
    newBoard(4, kOneAtom);
    EXPECT_EQ(window.msfGrid()->currentCell(), (CellPos{5, 5}));
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    EXPECT_EQ(cell(4, 5).text, "a");
}

TEST_F(MainWindowKeyboard, TheBoardHasTheFocusAndTabRunsNewGameSolvedBoard)
{
    ASSERT_TRUE(activate());
    EXPECT_EQ(QApplication::focusWidget(), window.msfGrid());
    window.cmdNewGame()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.cmdSolved());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.msfGrid());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), window.cmdSolved());
}

TEST_F(MainWindowKeyboard, TheMenusKeepTheirAccessKeys)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Help"}));
}

bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget)
        || qobject_cast<const CellGrid*>(widget);
}

TEST_F(MainWindowKeyboard, EveryControlHasAnAccessibleName)
{
    newBoard(4, kOneAtom);
    int named = 0;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || !isControl(control))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << control->metaObject()->className();
        ++named;
    }
    EXPECT_EQ(named, 12);
    const QAccessibleInterface* menus = QAccessible::queryAccessibleInterface(window.menuBar());
    ASSERT_EQ(menus->childCount(), 2);
    EXPECT_EQ(menus->child(0)->text(QAccessible::Name), "File");
    EXPECT_EQ(menus->child(1)->text(QAccessible::Name), "Help");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.msfGrid())->text(QAccessible::Name), "Board");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.lblScore())->text(QAccessible::Description), "Score");
}

} // namespace
} // namespace orbalux
