#include "CellGrid.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

constexpr CellPos kNone{-1, -1};

CellGrid* gridOf(CellGrid& grid, int rows, int columns)
{
    grid.setCells(rows, columns, {});
    return &grid;
}

TEST(CellGridGeometry, EqualCellsSitOneLineApartInsideAOneLineFrame)
{
    CellGrid grid;
    gridOf(grid, 10, 10)->setRowHeight(27);
    grid.setColumnWidth(27);
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column)
            EXPECT_EQ(grid.cellRect(row, column), QRect(1 + column * 28, 1 + row * 28, 27, 27));
    }
    EXPECT_EQ(grid.sizeHint(), QSize(281, 281));
}

TEST(CellGridGeometry, CellAtFindsEveryCornerAndTheCentreOfEachCell)
{
    CellGrid grid;
    gridOf(grid, 6, 6);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRect rect = grid.cellRect(row, column);
            const CellPos expected{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
            for (const QPoint point : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight(), rect.center()})
                EXPECT_EQ(grid.cellAt(point), expected);
        }
    }
}

TEST(CellGridGeometry, LinesFrameAndOutsideBelongToNoCell)
{
    CellGrid grid;
    gridOf(grid, 6, 6);
    const QSize size = grid.sizeHint();
    const int line = grid.cellRect(0, 0).right() + 1;
    for (const QPoint point : {QPoint(0, 10), QPoint(10, 0), QPoint(line, 10), QPoint(10, line),
                               QPoint(size.width() - 1, 10), QPoint(10, size.height() - 1), QPoint(-3, 10),
                               QPoint(10, size.height() + 5)})
        EXPECT_EQ(grid.cellAt(point), kNone) << point.x() << "," << point.y();
    EXPECT_TRUE(grid.cellRect(6, 0).isNull());
    EXPECT_TRUE(grid.cellRect(0, -1).isNull());
}

TEST(CellGridGeometry, AColumnWidthSetAloneMovesOnlyTheColumnsAfterIt)
{
    CellGrid grid;
    gridOf(grid, 1, 6)->setColumnWidth(64);
    grid.setColumnWidth(2, 27);
    grid.setColumnWidth(5, 133);

    EXPECT_EQ(grid.cellRect(0, 1), QRect(66, 1, 64, 27));
    EXPECT_EQ(grid.cellRect(0, 3), QRect(1 + 2 * 65 + 28, 1, 64, 27));
    EXPECT_EQ(grid.cellAt(grid.cellRect(0, 5).center()), (CellPos{0, 5}));
    EXPECT_EQ(grid.sizeHint(), QSize(4 * 64 + 27 + 133 + 7, 29));

    grid.setColumnWidth(30);
    EXPECT_EQ(grid.columnWidth(5), 30);
    EXPECT_EQ(grid.sizeHint().width(), 6 * 31 + 1);
}

TEST(CellGridGeometry, TheSizeHintFollowsTheCellsGiven)
{
    CellGrid grid;
    EXPECT_EQ(grid.cellAt(QPoint(5, 5)), kNone);
    EXPECT_TRUE(grid.cellRect(0, 0).isNull());
    EXPECT_EQ(grid.sizeHint(), QSize(2, 2));
    gridOf(grid, 3, 5);
    const QPoint last = grid.cellRect(2, 4).bottomRight();
    EXPECT_EQ(grid.sizeHint(), QSize(last.x() + 2, last.y() + 2));
    gridOf(grid, 0, 0);
    EXPECT_EQ(grid.sizeHint(), QSize(2, 2));
}

TEST(CellGridGeometry, CellsAreKeptRowByRowAndThoseNotGivenAreBlank)
{
    CellGrid grid;
    const CellLook hit{QStringLiteral("H"), QColor(Qt::red), true, SegmentKind::None, QStringLiteral("hit")};
    grid.setCells(2, 3, {CellLook{}, CellLook{}, CellLook{}, hit});
    ASSERT_NE(grid.look(1, 0), nullptr);
    EXPECT_EQ(*grid.look(1, 0), hit);
    ASSERT_NE(grid.look(1, 2), nullptr);
    EXPECT_EQ(*grid.look(1, 2), CellLook{});
    EXPECT_EQ(grid.look(2, 0), nullptr);
    EXPECT_EQ(grid.look(0, 3), nullptr);
    EXPECT_EQ(grid.look(-1, 0), nullptr);
    grid.resize(grid.sizeHint());
    EXPECT_FALSE(grid.grab().isNull());
}

} // namespace
} // namespace orbalux
