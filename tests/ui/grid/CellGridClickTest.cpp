#include "CellGrid.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

class CellGridClick : public ::testing::Test {
protected:
    CellGridClick()
    {
        m_grid.setBoard(&m_board);
        m_grid.resize(m_grid.sizeHint());
    }

    QPoint centreOf(int row, int column) const { return m_grid.cellRect(row, column).center(); }

    Board m_board{10, 10};
    CellGrid m_grid;
    QSignalSpy m_clicked{&m_grid, &CellGrid::cellClicked};
};

TEST_F(CellGridClick, ReportsTheClickedCellCornersAndBorderIncluded)
{
    const std::vector<std::pair<int, int>> cells = {{0, 0}, {0, 9}, {9, 0}, {9, 9}, {0, 3}, {5, 9}, {4, 4}};
    for (const auto& [row, column] : cells)
        QTest::mouseClick(&m_grid, Qt::LeftButton, {}, centreOf(row, column));

    ASSERT_EQ(m_clicked.size(), static_cast<int>(cells.size()));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(m_clicked[static_cast<int>(i)][0].toInt(), cells[i].first);
        EXPECT_EQ(m_clicked[static_cast<int>(i)][1].toInt(), cells[i].second);
    }
}

TEST_F(CellGridClick, ReportsTheOuterPixelsOfACell)
{
    const QRect corner = m_grid.cellRect(9, 9);
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, corner.bottomRight());
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, m_grid.cellRect(0, 0).topLeft());
    EXPECT_EQ(m_clicked.size(), 2);
}

TEST_F(CellGridClick, IgnoresLinesFrameAndOutside)
{
    const QRect cell = m_grid.cellRect(2, 2);
    for (const QPoint point : {QPoint(cell.right() + 1, cell.center().y()),
                               QPoint(cell.center().x(), cell.bottom() + 1), QPoint(0, 0),
                               QPoint(m_grid.width() - 1, 40)})
        QTest::mouseClick(&m_grid, Qt::LeftButton, {}, point);
    m_grid.resize(m_grid.sizeHint() + QSize(40, 40));
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, QPoint(m_grid.width() - 5, 10));
    EXPECT_EQ(m_clicked.size(), 0);
}

TEST_F(CellGridClick, IgnoresDragsToAnotherCellAndOtherButtons)
{
    QTest::mousePress(&m_grid, Qt::LeftButton, {}, centreOf(0, 3));
    QTest::mouseRelease(&m_grid, Qt::LeftButton, {}, centreOf(0, 4));
    QTest::mouseClick(&m_grid, Qt::RightButton, {}, centreOf(0, 3));
    EXPECT_EQ(m_clicked.size(), 0);
}

// Through the window, so that Qt itself turns the second quick press into a double-click, as it
// does for a player's mouse: press, release, double-click, release.
TEST_F(CellGridClick, ADoubleClickIsOneClickAndTwoSlowClicksAreTwo)
{
    m_grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
    QWindow* window = m_grid.windowHandle();

    QTest::mouseDClick(window, Qt::LeftButton, {}, centreOf(0, 3));
    ASSERT_EQ(m_clicked.size(), 1);
    EXPECT_EQ(m_clicked[0][0].toInt(), 0);
    EXPECT_EQ(m_clicked[0][1].toInt(), 3);

    // QTest spaces clicks a double-click interval apart.
    QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(4, 4));
    QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(4, 4));
    EXPECT_EQ(m_clicked.size(), 3);
}

} // namespace
} // namespace orbalux
