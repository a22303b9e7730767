#include "CellGrid.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

class CellGridAccessible : public ::testing::Test {
protected:
    CellGridAccessible()
    {
        m_board.cell({0, 1}) = Cell{"H", Colour::Red, Alignment::Centre, SegmentKind::None};
        m_board.cell({1, 1}) = Cell{"O", Colour::ToolTip, Alignment::Centre, SegmentKind::VBar};
        m_board.cell({2, 3}) = Cell{"ü", Colour::Lime, Alignment::Centre, SegmentKind::None};
        m_grid.setBoard(&m_board);
        m_grid.resize(m_grid.sizeHint());
    }

    QAccessibleInterface* board() { return QAccessible::queryAccessibleInterface(&m_grid); }
    QAccessibleTableInterface* table() { return board()->tableInterface(); }

    Board m_board{3, 4};
    CellGrid m_grid;
};

TEST_F(CellGridAccessible, TheGridIsATableOfTheBoardsRowsAndColumns)
{
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->role(), QAccessible::Table);
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(table()->columnCount(), 4);
    EXPECT_EQ(board()->childCount(), 12);

    m_board.reset(5, 5);
    EXPECT_EQ(table()->rowCount(), 5);
    EXPECT_EQ(board()->childCount(), 25);
}

TEST_F(CellGridAccessible, EachCellIsNamedByItsTextAndDescribedByItsMeaning)
{
    const QAccessibleInterface* hit = table()->cellAt(0, 1);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->role(), QAccessible::Cell);
    EXPECT_EQ(hit->text(QAccessible::Name), "H");
    EXPECT_EQ(hit->text(QAccessible::Description), "hit");
    EXPECT_EQ(table()->cellAt(1, 1)->text(QAccessible::Name), "O");
    EXPECT_EQ(table()->cellAt(1, 1)->text(QAccessible::Description), "marked, laser path");
    EXPECT_EQ(table()->cellAt(2, 3)->text(QAccessible::Name), QString::fromUtf8("ü"));
    EXPECT_EQ(table()->cellAt(2, 3)->text(QAccessible::Description), "deflection");
    EXPECT_EQ(table()->cellAt(2, 0)->text(QAccessible::Name), "");
    EXPECT_EQ(table()->cellAt(2, 0)->text(QAccessible::Description), "field");

    m_board.cell({2, 0}).text = "O";
    EXPECT_EQ(table()->cellAt(2, 0)->text(QAccessible::Name), "O");
}

TEST_F(CellGridAccessible, CellsKnowTheirPlaceInTheTable)
{
    QAccessibleInterface* cell = board()->child(6);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 2);
    EXPECT_EQ(cell->tableCellInterface()->rowExtent(), 1);
    EXPECT_EQ(cell->tableCellInterface()->table(), board());
    EXPECT_EQ(cell->parent(), board());
    EXPECT_EQ(board()->indexOfChild(cell), 6);
    EXPECT_EQ(table()->cellAt(1, 2), cell);
    EXPECT_EQ(board()->child(12), nullptr);
    EXPECT_EQ(table()->cellAt(3, 0), nullptr);
}

TEST_F(CellGridAccessible, CellsLieWhereTheyAreDrawn)
{
    m_grid.show();
    const QRect drawn = m_grid.cellRect(2, 1);
    const QRect onScreen(m_grid.mapToGlobal(drawn.topLeft()), drawn.size());
    QAccessibleInterface* cell = table()->cellAt(2, 1);
    EXPECT_EQ(cell->rect(), onScreen);
    EXPECT_EQ(board()->childAt(onScreen.center().x(), onScreen.center().y()), cell);
}

TEST_F(CellGridAccessible, ACellOffAShrunkenBoardIsNoLongerValid)
{
    QAccessibleInterface* corner = table()->cellAt(2, 3);
    ASSERT_TRUE(corner->isValid());
    m_board.reset(2, 2);
    EXPECT_FALSE(corner->isValid());
    EXPECT_EQ(corner->text(QAccessible::Name), "");
    EXPECT_TRUE(corner->state().invalid);
}

TEST_F(CellGridAccessible, TheFocusedCellIsTheCurrentOne)
{
    m_grid.show();
    m_grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_grid));
    m_grid.setFocus();
    m_grid.setCurrentCell(1, 3);
    QAccessibleInterface* focused = board()->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused, table()->cellAt(1, 3));
    EXPECT_TRUE(focused->state().focused);
    EXPECT_FALSE(table()->cellAt(1, 2)->state().focused);
}

TEST(CellGridAccessibleEmpty, AGridWithoutBoardIsAnEmptyTable)
{
    CellGrid grid;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    EXPECT_EQ(table->tableInterface()->rowCount(), 0);
    EXPECT_EQ(table->childCount(), 0);
    EXPECT_EQ(table->child(0), nullptr);
}

} // namespace
} // namespace orbalux
