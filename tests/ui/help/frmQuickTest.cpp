#include "help/frmQuick.h"

#include "grid/BoardLook.h"
#include "HelpWindowFixture.h"
#include "WindowLayout.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, (0,1) a reflection, (4,0) a deflection.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

CellGrid& legendOf(const frmQuick& window)
{
    return *window.findChild<CellGrid*>(QStringLiteral("msfLegend"));
}

class frmQuickTest : public testing::HelpWindowFixture {
protected:
    bool visitQuickHelp(const std::function<void(frmQuick&)>& act) { return whileOpen<frmQuick>("mnQuickHelp", act); }
};

TEST_F(frmQuickTest, ParagraphsLegendAndButtonFitTheWindow)
{
    visitQuickHelp([](frmQuick& window) {
        EXPECT_EQ(window.windowTitle(), "Orbalux Quick Help");
        const testing::WindowLayout layout(window);
        EXPECT_EQ(layout.clipped(), std::vector<std::string>{});
        EXPECT_EQ(layout.collisions(), std::vector<std::string>{});
        EXPECT_EQ(layout.outside(), std::vector<std::string>{});

        const CellGrid& legend = legendOf(window);
        EXPECT_TRUE(QRect(QPoint(), legend.size()).contains(QRect(QPoint(), legend.sizeHint())));
        // Captions are drawn a few pixels in from each side of their cell.
        for (const int caption : {1, 3, 5}) {
            const int needed = legend.fontMetrics().horizontalAdvance(legend.look(0, caption)->text) + 6;
            EXPECT_LE(needed, legend.cellRect(0, caption).width()) << "column " << caption;
        }
    });
}

TEST_F(frmQuickTest, TheLegendShowsTheBoardsOwnLookForEachOutcome)
{
    Game game = testing::gameWith(kOneAtom);
    game.Shoot({0, 2}, false);
    game.Shoot({0, 1}, false);
    game.Shoot({4, 0}, false);
    const Board& board = game.board();
    ASSERT_EQ(board.cell({0, 2}).shot, Outcome::Hit);
    ASSERT_EQ(board.cell({0, 1}).shot, Outcome::Reflection);
    ASSERT_EQ(board.cell({4, 0}).shot, Outcome::Deflection);

    visitQuickHelp([&board](frmQuick& window) {
        const CellGrid& legend = legendOf(window);
        ASSERT_EQ(legend.rows(), 1);
        ASSERT_EQ(legend.columns(), 6);
        // The board's descriptions also say where a cell is; the legend's symbols are nowhere.
        const auto shownAs = [](const CellLook& look) { return std::tuple(look.text, look.background, look.centred); };
        EXPECT_EQ(shownAs(*legend.look(0, 0)), shownAs(lookOf(board, {0, 2})));
        EXPECT_EQ(shownAs(*legend.look(0, 2)), shownAs(lookOf(board, {0, 1})));
        EXPECT_EQ(shownAs(*legend.look(0, 4)), shownAs(lookOf(board, {4, 0})));
        EXPECT_TRUE(lookOf(board, {0, 2}).description.endsWith(legend.look(0, 0)->description));
        EXPECT_TRUE(lookOf(board, {0, 1}).description.endsWith(legend.look(0, 2)->description));
        const std::pair<int, const char*> captions[] = {{1, "Hit"}, {3, "Reflection"}, {5, "Deflection"}};
        for (const auto& [column, outcome] : captions) {
            EXPECT_TRUE(legend.look(0, column)->text.startsWith(QLatin1String(outcome))) << column;
            EXPECT_EQ(legend.look(0, column)->background, lookOf(board, {2, 2}).background) << column;
        }
    });
}

TEST_F(frmQuickTest, EnterOnTheLegendClosesTheWindowButEscapeDoesNot)
{
    const bool closed = visitQuickHelp([](frmQuick& window) {
        CellGrid& legend = legendOf(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_EQ(QApplication::focusWidget(), &legend);
        QTest::keyClick(&legend, Qt::Key_Escape);
        ASSERT_TRUE(window.isVisible());
        QTest::keyClick(&legend, Qt::Key_Return);
    });
    EXPECT_TRUE(closed);
}

TEST_F(frmQuickTest, TheFrameClosesItAndTheNextVisitShowsTheSameWindow)
{
    QPointer<frmQuick> first;
    EXPECT_TRUE(visitQuickHelp([&first](frmQuick& window) {
        first = &window;
        window.close();
    }));
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(visitQuickHelp([&first](frmQuick& window) {
        EXPECT_EQ(&window, first.data());
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }));
    EXPECT_EQ(window.findChildren<frmQuick*>().size(), 1);
}

// Clicks come through the window system here, which alone makes two quick presses a double-click.
TEST_F(frmQuickTest, ADoubleClickOnTheLegendIsOneClickButTwoSlowClicksAreTwo)
{
    visitQuickHelp([](frmQuick& window) {
        CellGrid& legend = legendOf(window);
        QSignalSpy clicked(&legend, &CellGrid::cellClicked);
        const QPoint symbol = legend.mapTo(&window, legend.cellRect(0, 2).center());
        const int slow = QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, symbol);
        EXPECT_EQ(clicked.size(), 1);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, symbol, slow);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, symbol, slow);
        EXPECT_EQ(clicked.size(), 3);
        EXPECT_TRUE(window.isVisible());
    });
}

TEST_F(frmQuickTest, TheGameGoesOnAfterQuickHelp)
{
    play.newGame(kOneAtom);
    play.click(0, 2);
    const QString score = play.label("lblScore");
    visitQuickHelp([](frmQuick& window) { QTest::keyClick(&window, Qt::Key_Return); });
    EXPECT_EQ(play.text(0, 2), "H");
    EXPECT_EQ(play.label("lblScore"), score);
    play.click(0, 1);
    EXPECT_EQ(play.text(0, 1), "R");
}

} // namespace
} // namespace orbalux
