#include "grid/CellGrid.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

CellLook shown(const char* text, const char* description)
{
    return {QString::fromUtf8(text), QColor(Qt::white), true, SegmentKind::None, QString::fromUtf8(description)};
}

// A 3 by 4 grid: a hit, a mark and a non-ASCII letter among blank cells.
std::vector<CellLook> sample()
{
    std::vector<CellLook> looks(12, shown("", "field"));
    looks[1] = shown("H", "hit");
    looks[5] = shown("O", "marked, laser path");
    looks[11] = shown("ü", "deflection");
    return looks;
}

class CellGridAccessible : public ::testing::Test {
protected:
    CellGridAccessible()
    {
        m_grid.setCells(3, 4, sample());
        m_grid.resize(m_grid.sizeHint());
    }

    QAccessibleInterface* grid() { return QAccessible::queryAccessibleInterface(&m_grid); }
    QAccessibleTableInterface* table() { return grid()->tableInterface(); }

    CellGrid m_grid;
};

TEST_F(CellGridAccessible, TheGridIsATableOfItsRowsAndColumns)
{
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->role(), QAccessible::Table);
    ASSERT_NE(table(), nullptr);
    EXPECT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(table()->columnCount(), 4);
    EXPECT_EQ(grid()->childCount(), 12);

    m_grid.setCells(5, 5, {});
    EXPECT_EQ(table()->rowCount(), 5);
    EXPECT_EQ(grid()->childCount(), 25);
}

TEST_F(CellGridAccessible, EachCellIsNamedByItsTextAndDescribedByItsMeaning)
{
    const auto read = [this](int row, int column) {
        const QAccessibleInterface* cell = table()->cellAt(row, column);
        return std::pair(cell->text(QAccessible::Name), cell->text(QAccessible::Description));
    };
    ASSERT_NE(table()->cellAt(0, 1), nullptr);
    EXPECT_EQ(table()->cellAt(0, 1)->role(), QAccessible::Cell);
    EXPECT_EQ(read(0, 1), std::pair(QStringLiteral("H"), QStringLiteral("hit")));
    EXPECT_EQ(read(1, 1), std::pair(QStringLiteral("O"), QStringLiteral("marked, laser path")));
    EXPECT_EQ(read(2, 3), std::pair(QString::fromUtf8("ü"), QStringLiteral("deflection")));
    EXPECT_EQ(read(2, 0), std::pair(QString(), QStringLiteral("field")));

    std::vector<CellLook> marked = sample();
    marked[8] = shown("O", "marked");
    m_grid.setCells(3, 4, marked);
    EXPECT_EQ(read(2, 0), std::pair(QStringLiteral("O"), QStringLiteral("marked")));
}

TEST_F(CellGridAccessible, CellsKnowTheirPlaceInTheTable)
{
    QAccessibleInterface* cell = grid()->child(6);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->tableCellInterface(), nullptr);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnIndex(), 2);
    EXPECT_EQ(cell->tableCellInterface()->rowExtent(), 1);
    EXPECT_EQ(cell->tableCellInterface()->table(), grid());
    EXPECT_EQ(cell->parent(), grid());
    EXPECT_EQ(grid()->indexOfChild(cell), 6);
    EXPECT_EQ(table()->cellAt(1, 2), cell);
    EXPECT_EQ(grid()->child(12), nullptr);
    EXPECT_EQ(table()->cellAt(3, 0), nullptr);
}

TEST_F(CellGridAccessible, CellsLieWhereTheyAreDrawn)
{
    m_grid.show();
    const QRect drawn = m_grid.cellRect(2, 1);
    const QRect onScreen(m_grid.mapToGlobal(drawn.topLeft()), drawn.size());
    QAccessibleInterface* cell = table()->cellAt(2, 1);
    EXPECT_EQ(cell->rect(), onScreen);
    EXPECT_EQ(grid()->childAt(onScreen.center().x(), onScreen.center().y()), cell);
}

TEST_F(CellGridAccessible, ACellOffAShrunkenGridIsNoLongerValid)
{
    QAccessibleInterface* corner = table()->cellAt(2, 3);
    ASSERT_TRUE(corner->isValid());
    m_grid.setCells(2, 2, {});
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
    QAccessibleInterface* focused = grid()->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused, table()->cellAt(1, 3));
    EXPECT_TRUE(focused->state().focused);
    EXPECT_FALSE(table()->cellAt(1, 2)->state().focused);
}

TEST(CellGridAccessibleEmpty, AGridWithoutCellsIsAnEmptyTable)
{
    CellGrid grid;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    EXPECT_EQ(table->tableInterface()->rowCount(), 0);
    EXPECT_EQ(table->childCount(), 0);
    EXPECT_EQ(table->child(0), nullptr);
}

} // namespace
} // namespace orbalux
