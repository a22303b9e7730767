#include "frmQuick.h"

#include "BoardClick.h"
#include "CellGrid.h"
#include "QuickHelpCommand.h"
#include "TestDoubles.h"
#include "Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

void pressKey(QWidget* widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QString labelText(const frmQuick& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

class frmQuickTest : public ::testing::Test {
protected:
    frmQuick& openQuickHelp()
    {
        frmQuick& window = command.window();
        window.open();
        return window;
    }

    QWidget owner;
    QuickHelpCommand command{owner};
};

TEST_F(frmQuickTest, ShowsCaptionAndTheSevenTextsExactly)
{
    const frmQuick& window = command.window();
    EXPECT_EQ(window.windowTitle(), "Orbalux Quick Help");
    EXPECT_EQ(labelText(window, "Label1"),
              "The object of the game is to figure out where the atoms are hidden.  You do this by clicking on the "
              "numbers around the grid and deducing the atoms locations from the information you get back.  The "
              "number you click on is the entry point for a laser.  The laser always enters the grid at a right "
              "angle.  ");
    EXPECT_EQ(labelText(window, "Label2"),
              "The laser always goes in a straight line until it runs directly into an atom (Hit), or comes to a "
              "cell diagonally adjacent to a cell with an atom in it.  In this latter case, the laser is bent 90 "
              "degrees away from the atom and continues in its new direction.  The following rules govern what the "
              "laser will do when shot into the grid.");
    EXPECT_EQ(labelText(window, "Label3"),
              "1 The laser can be absorbed by an atom when it runs directly into it.  This result is shown to you as "
              "a Hit (H against a red background).  ");
    EXPECT_EQ(labelText(window, "Label5"),
              "2 The laser can come out somewhere else on the grid.  This result is shown to you as a deflection "
              "(lower case letter against a green background at both the entry and exit points).  ");
    EXPECT_EQ(labelText(window, "Label6"),
              "3 The laser can come out where it went in.  This is shown as a Reflection (R against a yellow "
              "background).  ");
    EXPECT_EQ(labelText(window, "Label7"),
              "4 Finally, the laser can fail to make it into the grid because of an atom in an adjacent cell on the "
              "edge of the grid.  Like a reflection, this is shown as a Reflection (R against a yellow background).");
    EXPECT_EQ(labelText(window, "Label4"),
              "By clicking the cell on the grid where you think an atom is, an \"O\" will be placed on that spot.  "
              "If you change your mind about a marked cell, click it again to have the \"O\" removed.  When you "
              "think you have all of the atoms marked, click the \"Solved!\" button to see where if you are right.");
}

TEST_F(frmQuickTest, EveryParagraphFitsItsBox)
{
    for (const QLabel* label : command.window().findChildren<QLabel*>()) {
        const QRect room(0, 0, label->width(), label->height());
        const QRect needed = label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), room.height()) << label->objectName().toStdString();
    }
}

TEST_F(frmQuickTest, LegendShowsTheThreeOutcomesInTheBoardsColours)
{
    const frmQuick& window = command.window();
    const Board& legend = window.legend();
    ASSERT_EQ(legend.rows(), 1);
    ASSERT_EQ(legend.columns(), 6);
    const Cell expected[] = {
        {"H", Colour::Red, Alignment::Centre},
        {"Hit", Colour::ToolTip, Alignment::Left},
        {"R", Colour::Yellow, Alignment::Centre},
        {"Reflection", Colour::ToolTip, Alignment::Left},
        {"a", Colour::Lime, Alignment::Centre},
        {"Deflection entry and exit", Colour::ToolTip, Alignment::Left},
    };
    for (std::int16_t column = 0; column < 6; ++column)
        EXPECT_EQ(legend.cell({0, column}), expected[column]) << "column " << column;
}

TEST_F(frmQuickTest, LegendHasItsRowHeightAndColumnWidths)
{
    const CellGrid& grid = *command.window().msfLegend();
    EXPECT_EQ(grid.rowHeight(), twips(400));
    for (const int symbol : {0, 2, 4})
        EXPECT_EQ(grid.columnWidth(symbol), twips(400));
    EXPECT_EQ(grid.columnWidth(5), twips(2000));
    EXPECT_EQ(grid.columnWidth(1), grid.columnWidth(3));
    EXPECT_GT(grid.columnWidth(1), twips(400));
    // The captions' columns fill the control without spilling over it.
    const int cellsWidth = grid.cellRect(0, 5).right() - grid.cellRect(0, 0).left();
    EXPECT_LE(cellsWidth, grid.width());
}

TEST_F(frmQuickTest, OpeningTwiceShowsTheSameWindowAndLegend)
{
    frmQuick& first = openQuickHelp();
    const Board legend = first.legend();
    first.cmdOK()->click();
    EXPECT_FALSE(first.isVisible());

    frmQuick& second = openQuickHelp();
    EXPECT_EQ(&second, &first);
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(second.legend(), legend);
    EXPECT_EQ(owner.findChildren<frmQuick*>().size(), 1);
}

TEST_F(frmQuickTest, EnterAndTheFrameHideTheWindowButEscapeDoesNot)
{
    frmQuick& window = openQuickHelp();
    pressKey(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    pressKey(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());

    openQuickHelp();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(&command.window(), &window);
}

TEST_F(frmQuickTest, ADoubleClickOnTheLegendIsOneClick)
{
    frmQuick& window = openQuickHelp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* legend = window.findChild<CellGrid*>(QStringLiteral("msfLegend"));
    ASSERT_TRUE(legend);
    QSignalSpy clicked(legend, &CellGrid::cellClicked);
    const QPoint centre = legend->mapTo(&window, legend->cellRect(0, 1).center());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(frmQuickTest, GameInProgressGoesOnAfterOk)
{
    GameState state;
    testing::startGame(state, {"....", ".X..", "....", "...."});
    const GameState before = state;

    frmQuick& window = openQuickHelp();
    window.cmdOK()->click();

    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(state.board, before.board);
    EXPECT_EQ(state.AtomMap, before.AtomMap);
    EXPECT_EQ(state.Score, before.Score);
    EXPECT_EQ(state.resultsText, before.resultsText);
    testing::ScriptedMessenger messenger;
    EXPECT_EQ(ClickBoardCell(state, {0, 2}, messenger), ClickEffect::Shot);
    EXPECT_EQ(state.board.cell({0, 2}).text, "H");
}

} // namespace
} // namespace orbalux
