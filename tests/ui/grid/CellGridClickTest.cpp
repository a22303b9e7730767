#include "grid/CellGrid.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using Clicks = std::vector<std::pair<int, int>>;

class CellGridClick : public ::testing::Test {
protected:
    CellGridClick()
    {
        m_grid.setCells(10, 10, {});
        m_grid.resize(m_grid.sizeHint());
    }

    QPoint centreOf(int row, int column) const { return m_grid.cellRect(row, column).center(); }

    Clicks clicks() const
    {
        Clicks reported;
        for (const QList<QVariant>& click : m_clicked)
            reported.emplace_back(click[0].toInt(), click[1].toInt());
        return reported;
    }

    CellGrid m_grid;
    QSignalSpy m_clicked{&m_grid, &CellGrid::cellClicked};
};

TEST_F(CellGridClick, ReportsTheClickedCellCornersAndBorderIncluded)
{
    const Clicks cells = {{0, 0}, {0, 9}, {9, 0}, {9, 9}, {0, 3}, {5, 9}, {4, 4}};
    for (const auto& [row, column] : cells)
        QTest::mouseClick(&m_grid, Qt::LeftButton, {}, centreOf(row, column));
    EXPECT_EQ(clicks(), cells);
}

TEST_F(CellGridClick, ReportsTheOuterPixelsOfACell)
{
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, m_grid.cellRect(9, 9).bottomRight());
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, m_grid.cellRect(0, 0).topLeft());
    EXPECT_EQ(clicks(), (Clicks{{9, 9}, {0, 0}}));
}

TEST_F(CellGridClick, IgnoresLinesFrameAndOutside)
{
    const QRect cell = m_grid.cellRect(2, 2);
    for (const QPoint point : {QPoint(cell.right() + 1, cell.center().y()), QPoint(cell.center().x(), cell.bottom() + 1),
                               QPoint(0, 0), QPoint(m_grid.width() - 1, 40)})
        QTest::mouseClick(&m_grid, Qt::LeftButton, {}, point);
    m_grid.resize(m_grid.sizeHint() + QSize(40, 40));
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, QPoint(m_grid.width() - 5, 10));
    EXPECT_TRUE(clicks().empty());
}

TEST_F(CellGridClick, IgnoresDragsToAnotherCellAndOtherButtons)
{
    QTest::mousePress(&m_grid, Qt::LeftButton, {}, centreOf(0, 3));
    QTest::mouseRelease(&m_grid, Qt::LeftButton, {}, centreOf(0, 4));
    QTest::mouseClick(&m_grid, Qt::RightButton, {}, centreOf(0, 3));
    EXPECT_TRUE(clicks().empty());
}

// A press on one board and a release on the next would otherwise shoot into a game never seen.
TEST_F(CellGridClick, APressBeforeTheGridChangesShapeClicksNothing)
{
    QTest::mousePress(&m_grid, Qt::LeftButton, {}, centreOf(4, 4));
    m_grid.setCells(6, 6, {});
    QTest::mouseRelease(&m_grid, Qt::LeftButton, {}, centreOf(4, 4));
    EXPECT_TRUE(clicks().empty());
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
