#include "CellGrid.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

TEST(CellGridGeometry, SquareCellsAreEqualAndSeparatedByOneLine)
{
    Board board(10, 10);
    CellGrid grid;
    grid.setBoard(&board);
    grid.setRowHeight(27);
    grid.setColumnWidth(27);

    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column)
            EXPECT_EQ(grid.cellRect(row, column), QRect(1 + column * 28, 1 + row * 28, 27, 27));
    }
    EXPECT_EQ(grid.sizeHint(), QSize(281, 281));
}

TEST(CellGridGeometry, CellAtFindsEveryPixelOfEachCellRect)
{
    Board board(6, 6);
    CellGrid grid;
    grid.setBoard(&board);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRect rect = grid.cellRect(row, column);
            const CellPos expected{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
            for (const QPoint point : {rect.topLeft(), rect.bottomRight(), rect.center()})
                EXPECT_EQ(grid.cellAt(point), expected);
        }
    }
}

TEST(CellGridGeometry, LinesFrameAndOutsideBelongToNoCell)
{
    Board board(6, 6);
    CellGrid grid;
    grid.setBoard(&board);
    const QSize size = grid.sizeHint();
    const CellPos none{-1, -1};
    for (const QPoint point : {QPoint(0, 10), QPoint(10, 0), QPoint(28, 10), QPoint(10, 28),
                               QPoint(size.width() - 1, 10), QPoint(10, size.height() - 1),
                               QPoint(-3, 10), QPoint(10, size.height() + 5)})
        EXPECT_EQ(grid.cellAt(point), none) << point.x() << "," << point.y();
    EXPECT_TRUE(grid.cellRect(6, 0).isNull());
    EXPECT_TRUE(grid.cellRect(0, -1).isNull());
}

TEST(CellGridGeometry, ColumnWidthsSetOneByOneMoveTheColumnsAfterThem)
{
    Board legend(1, 6);
    CellGrid grid;
    grid.setBoard(&legend);
    grid.setColumnWidth(64);
    for (const int column : {0, 2, 4})
        grid.setColumnWidth(column, 27);
    grid.setColumnWidth(5, 133);

    EXPECT_EQ(grid.cellRect(0, 1), QRect(29, 1, 64, 27));
    EXPECT_EQ(grid.cellRect(0, 5), QRect(1 + 27 + 1 + 64 + 1 + 27 + 1 + 64 + 1 + 27 + 1, 1, 133, 27));
    EXPECT_EQ(grid.cellAt(grid.cellRect(0, 5).center()), (CellPos{0, 5}));
    EXPECT_EQ(grid.sizeHint(), QSize(3 * 27 + 2 * 64 + 133 + 7, 29));

    grid.setColumnWidth(30);
    EXPECT_EQ(grid.columnWidth(5), 30);
    EXPECT_EQ(grid.sizeHint().width(), 6 * 31 + 1);
}

TEST(CellGridGeometry, WithoutBoardThereAreNoCells)
{
    CellGrid grid;
    EXPECT_EQ(grid.cellAt(QPoint(5, 5)), (CellPos{-1, -1}));
    EXPECT_TRUE(grid.cellRect(0, 0).isNull());
    EXPECT_EQ(grid.sizeHint(), QSize(2, 2));
}

} // namespace
} // namespace orbalux
