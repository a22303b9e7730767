#include "grid/CellGrid.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

constexpr CellPos kNone{-1, -1};

// Three rows of four cells, the second column narrower as the legend's symbols are.
class CellGridGeometry : public ::testing::Test {
protected:
    CellGridGeometry()
    {
        m_grid.setCells(3, 4, {});
        m_grid.setRowHeight(20);
        m_grid.setColumnWidth(30);
        m_grid.setColumnWidth(1, 12);
    }

    CellGrid m_grid;
};

// Every pixel of a cell is that cell's; the one-pixel lines between cells and the frame are nobody's.
TEST_F(CellGridGeometry, CellAtAndCellRectAgreeWithOneLineBetweenNeighbours)
{
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QRect rect = m_grid.cellRect(row, column);
            const CellPos cell{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
            EXPECT_EQ(rect.size(), QSize(column == 1 ? 12 : 30, 20));
            for (const QPoint point : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight(), rect.center()})
                EXPECT_EQ(m_grid.cellAt(point), cell);
            EXPECT_EQ(m_grid.cellAt(rect.topLeft() - QPoint(1, 0)), kNone);
            EXPECT_EQ(m_grid.cellAt(rect.topLeft() - QPoint(0, 1)), kNone);
            if (column < 3) {
                EXPECT_EQ(m_grid.cellRect(row, column + 1).left(), rect.right() + 2);
            }
            if (row < 2) {
                EXPECT_EQ(m_grid.cellRect(row + 1, column).top(), rect.bottom() + 2);
            }
        }
    }
}

TEST_F(CellGridGeometry, TheSizeHintIsTheCellsInsideAOneLineFrame)
{
    EXPECT_EQ(m_grid.cellRect(0, 0).topLeft(), QPoint(1, 1));
    const QPoint last = m_grid.cellRect(2, 3).bottomRight();
    const QSize size = m_grid.sizeHint();
    EXPECT_EQ(size, QSize(last.x() + 2, last.y() + 2));
    for (const QPoint point : {QPoint(size.width() - 1, 10), QPoint(10, size.height() - 1), QPoint(-3, 10),
                               QPoint(10, size.height() + 5)})
        EXPECT_EQ(m_grid.cellAt(point), kNone) << point.x() << "," << point.y();
    EXPECT_TRUE(m_grid.cellRect(3, 0).isNull());
    EXPECT_TRUE(m_grid.cellRect(0, -1).isNull());
}

TEST_F(CellGridGeometry, OneWidthForAllDropsTheWidthsSetPerColumn)
{
    m_grid.setColumnWidth(25);
    EXPECT_EQ(m_grid.columnWidth(1), 25);
    EXPECT_EQ(m_grid.sizeHint().width(), 4 * 26 + 1);
}

TEST_F(CellGridGeometry, WithoutCellsThereIsOnlyTheFrame)
{
    m_grid.setCells(0, 0, {});
    EXPECT_EQ(m_grid.cellAt(QPoint(5, 5)), kNone);
    EXPECT_TRUE(m_grid.cellRect(0, 0).isNull());
    EXPECT_EQ(m_grid.sizeHint(), QSize(2, 2));
}

TEST_F(CellGridGeometry, CellsAreKeptRowByRowAndThoseNotGivenAreBlank)
{
    const CellLook hit{QStringLiteral("H"), QColor(Qt::red), true, SegmentKind::None, QStringLiteral("hit")};
    m_grid.setCells(2, 3, {CellLook{}, CellLook{}, CellLook{}, hit});
    ASSERT_NE(m_grid.look(1, 0), nullptr);
    EXPECT_EQ(*m_grid.look(1, 0), hit);
    ASSERT_NE(m_grid.look(1, 2), nullptr);
    EXPECT_EQ(*m_grid.look(1, 2), CellLook{});
    EXPECT_EQ(m_grid.look(2, 0), nullptr);
    EXPECT_EQ(m_grid.look(0, 3), nullptr);
    EXPECT_EQ(m_grid.look(-1, 0), nullptr);
    m_grid.resize(m_grid.sizeHint());
    // Painting reads every look; the sanitizer build catches a read past them.
    m_grid.grab();
}

} // namespace
} // namespace orbalux
