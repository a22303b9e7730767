#include "grid/CellGrid.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// Holds a grid and records the keys that the grid passes on to its window.
class Holder : public QWidget {
public:
    std::vector<int> passedKeys;

protected:
    void keyPressEvent(QKeyEvent* event) override { passedKeys.push_back(event->key()); }
};

class CellGridKeyboard : public ::testing::Test {
protected:
    CellGridKeyboard()
    {
        m_grid->setCells(6, 6, std::vector<CellLook>(36, CellLook{{}, QColor(0xFFFFE1), true, {}, {}}));
        m_grid->resize(m_grid->sizeHint());
        m_holder.resize(m_grid->sizeHint());
    }

    void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(m_grid, key);
    }

    bool focusIn()
    {
        m_holder.show();
        m_holder.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_holder))
            return false;
        m_grid->setFocus();
        return m_grid->hasFocus();
    }

    // Pixels of the focus frame are black or white; the field is neither.
    static bool framed(const QImage& image, const QRect& cell)
    {
        const QColor edge = image.pixelColor(cell.left(), cell.center().y());
        const QColor inside = image.pixelColor(cell.left() + 2, cell.center().y());
        return edge == QColor(Qt::black) && inside == QColor(Qt::white);
    }

    Holder m_holder;
    CellGrid* m_grid = new CellGrid(&m_holder);
    QSignalSpy m_clicked{m_grid, &CellGrid::cellClicked};
};

TEST_F(CellGridKeyboard, ArrowsMoveTheCurrentCellAndStopAtTheEdges)
{
    EXPECT_EQ(m_grid->currentCell(), (CellPos{0, 0}));
    press(Qt::Key_Right, 3);
    press(Qt::Key_Down, 2);
    EXPECT_EQ(m_grid->currentCell(), (CellPos{2, 3}));
    press(Qt::Key_Left, 9);
    press(Qt::Key_Up, 9);
    EXPECT_EQ(m_grid->currentCell(), (CellPos{0, 0}));
    press(Qt::Key_Right, 9);
    press(Qt::Key_Down, 9);
    EXPECT_EQ(m_grid->currentCell(), (CellPos{5, 5}));
    EXPECT_TRUE(m_holder.passedKeys.empty());
}

TEST_F(CellGridKeyboard, SpaceAndEnterClickTheCurrentCell)
{
    press(Qt::Key_Down, 4);
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    ASSERT_EQ(m_clicked.size(), 3);
    EXPECT_EQ(m_clicked[0], (QList<QVariant>{4, 0}));
    EXPECT_EQ(m_clicked[1], (QList<QVariant>{4, 1}));
    EXPECT_EQ(m_clicked[2], (QList<QVariant>{4, 1}));
    EXPECT_TRUE(m_holder.passedKeys.empty());
}

TEST_F(CellGridKeyboard, AHeldKeyClicksOnlyOnce)
{
    QKeyEvent first(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(m_grid, &first);
    QApplication::sendEvent(m_grid, &repeated);
    QApplication::sendEvent(m_grid, &repeated);
    EXPECT_EQ(m_clicked.size(), 1);
}

TEST_F(CellGridKeyboard, AMouseClickMakesTheCellCurrent)
{
    QTest::mouseClick(m_grid, Qt::LeftButton, {}, m_grid->cellRect(3, 2).center());
    EXPECT_EQ(m_grid->currentCell(), (CellPos{3, 2}));
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    ASSERT_EQ(m_clicked.size(), 2);
    EXPECT_EQ(m_clicked[1], (QList<QVariant>{3, 3}));
}

TEST_F(CellGridKeyboard, TheCurrentCellStaysOnTheGridWhenItShrinks)
{
    m_grid->setCurrentCell(5, 4);
    m_grid->setCells(3, 3, {});
    EXPECT_EQ(m_grid->currentCell(), (CellPos{2, 2}));
    m_grid->setCurrentCell(7, 0);
    EXPECT_EQ(m_grid->currentCell(), (CellPos{2, 2}));
    m_grid->setCells(0, 0, {});
    press(Qt::Key_Space);
    EXPECT_EQ(m_grid->currentCell(), (CellPos{-1, -1}));
    EXPECT_EQ(m_clicked.size(), 0);
}

TEST(CellGridKeyboardUnheard, EnterGoesToTheWindowWhenNobodyHearsTheClicks)
{
    Holder holder;
    auto* grid = new CellGrid(&holder);
    grid->setCells(1, 6, {});
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(holder.passedKeys, (std::vector<int>{Qt::Key_Return, Qt::Key_Escape}));
    EXPECT_EQ(grid->currentCell(), (CellPos{0, 1}));
}

TEST_F(CellGridKeyboard, TheCurrentCellIsFramedOnlyWhileTheGridHasFocus)
{
    m_grid->setCurrentCell(2, 3);
    EXPECT_FALSE(framed(m_grid->grab().toImage(), m_grid->cellRect(2, 3)));
    ASSERT_TRUE(focusIn());
    const QImage image = m_grid->grab().toImage();
    EXPECT_TRUE(framed(image, m_grid->cellRect(2, 3)));
    EXPECT_FALSE(framed(image, m_grid->cellRect(2, 2)));
    press(Qt::Key_Up);
    EXPECT_TRUE(framed(m_grid->grab().toImage(), m_grid->cellRect(1, 3)));
}

TEST_F(CellGridKeyboard, AtRatio2TheFocusFrameKeepsItsSharpBands)
{
    m_grid->setCurrentCell(3, 3);
    ASSERT_TRUE(focusIn());
    QImage image(m_grid->size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    m_grid->render(&image);

    const QRect cell = m_grid->cellRect(3, 3);
    const int y = cell.center().y() * 2;
    std::vector<std::pair<QColor, int>> bands;
    for (int x = cell.left() * 2; x < cell.left() * 2 + 8; ++x) {
        const QColor colour(image.pixel(x, y));
        if (bands.empty() || bands.back().first != colour)
            bands.emplace_back(colour, 0);
        ++bands.back().second;
    }
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0], std::pair(QColor(Qt::black), 4));
    EXPECT_EQ(bands[1], std::pair(QColor(Qt::white), 2));
    EXPECT_EQ(bands[2].second, 2);
}

} // namespace
} // namespace orbalux
