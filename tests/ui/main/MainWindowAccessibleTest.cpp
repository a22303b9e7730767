#include "MainWindowFixture.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, (0,1) a reflection, row 4 runs straight.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

using Read = std::pair<QString, QString>;

class MainWindowAccessible : public testing::MainWindowFixture {
protected:
    QAccessibleTableInterface* board() { return QAccessible::queryAccessibleInterface(&play.grid())->tableInterface(); }

    Read read(int row, int column)
    {
        const QAccessibleInterface* cell = board()->cellAt(row, column);
        if (!cell)
            return {"(none)", "(none)"};
        return {cell->text(QAccessible::Name), cell->text(QAccessible::Description)};
    }

    // A screen reader hears exactly what the board shows, cell for cell.
    void expectEveryCellReadAsShown()
    {
        ASSERT_EQ(board()->rowCount(), play.grid().rows());
        ASSERT_EQ(board()->columnCount(), play.grid().columns());
        for (int row = 0; row < play.grid().rows(); ++row) {
            for (int column = 0; column < play.grid().columns(); ++column)
                EXPECT_EQ(read(row, column), (Read{play.text(row, column), play.cell(row, column).description}))
                    << row << "," << column;
        }
    }
};

TEST_F(MainWindowAccessible, TheBoardReadsAsATableOfTheGameShown)
{
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->rowCount(), 10);
    expectEveryCellReadAsShown();

    play.newGame(kOneAtom, true);
    EXPECT_EQ(board()->rowCount(), 6);
    EXPECT_EQ(board()->columnCount(), 6);
    EXPECT_EQ(read(0, 1), (Read{"1", "top border 1"}));
    EXPECT_EQ(read(6, 0), (Read{"(none)", "(none)"}));
    expectEveryCellReadAsShown();
}

TEST_F(MainWindowAccessible, ShotsMarksAndPathsAreReadAfterEachChange)
{
    play.newGame(kOneAtom, false, true);
    play.click(0, 2);
    EXPECT_EQ(read(0, 2), (Read{"H", "top border 2, hit"}));
    play.click(4, 0);
    EXPECT_EQ(read(4, 5), (Read{"a", "right border 4, deflection a, comes out at left 4"}));
    EXPECT_EQ(read(4, 2), (Read{"", "row 4, column 2, laser path"}));
    play.click(3, 3);
    EXPECT_EQ(read(3, 3), (Read{"O", "row 3, column 3, marked"}));
    expectEveryCellReadAsShown();
}

TEST_F(MainWindowAccessible, AfterSolvedTheAtomsAndTheResultAreRead)
{
    play.newGame(kOneAtom);
    play.click(1, 2);
    play.press("cmdSolved");
    EXPECT_EQ(read(1, 2), (Read{"O", "row 1, column 2, atom, marked"}));
    expectEveryCellReadAsShown();
    auto* results = play.child<QLabel>("lblResults");
    EXPECT_FALSE(results->text().isEmpty());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(results)->text(QAccessible::Name), results->text());
}

} // namespace
} // namespace orbalux
