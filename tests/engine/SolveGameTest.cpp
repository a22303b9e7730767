#include "game/Game.h"
#include "game/Run.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::gameWith;

// Atoms in the first and the last row and column, so no reveal can skip an edge of the field.
const std::vector<std::string> kCorners{"X...X", ".....", "..X..", ".....", "X...X"};

void mark(Game& game, const std::vector<std::string>& picture)
{
    for (std::size_t r = 0; r < picture.size(); ++r) {
        for (std::size_t c = 0; c < picture[r].size(); ++c) {
            if (picture[r][c] == 'O')
                game.ToggleMark({static_cast<std::int16_t>(r + 1), static_cast<std::int16_t>(c + 1)});
        }
    }
}

std::vector<std::string> revealed(const Game& game)
{
    std::vector<std::string> picture;
    const std::int16_t n = game.board().fieldSize();
    for (std::int16_t row = 1; row <= n; ++row) {
        std::string line;
        for (std::int16_t column = 1; column <= n; ++column) {
            const Cell& cell = game.board().cell({row, column});
            line += cell.atomRevealed ? (cell.marked ? '@' : 'X') : (cell.marked ? 'O' : '.');
        }
        picture.push_back(line);
    }
    return picture;
}

TEST(SolveGame, AWrongNumberOfMarksIsRefusedAndTheGameGoesOn)
{
    for (const std::vector<std::string>& marks :
        {std::vector<std::string>{"O...O", ".....", ".....", ".....", "O...O"},
            std::vector<std::string>{"O...O", ".....", "..O..", ".....", "O.O.O"}}) {
        Game game = gameWith(kCorners);
        game.Shoot({0, 2}, false);
        mark(game, marks);
        EXPECT_EQ(game.SolveGame(5.0f), (SolveResult{SolveResult::Kind::WrongMarkCount, 5, 0, 0}));
        EXPECT_TRUE(game.GameInProgress());
        EXPECT_EQ(revealed(game), std::vector<std::string>(marks));
        EXPECT_EQ(game.Score(), 1);
    }
}

TEST(SolveGame, AFullSolutionRevealsEveryAtomAndReportsWholeSecondsRoundedDown)
{
    Game game = gameWith(kCorners);
    game.startClock(1000.0f);
    mark(game, {"O...O", ".....", "..O..", ".....", "O...O"});
    EXPECT_EQ(game.SolveGame(1037.9f), (SolveResult{SolveResult::Kind::AllFound, 5, 5, 37}));
    EXPECT_FALSE(game.GameInProgress());
    EXPECT_EQ(revealed(game), (std::vector<std::string>{"@...@", ".....", "..@..", ".....", "@...@"}));
}

TEST(SolveGame, MarksBesideTheAtomsRevealThemAllAndStayOnTheField)
{
    Game game = gameWith(kCorners);
    mark(game, {".O.O.", ".....", ".....", "O...O", "..O.."});
    EXPECT_EQ(game.SolveGame(0.0f), (SolveResult{SolveResult::Kind::NotAllFound, 5, 0, 0}));
    EXPECT_EQ(revealed(game), (std::vector<std::string>{"XO.OX", ".....", "..X..", "O...O", "X.O.X"}));
}

TEST(SolveGame, SolvingAgainRewritesTheLineWithFreshSecondsAndNothingElse)
{
    Game game = gameWith(kCorners);
    game.startClock(100.0f);
    mark(game, {"O...O", ".....", "..O..", ".....", "O...O"});
    game.SolveGame(110.0f);
    const Board once = game.board();
    EXPECT_EQ(game.SolveGame(150.5f), (SolveResult{SolveResult::Kind::AllFound, 5, 5, 50}));
    EXPECT_EQ(game.board(), once);
}

TEST(SolveGame, AGamePastMidnightCountsOnInsteadOfGoingNegative)
{
    EXPECT_EQ(elapsedSeconds(86390.0f, 15.5f), 25);
    EXPECT_EQ(elapsedSeconds(0.0f, 86399.9f), 86399);
    EXPECT_EQ(elapsedSeconds(10.0f, 10.0f), 0);
}

TEST(BestScore, TheBestScoreStartsAtNinetyNineAndOnlyFallsToALowerFullSolution)
{
    orbalux::Run run;
    EXPECT_EQ(run.BestScore(), 99);
    EXPECT_FALSE(run.recordFullSolution(99));
    EXPECT_FALSE(run.recordFullSolution(120));
    EXPECT_TRUE(run.recordFullSolution(14));
    EXPECT_FALSE(run.recordFullSolution(14));
    EXPECT_TRUE(run.recordFullSolution(0));
    EXPECT_EQ(run.BestScore(), 0);
}

} // namespace
} // namespace orbalux
