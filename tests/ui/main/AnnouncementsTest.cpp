#include "main/Announcements.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: top 2 hits, top 1 reflects, row 4 runs straight across.
class Announcements : public ::testing::Test {
protected:
    QString click(int row, int column)
    {
        const ClickResult result = m_game.click({static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}, false);
        if (result.shot)
            return shotAnnouncement(m_game.board(), *result.shot, m_game.Score());
        if (result.mark)
            return markAnnouncement(m_game.board(), *result.mark, m_game.AtomCount());
        return {};
    }

    Game m_game = testing::gameWith({".X..", "....", "....", "...."});
};

TEST_F(Announcements, AShotTellsItsOutcomeWhereItWentInAndOutAndTheScore)
{
    EXPECT_EQ(click(0, 2), "Hit: in at top 2. Score 1.");
    EXPECT_EQ(click(0, 1), "Reflection: in at top 1. Score 2.");
    EXPECT_EQ(click(4, 0), "Deflection a: in at left 4, out at right 4. Score 4.");
    EXPECT_EQ(click(4, 5), "Deflection b: in at right 4, out at left 4. Score 6.");
}

TEST_F(Announcements, AMarkTellsTheCellAndHowManyAreMarked)
{
    EXPECT_EQ(click(2, 3), "Marked row 2, column 3. 1 of 1 marked.");
    EXPECT_EQ(click(3, 1), "Marked row 3, column 1. 2 of 1 marked.");
    EXPECT_EQ(click(2, 3), "Unmarked row 2, column 3. 1 of 1 marked.");
}

TEST_F(Announcements, AGameTellsItsResultLineWithoutPaddingAndItsCounters)
{
    EXPECT_EQ(gameAnnouncement(QString::fromStdString(m_game.instructionText()), m_game, 99),
        "Click a light blue square on the edge of the field, or place/remove atoms on the field. Click "
        "Solved! when you think you have placed the atom correctly. Atoms in game 1, marked 0. Score 0, "
        "best score 99.");
    click(0, 2);
    click(1, 2);
    const SolveResult result = m_game.SolveGame(12.0f);
    ASSERT_EQ(result.kind, SolveResult::Kind::AllFound);
    EXPECT_EQ(gameAnnouncement(QString::fromStdString(result.text), m_game, 1),
        "Groovy! You found all 1 atoms in 12 seconds! Click New Game to go again... Atoms in game 1, "
        "marked 1. Score 1, best score 1.");
}

} // namespace
} // namespace orbalux
