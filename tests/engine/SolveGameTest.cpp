#include "SolveGame.h"
#include "TestDoubles.h"
#include "ToggleMark.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::FixedClock;

const std::vector<std::string> kFiveAtoms{"X.......", "....X...", "........", "..X.....", "........",
    ".......X", "...X....", "........"};
const std::vector<CellPos> kAtomCells{{1, 1}, {2, 5}, {4, 3}, {6, 8}, {7, 4}};

class SolveGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.BestScore = 99;
        testing::startGame(state, kFiveAtoms);
        state.GameStartTime = 1000.0f;
    }

    void markAll(const std::vector<CellPos>& cells)
    {
        for (CellPos cell : cells)
            ToggleMark(state, cell);
    }

    SolveResult solveAt(float now)
    {
        FixedClock clock(now);
        return SolveGame(state, clock);
    }

    GameState state;
};

TEST_F(SolveGameTest, WrongNumberOfMarksIsRefusedAndTheGameGoesOn)
{
    markAll({{1, 1}, {2, 5}, {4, 3}, {6, 8}});
    state.Score = 6;
    const Board before = state.board;
    SolveResult result = solveAt(1500.0f);
    EXPECT_EQ(result.kind, SolveResult::Kind::WrongMarkCount);
    EXPECT_EQ(result.text, "You do not have exactly  5 atoms marked.");
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(state.board, before);
    EXPECT_EQ(state.Score, 6);

    markAll({{7, 4}, {8, 8}});
    EXPECT_EQ(solveAt(1500.0f).kind, SolveResult::Kind::WrongMarkCount);
    markAll({{8, 8}});
    EXPECT_EQ(solveAt(1500.0f).kind, SolveResult::Kind::AllFound);
}

TEST_F(SolveGameTest, FullSolutionReportsWholeSecondsRoundedDown)
{
    markAll(kAtomCells);
    const SolveResult result = solveAt(1037.9f);
    EXPECT_EQ(result.text, "Groovy! You found all  5 atoms in 37 seconds!  Click New Game to go again...");
    EXPECT_EQ(state.resultsText, result.text);
    EXPECT_FALSE(state.GameInProgress);
    for (CellPos cell : kAtomCells) {
        EXPECT_EQ(state.board.cell(cell).background, Colour::Blue);
        EXPECT_EQ(state.board.cell(cell).text, "O");
    }
}

TEST_F(SolveGameTest, NoMarkOnAnAtomRevealsThemAllAndLeavesWrongMarksOnTheField)
{
    const std::vector<CellPos> wrong{{1, 2}, {3, 3}, {5, 5}, {8, 1}, {8, 8}};
    markAll(wrong);
    const SolveResult result = solveAt(1001.0f);
    EXPECT_EQ(result.text, "Rats! You only found  0 of the atoms!  Click New Game to go again...");
    for (CellPos cell : kAtomCells) {
        EXPECT_EQ(state.board.cell(cell).background, Colour::Blue);
        EXPECT_EQ(state.board.cell(cell).text, "");
    }
    for (CellPos cell : wrong) {
        EXPECT_EQ(state.board.cell(cell).background, Colour::ToolTip);
        EXPECT_EQ(state.board.cell(cell).text, "O");
    }
    EXPECT_EQ(state.BestScore, 99);
}

TEST_F(SolveGameTest, BestScoreOnlyFallsAfterFullSolutions)
{
    const auto play = [this](int score, bool full) {
        testing::startGame(state, kFiveAtoms);
        markAll(kAtomCells);
        if (!full) {
            ToggleMark(state, {1, 1});
            ToggleMark(state, {1, 2});
        }
        state.Score = static_cast<std::int16_t>(score);
        solveAt(1000.0f);
        return state.BestScore;
    };
    EXPECT_EQ(play(14, true), 14);
    EXPECT_EQ(play(14, true), 14);
    EXPECT_EQ(play(3, false), 14);
    EXPECT_EQ(play(9, true), 9);
    EXPECT_EQ(play(0, true), 0);
}

TEST_F(SolveGameTest, AScoreOfNinetyNineOrMoreLeavesTheStartingBest)
{
    markAll(kAtomCells);
    state.Score = 120;
    EXPECT_FALSE(solveAt(1000.0f).bestScoreChanged);
    EXPECT_EQ(state.BestScore, 99);
}

TEST_F(SolveGameTest, SolvingAgainRewritesTheLineWithFreshSecondsAndNothingElse)
{
    markAll(kAtomCells);
    state.Score = 4;
    solveAt(1010.0f);
    const Board after = state.board;
    const SolveResult again = solveAt(1100.5f);
    EXPECT_EQ(again.text, "Groovy! You found all  5 atoms in 100 seconds!  Click New Game to go again...");
    EXPECT_FALSE(again.bestScoreChanged);
    EXPECT_EQ(state.board, after);
}

TEST_F(SolveGameTest, AGamePastMidnightCountsOnInsteadOfGoingNegative)
{
    state.GameStartTime = 86390.0f;
    markAll(kAtomCells);
    EXPECT_EQ(solveAt(15.5f).text, "Groovy! You found all  5 atoms in 25 seconds!  Click New Game to go again...");
    EXPECT_EQ(elapsedSeconds(100.0f, 100.0f), 0);
}

TEST_F(SolveGameTest, ADeclinedResizeStillSolvesTheBoardOnScreen)
{
    markAll(kAtomCells);
    setGridSize(state, 4);
    state.AtomCount = 1;
    EXPECT_EQ(solveAt(1000.0f).kind, SolveResult::Kind::AllFound);
    EXPECT_EQ(state.board.cell({6, 8}).background, Colour::Blue);
}

TEST(ToggleMark, MarksEveryFieldCellAndTwiceRestores)
{
    GameState state;
    testing::startGame(state, {"....", "....", "....", "...."});
    for (std::int16_t r = 1; r <= 4; ++r) {
        for (std::int16_t c = 1; c <= 4; ++c)
            ToggleMark(state, {r, c});
    }
    EXPECT_EQ(state.MarkedCount, 16);
    EXPECT_EQ(ToggleMark(state, {2, 2}), 15);
    EXPECT_EQ(state.board.cell({2, 2}).text, "");
    EXPECT_EQ(ToggleMark(state, {2, 2}), 16);
    EXPECT_EQ(ToggleMark(state, {0, 2}), 16);
    EXPECT_EQ(ToggleMark(state, {9, 9}), 16);
}

} // namespace
} // namespace orbalux
