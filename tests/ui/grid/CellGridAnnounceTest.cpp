#include "CellGrid.h"

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
        m_grid.setBoard(&m_board);
        m_grid.resize(m_grid.sizeHint());
        m_grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_grid));
        m_grid.repaint();
        told().clear();
    }
    void TearDown() override { QAccessible::installUpdateHandler(m_previous); }

    Board m_board{4, 5};
    CellGrid m_grid;
    QAccessible::UpdateHandler m_previous = nullptr;
};

TEST_F(CellGridAnnounce, ARepaintAfterAShotTellsWhichCellsChanged)
{
    m_board.cell({0, 2}) = Cell{"H", Colour::Red, Alignment::Centre, SegmentKind::None};
    m_board.cell({3, 4}).picture = SegmentKind::VBar;
    m_grid.repaint();
    EXPECT_EQ(told(), (std::vector<Told>{{QAccessible::NameChanged, 2},
                                         {QAccessible::DescriptionChanged, 2},
                                         {QAccessible::DescriptionChanged, 19}}));
    told().clear();
    m_grid.repaint();
    EXPECT_TRUE(told().empty());
}

TEST_F(CellGridAnnounce, ABoardOfAnotherSizeResetsTheTable)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&m_grid);
    const QAccessible::Id before = QAccessible::uniqueId(table->tableInterface()->cellAt(1, 1));
    m_board.reset(6, 6);
    m_grid.repaint();
    ASSERT_EQ(told().size(), 1u);
    EXPECT_EQ(told()[0].first, QAccessible::TableModelChanged);
    EXPECT_EQ(QAccessible::accessibleInterface(before), nullptr);
    EXPECT_NE(QAccessible::uniqueId(table->tableInterface()->cellAt(1, 1)), before);
    EXPECT_EQ(table->childCount(), 36);
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

} // namespace
} // namespace orbalux
