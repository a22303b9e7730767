#include "BoardClick.h"
#include "DeflectionLetter.h"
#include "Shot.h"
#include "SolveGame.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

using testing::ScriptedMessenger;

// One atom at (1,2): (0,2) is a hit, (0,1) a reflection, and row 4 runs straight across.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

class ShotTest : public ::testing::Test {
protected:
    void SetUp() override { testing::startGame(state, kOneAtom); }

    ClickEffect click(int row, int column)
    {
        return ClickBoardCell(state, {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)}, messenger);
    }
    const Cell& cell(int row, int column) const
    {
        return state.board.cell({static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)});
    }

    GameState state;
    ScriptedMessenger messenger;
};

TEST_F(ShotTest, HitReflectionAndDeflectionCostFourAndColourTheirCells)
{
    EXPECT_EQ(click(0, 2), ClickEffect::Shot);
    EXPECT_EQ(cell(0, 2).text, "H");
    EXPECT_EQ(cell(0, 2).background, Colour::Red);
    EXPECT_EQ(state.resultsText, "H means your laser Hit an atom.");

    click(0, 1);
    EXPECT_EQ(cell(0, 1).text, "R");
    EXPECT_EQ(cell(0, 1).background, Colour::Yellow);
    EXPECT_EQ(state.resultsText, "R means either your laser was unable to go in because of an adjacent atom or it "
                                 "came out the same place it went in.");

    click(4, 0);
    EXPECT_EQ(cell(4, 0).text, "a");
    EXPECT_EQ(cell(4, 5).text, "a");
    EXPECT_EQ(cell(4, 0).background, Colour::Lime);
    EXPECT_EQ(cell(4, 5).background, Colour::Lime);
    EXPECT_EQ(state.resultsText, "\"a\" means your laser went in one place and out another.");
    EXPECT_EQ(state.Score, 4);
    EXPECT_EQ(state.NextDeflectionLetter, 98);
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(ShotTest, TracingDrawsOnlyWhileSwitchedOnAndNeverOnTheBorder)
{
    click(4, 0);
    for (std::int16_t c = 0; c <= 5; ++c)
        EXPECT_EQ(cell(4, c).picture, SegmentKind::None);
    state.TraceShots = true;
    click(2, 0); // turns down at (2,1) away from (1,2) and leaves at the bottom
    EXPECT_EQ(cell(2, 1).picture, SegmentKind::SWBar);
    EXPECT_EQ(cell(3, 1).picture, SegmentKind::VBar);
    EXPECT_EQ(cell(4, 1).picture, SegmentKind::VBar);
    EXPECT_EQ(cell(2, 0).picture, SegmentKind::None);
    EXPECT_EQ(cell(5, 1).picture, SegmentKind::None);
    click(0, 3); // a reflection at the door draws nothing
    EXPECT_EQ(cell(1, 3).picture, SegmentKind::None);
    state.TraceShots = false;
    click(3, 0);
    EXPECT_EQ(cell(3, 2).picture, SegmentKind::None);
    EXPECT_EQ(cell(2, 1).picture, SegmentKind::SWBar);
}

TEST_F(ShotTest, RepeatedDeflectionsAreLetteredOnwardPastZ)
{
    for (int i = 0; i < 26; ++i)
        click(4, 0);
    EXPECT_EQ(cell(4, 0).text, "z");
    click(4, 0);
    EXPECT_EQ(cell(4, 0).text, "{");
    EXPECT_EQ(cell(4, 5).text, "{");
    EXPECT_EQ(state.Score, 54);
}

TEST_F(ShotTest, LettersAndScoreStopAtTheirCeilingsInsteadOfOverflowing)
{
    state.NextDeflectionLetter = kLastDeflectionLetter;
    state.Score = kScoreCeiling - 1;
    click(4, 0);
    click(4, 0);
    EXPECT_EQ(state.Score, kScoreCeiling);
    EXPECT_EQ(state.NextDeflectionLetter, kLastDeflectionLetter);
    EXPECT_EQ(cell(4, 0).text, DeflectionLetter(kLastDeflectionLetter));
}

TEST(DeflectionLetter, EveryCodeHasOneVisibleCharacter)
{
    EXPECT_EQ(DeflectionLetter(97), "a");
    EXPECT_EQ(DeflectionLetter(126), "~");
    EXPECT_EQ(DeflectionLetter(127), "\u00C0");
    EXPECT_EQ(DeflectionLetter(kLastDeflectionLetter), "\u024F");
    EXPECT_EQ(DeflectionLetter(32767), DeflectionLetter(kLastDeflectionLetter));
}

TEST_F(ShotTest, CornersAndFinishedGamesAreRefusedWithoutChangingAnything)
{
    EXPECT_EQ(click(5, 5), ClickEffect::Corner);
    EXPECT_EQ(messenger.shown.back(), "Don't select corner cells, silly!");
    EXPECT_EQ(CellPos(state.LaserRow, state.LaserCol), CellPos(5, 5));
    EXPECT_EQ(state.Score, 0);

    click(2, 2);
    testing::FixedClock clock(5.0f);
    SolveGame(state, clock);
    const GameState finished = state;
    for (CellPos cell : {CellPos{0, 1}, CellPos{0, 0}, CellPos{3, 3}})
        EXPECT_EQ(ClickBoardCell(state, cell, messenger), ClickEffect::Refused);
    EXPECT_EQ(messenger.shown.back(), "Cheating Zindra? You can't make any changes until you start a new game.");
    EXPECT_EQ(state.board, finished.board);
    EXPECT_EQ(state.LaserRow, finished.LaserRow);
    EXPECT_EQ(state.MarkedCount, 1);
}

TEST_F(ShotTest, ClicksOffTheBoardInUseAreIgnoredWhateverTheSettingsSay)
{
    setGridSize(state, 15);
    EXPECT_EQ(click(16, 3), ClickEffect::Ignored);
    EXPECT_EQ(click(-1, 0), ClickEffect::Ignored);
    EXPECT_EQ(click(5, 3), ClickEffect::Shot); // the bottom border of the 4 by 4 board
    EXPECT_EQ(cell(5, 3).text, "a");
}

TEST_F(ShotTest, AFieldClickOnATracePictureTogglesTheMark)
{
    state.TraceShots = true;
    click(4, 0);
    EXPECT_EQ(click(4, 2), ClickEffect::Marked);
    EXPECT_EQ(cell(4, 2).text, "O");
    EXPECT_EQ(cell(4, 2).picture, SegmentKind::HBar);
    click(4, 2);
    EXPECT_EQ(state.MarkedCount, 0);
}

TEST(NewGame, NumbersTheBorderClockwiseFromTheTopLeft)
{
    GameState state;
    testing::startGame(state, {"....", "....", "....", "...."}, true);
    const auto text = [&](int r, int c) {
        return state.board.cell({static_cast<std::int16_t>(r), static_cast<std::int16_t>(c)}).text;
    };
    std::string top, right, bottom, left;
    for (int i = 1; i <= 4; ++i) {
        top += text(0, i) + " ";
        right += text(i, 5) + " ";
        bottom += text(5, i) + " ";
        left += text(i, 0) + " ";
    }
    EXPECT_EQ(top, "1 2 3 4 ");
    EXPECT_EQ(right, "5 6 7 8 ");
    EXPECT_EQ(bottom, "12 11 10 9 ");
    EXPECT_EQ(left, "16 15 14 13 ");
    EXPECT_EQ(text(0, 0), "");
    EXPECT_EQ(state.board.cell({5, 5}).background, Colour::Silver);
    EXPECT_EQ(state.resultsText.substr(0, 16), "Click a number o");
}

TEST(NewGame, ShrinkingFromFifteenLeavesNothingOfTheOldBoard)
{
    GameState state;
    testing::startGame(state, std::vector<std::string>(15, "..............X"));
    state.TraceShots = true;
    ScriptedMessenger messenger;
    for (std::int16_t i = 1; i <= 15; ++i)
        ClickBoardCell(state, {0, i}, messenger);
    ClickBoardCell(state, {7, 7}, messenger);

    testing::startGame(state, {"....", "....", "....", "...."});
    EXPECT_EQ(state.board.rows(), 6);
    EXPECT_EQ(state.board.columns(), 6);
    for (std::int16_t r = 0; r < 6; ++r) {
        for (std::int16_t c = 0; c < 6; ++c) {
            const Cell& cell = state.board.cell({r, c});
            EXPECT_EQ(cell.text, "");
            EXPECT_EQ(cell.picture, SegmentKind::None);
            const CellKind kind = state.board.kindOf({r, c});
            const Colour expected = kind == CellKind::Corner ? Colour::Silver
                : kind == CellKind::Border                   ? Colour::Aqua
                                                             : Colour::ToolTip;
            EXPECT_EQ(cell.background, expected);
        }
    }
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.MarkedCount, 0);
    EXPECT_EQ(state.NextDeflectionLetter, 97);
    EXPECT_EQ(state.resultsText.substr(0, 27), "Click a light blue square o");
}

} // namespace
} // namespace orbalux
