#include "game/DeflectionLetter.h"
#include "game/Game.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <set>
#include <variant>

namespace orbalux {
namespace {

using testing::gameWith;

CellPos at(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

// One atom at (1,2): (0,2) is a hit, (0,1) a reflection, row 4 runs straight across.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

TEST(NewGame, HidesTheDealtAtomsOnAFreshBoardAndStartsTheGame)
{
    const Game game = gameWith({"....", "..X.", "....", "X..X"});
    EXPECT_TRUE(game.GameInProgress());
    EXPECT_EQ(game.board().side(), 6);
    EXPECT_EQ(game.AtomCount(), 3);
    EXPECT_TRUE(game.AtomMap().hasAtom(4, 4));
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.MarkedCount(), 0);
    EXPECT_EQ(deflectionLetter(game.NextDeflectionLetter()), "a");
    EXPECT_TRUE(game.dealComplaints().empty());
    EXPECT_FALSE(game.board().showsNumbers());
    EXPECT_TRUE(gameWith(kOneAtom, true).board().showsNumbers());
}

TEST(Shots, HitReflectionAndDeflectionCostFourAndMarkTheirBorderCells)
{
    Game game = gameWith(kOneAtom);
    const ShotResult hit = game.Shoot(at(0, 2), false);
    EXPECT_EQ(hit.outcome, Outcome::Hit);
    EXPECT_EQ(hit.cost, 1);
    EXPECT_TRUE(hit.letter.empty());
    const ShotResult reflection = game.Shoot(at(0, 1), false);
    EXPECT_EQ(reflection.outcome, Outcome::Reflection);
    const ShotResult deflection = game.Shoot(at(4, 0), false);
    EXPECT_EQ(deflection.outcome, Outcome::Deflection);
    EXPECT_EQ(deflection.exit, at(4, 5));
    EXPECT_EQ(deflection.letter, "a");
    EXPECT_EQ(deflection.cost, 2);
    EXPECT_EQ(game.Score(), 4);

    EXPECT_EQ(game.board().cell(at(0, 2)).shot, Outcome::Hit);
    EXPECT_EQ(game.board().cell(at(0, 1)).shot, Outcome::Reflection);
    for (const auto& [end, other] : {std::pair{at(4, 0), at(4, 5)}, std::pair{at(4, 5), at(4, 0)}}) {
        const Cell& cell = game.board().cell(end);
        EXPECT_EQ(cell.shot, Outcome::Deflection);
        EXPECT_EQ(deflectionLetter(cell.letter), "a");
        EXPECT_EQ(cell.partner, other);
    }
}

TEST(Shots, TracingDrawsThePathOnTheFieldOnlyWhileSwitchedOn)
{
    Game game = gameWith(kOneAtom);
    game.Shoot(at(3, 0), false);
    EXPECT_EQ(game.board().cell(at(3, 2)).trace, SegmentKind::None);
    const ShotResult traced = game.Shoot(at(3, 0), true);
    ASSERT_EQ(traced.trace.size(), 4u);
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(game.board().cell(at(3, column)).trace, SegmentKind::HBar);
    EXPECT_EQ(game.board().cell(at(3, 0)).trace, SegmentKind::None);
    EXPECT_EQ(game.board().cell(at(3, 5)).trace, SegmentKind::None);
}

TEST(Shots, DeflectionsAreLetteredOnwardPastZAndFiringAgainRelettersBothEnds)
{
    Game game = gameWith({"....", "....", "....", "...."});
    for (int shot = 0; shot < 26; ++shot)
        game.Shoot(at(1, 0), false);
    const ShotResult twentySeventh = game.Shoot(at(1, 0), false);
    EXPECT_EQ(twentySeventh.letter, "{");
    EXPECT_EQ(deflectionLetter(game.board().cell(at(1, 5)).letter), "{");
    EXPECT_EQ(game.Score(), 54);
}

TEST(Shots, LettersAndScoreStopAtTheirCeilingsInsteadOfOverflowing)
{
    Game game = gameWith({"....", "....", "....", "...."});
    std::set<std::string> letters;
    for (int shot = 0; shot < 6000; ++shot)
        letters.insert(game.Shoot(at(2, 0), false).letter);
    EXPECT_EQ(game.Score(), kScoreCeiling);
    EXPECT_EQ(game.NextDeflectionLetter(), kLastDeflectionLetter);
    EXPECT_EQ(letters.size(), static_cast<std::size_t>(kLastDeflectionLetter - kFirstDeflectionLetter + 1));
}

TEST(DeflectionLetter, EveryCodeHasOneVisibleCharacterOfItsOwn)
{
    std::set<std::string> seen;
    for (std::int16_t code = kFirstDeflectionLetter; code <= kLastDeflectionLetter; ++code) {
        const std::string letter = deflectionLetter(code);
        ASSERT_FALSE(letter.empty());
        ASSERT_GT(static_cast<unsigned char>(letter[0]), 0x20);
        ASSERT_NE(static_cast<unsigned char>(letter[0]), 0x7F);
        ASSERT_TRUE(seen.insert(letter).second) << code;
    }
    EXPECT_EQ(deflectionLetter(kLastDeflectionLetter + 100), deflectionLetter(kLastDeflectionLetter));
}

TEST(Clicks, CornersAndFinishedGamesAreRefusedWithoutChangingAnything)
{
    Game game = gameWith(kOneAtom);
    EXPECT_EQ(game.click(at(5, 0), false), ClickResult(Refusal{Refusal::Kind::Corner}));
    game.click(at(1, 2), false);
    ASSERT_EQ(game.SolveGame(0.0f).kind, SolveResult::Kind::AllFound);
    const Board finished = game.board();
    for (CellPos cell : {at(0, 1), at(2, 2), at(0, 0), at(9, 9)})
        EXPECT_EQ(game.click(cell, true), ClickResult(Refusal{Refusal::Kind::NoGame}));
    EXPECT_EQ(game.board(), finished);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(Game().click(at(0, 1), false), ClickResult(Refusal{Refusal::Kind::NoGame}));
}

TEST(Clicks, CellsOffTheBoardAreIgnoredAndBorderCellsShoot)
{
    Game game = gameWith(kOneAtom);
    for (CellPos outside : {at(6, 1), at(-1, 2), at(1, 16)})
        EXPECT_EQ(game.click(outside, false), ClickResult(Ignored{}));
    const ClickResult clicked = game.click(at(0, 2), false);
    const auto* shot = std::get_if<ShotResult>(&clicked);
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->outcome, Outcome::Hit);
    EXPECT_EQ(game.Score(), 1);
}

TEST(Marks, EveryFieldCellCanBeMarkedAndASecondClickTakesTheMarkOff)
{
    Game game = gameWith(kOneAtom);
    game.Shoot(at(3, 0), true);
    for (std::int16_t row = 1; row <= 4; ++row) {
        for (std::int16_t column = 1; column <= 4; ++column)
            game.click({row, column}, false);
    }
    EXPECT_EQ(game.MarkedCount(), 16);
    EXPECT_EQ(game.click(at(3, 2), false), ClickResult(MarkResult{at(3, 2), false, 15}));
    // The trace picture stays under the mark.
    EXPECT_EQ(game.board().cell(at(3, 2)).trace, SegmentKind::HBar);
    EXPECT_FALSE(game.board().cell(at(3, 2)).marked);
    EXPECT_EQ(game.ToggleMark(at(0, 1)).MarkedCount, 15);
    EXPECT_FALSE(game.board().cell(at(0, 1)).marked);
}

TEST(Observations, EachShotOnTheBorderCountsOnceInBorderNumberOrder)
{
    Game game = gameWith(kOneAtom);
    game.Shoot(at(4, 5), false); // a deflection from 8 out at 13
    game.Shoot(at(0, 2), false); // a hit at 2
    game.Shoot(at(4, 5), false); // the same deflection again, now lettered b
    game.Shoot(at(0, 1), false); // a reflection at 1
    EXPECT_EQ(game.observations(), (std::vector<Observation>{{at(0, 1), Outcome::Reflection, at(0, 1)},
                                       {at(0, 2), Outcome::Hit, at(0, 2)},
                                       {at(4, 5), Outcome::Deflection, at(4, 0)}}));
    EXPECT_TRUE(gameWith(kOneAtom).observations().empty());
}

} // namespace
} // namespace orbalux
