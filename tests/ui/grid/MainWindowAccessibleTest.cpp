#include "MainWindowFixture.h"

#include <QAccessible>
#include <QLabel>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, (0,1) a reflection, row 4 runs straight.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

class MainWindowAccessible : public testing::MainWindowFixture {
protected:
    QAccessibleTableInterface* board()
    {
        return QAccessible::queryAccessibleInterface(window.msfGrid())->tableInterface();
    }
    std::pair<QString, QString> read(int row, int column)
    {
        const QAccessibleInterface* cell = board()->cellAt(row, column);
        if (!cell)
            return {"(none)", "(none)"};
        return {cell->text(QAccessible::Name), cell->text(QAccessible::Description)};
    }
    using Read = std::pair<QString, QString>;
};

TEST_F(MainWindowAccessible, TheBoardReadsAsATableOfWhatItShows)
{
    ASSERT_NE(board(), nullptr);
    EXPECT_EQ(board()->rowCount(), 10);
    EXPECT_EQ(board()->columnCount(), 10);

    newBoard(4, kOneAtom, true);
    EXPECT_EQ(board()->rowCount(), 6);
    EXPECT_EQ(board()->columnCount(), 6);
    EXPECT_EQ(read(0, 0), (Read{"", "corner"}));
    EXPECT_EQ(read(0, 1), (Read{"1", "border"}));
    EXPECT_EQ(read(1, 0), (Read{"16", "border"}));
    EXPECT_EQ(read(3, 3), (Read{"", "field"}));
    EXPECT_EQ(read(6, 0), (Read{"(none)", "(none)"}));
}

TEST_F(MainWindowAccessible, ShotsMarksAndPathsAreReadAfterEachChange)
{
    newBoard(4, kOneAtom);
    window.msfGrid_Click(0, 2);
    window.msfGrid_Click(0, 1);
    state.TraceShots = true;
    window.msfGrid_Click(4, 0);
    window.msfGrid_Click(3, 3);

    EXPECT_EQ(read(0, 2), (Read{"H", "hit"}));
    EXPECT_EQ(read(0, 1), (Read{"R", "reflection"}));
    EXPECT_EQ(read(4, 0), (Read{"a", "deflection"}));
    EXPECT_EQ(read(4, 5), (Read{"a", "deflection"}));
    EXPECT_EQ(read(4, 2), (Read{"", "laser path"}));
    EXPECT_EQ(read(3, 3), (Read{"O", "marked"}));
}

TEST_F(MainWindowAccessible, AfterSolvedTheAtomsAndMarksAreRead)
{
    newBoard(4, kOneAtom);
    window.msfGrid_Click(2, 2);
    window.cmdSolved_Click();
    ASSERT_FALSE(state.GameInProgress);
    EXPECT_EQ(read(1, 2), (Read{"", "atom"}));
    EXPECT_EQ(read(2, 2), (Read{"O", "marked"}));

    newBoard(4, kOneAtom);
    window.msfGrid_Click(1, 2);
    window.cmdSolved_Click();
    EXPECT_EQ(read(1, 2), (Read{"O", "atom, marked"}));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(window.lblResults())
                    ->text(QAccessible::Name)
                    .startsWith("Groovy!"));
}

} // namespace
} // namespace orbalux
