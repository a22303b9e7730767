#include "game/Board.h"
#include "game/GridLimits.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orbalux {
namespace {

TEST(Board, ClassifiesCellsByPositionAlone)
{
    const Board board(8, false);
    EXPECT_EQ(board.side(), 10);
    EXPECT_EQ(board.fieldSize(), 8);
    EXPECT_EQ(board.kindOf({0, 0}), CellKind::Corner);
    EXPECT_EQ(board.kindOf({9, 0}), CellKind::Corner);
    EXPECT_EQ(board.kindOf({0, 5}), CellKind::Border);
    EXPECT_EQ(board.kindOf({5, 9}), CellKind::Border);
    EXPECT_EQ(board.kindOf({1, 8}), CellKind::Field);
    EXPECT_EQ(board.kindOf({10, 3}), CellKind::Outside);
    EXPECT_EQ(Board().kindOf({0, 0}), CellKind::Outside);
}

TEST(Board, RefusesToReachOutsideItself)
{
    Board board(4, false);
    EXPECT_THROW(board.cell({6, 0}), std::out_of_range);
    EXPECT_THROW(board.cell({0, -1}), std::out_of_range);
    EXPECT_EQ(Board(40, false).side(), kMaxGridSize + 2);
    EXPECT_NO_THROW(Board(kMaxGridSize, false).cell({kMaxGridSize + 1, kMaxGridSize + 1}));
}

// Top left to right, right top to bottom, bottom right to left, left bottom to top.
TEST(Board, NumbersTheBorderClockwiseFromTheTopLeftOnlyWhenAsked)
{
    const Board board(4, true);
    const int top[] = {1, 2, 3, 4};
    for (std::int16_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(board.cell({0, i}).number, top[i - 1]);
        EXPECT_EQ(board.cell({i, 5}).number, 4 + i);
        EXPECT_EQ(board.cell({5, i}).number, 13 - i);
        EXPECT_EQ(board.cell({i, 0}).number, 17 - i);
    }
    for (CellPos quiet : {CellPos{0, 0}, CellPos{5, 5}, CellPos{2, 2}})
        EXPECT_EQ(board.cell(quiet).number, 0);
    const Board plain(4, false);
    EXPECT_EQ(plain.cell({0, 1}).number, 0);
    EXPECT_EQ(plain.borderNumber({0, 1}), 1);
}

} // namespace
} // namespace orbalux
