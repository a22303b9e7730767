#include "grid/CellGrid.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// What a screen reader was told: the kind of event and the cell's index, -1 for the grid.
using Told = std::pair<QAccessible::Event, int>;

std::vector<Told>& told()
{
    static std::vector<Told> events;
    return events;
}

void record(QAccessibleEvent* event)
{
    if (qobject_cast<CellGrid*>(event->object()))
        told().emplace_back(event->type(), event->child());
}

// Runs only where Qt's accessibility is live (with-atspi.sh); the handler takes the events
// that would go to the screen reader.
class CellGridAnnounce : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
            << "accessibility is off: run under with-atspi.sh";
        m_previous = QAccessible::installUpdateHandler(&record);
        m_grid.setCells(4, 5, m_looks);
        m_grid.resize(m_grid.sizeHint());
        m_grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
        m_grid.repaint();
        told().clear();
    }
    void TearDown() override { QAccessible::installUpdateHandler(m_previous); }

    std::vector<CellLook> m_looks = std::vector<CellLook>(20, CellLook{{}, QColor(Qt::cyan), true, {}, "border"});
    CellGrid m_grid;
    QAccessible::UpdateHandler m_previous = nullptr;
};

TEST_F(CellGridAnnounce, NewCellsTellWhichCellsChangedAndPaintingTellsNothing)
{
    m_looks[2] = {QStringLiteral("H"), QColor(Qt::red), true, SegmentKind::None, QStringLiteral("hit")};
    m_looks[19] = {{}, QColor(Qt::cyan), true, SegmentKind::VBar, QStringLiteral("laser path")};
    m_looks[7].background = QColor(Qt::blue);
    m_grid.setCells(4, 5, m_looks);
    EXPECT_EQ(told(), (std::vector<Told>{{QAccessible::NameChanged, 2},
                                         {QAccessible::DescriptionChanged, 2},
                                         {QAccessible::DescriptionChanged, 19}}));
    told().clear();
    m_grid.repaint();
    m_grid.setCells(4, 5, m_looks);
    EXPECT_TRUE(told().empty());
}

TEST_F(CellGridAnnounce, CellsOfAnotherShapeResetTheTable)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&m_grid);
    const QAccessible::Id before = QAccessible::uniqueId(table->tableInterface()->cellAt(1, 1));
    // The same number of columns with more rows is a new table too, not 20 cells changed.
    m_grid.setCells(6, 5, {});
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].first, QAccessible::TableModelChanged);
    EXPECT_EQ(QAccessible::accessibleInterface(before), nullptr);
    EXPECT_NE(QAccessible::uniqueId(table->tableInterface()->cellAt(1, 1)), before);
    EXPECT_EQ(table->childCount(), 30);
}

TEST_F(CellGridAnnounce, TheFocusFollowsTheCurrentCell)
{
    m_grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_grid));
    m_grid.setFocus();
    told().clear();
    QTest::keyClick(&m_grid, Qt::Key_Right);
    QTest::keyClick(&m_grid, Qt::Key_Down);
    EXPECT_EQ(told(), (std::vector<Told>{{QAccessible::Focus, 1}, {QAccessible::Focus, 6}}));
}

TEST_F(CellGridAnnounce, OnEnteringTheGridTheCurrentCellIsFocusedAfterTheGrid)
{
    m_grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_grid));
    m_grid.setCurrentCell(2, 3);
    m_grid.clearFocus();
    // What the window's activation had to say is said before the grid is entered again.
    QCoreApplication::processEvents();
    told().clear();
    m_grid.setFocus();
    const Told cell{QAccessible::Focus, 13};
    // A screen reader reads the object focused last, so the grid's own focus must come first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told().empty() && told().back() == cell; }, 5000));
    EXPECT_EQ(told(), (std::vector<Told>{{QAccessible::Focus, -1}, cell}));
}

} // namespace
} // namespace orbalux
