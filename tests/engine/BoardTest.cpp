#include "Board.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace orbalux {
namespace {

TEST(Board, ClassifiesCellsByPositionAlone)
{
    Board board(10, 10);
    EXPECT_EQ(board.fieldSize(), 8);
    EXPECT_EQ(board.kindOf({0, 0}), CellKind::Corner);
    EXPECT_EQ(board.kindOf({9, 0}), CellKind::Corner);
    EXPECT_EQ(board.kindOf({0, 5}), CellKind::Border);
    EXPECT_EQ(board.kindOf({5, 9}), CellKind::Border);
    EXPECT_EQ(board.kindOf({1, 8}), CellKind::Field);
    EXPECT_EQ(board.kindOf({10, 3}), CellKind::Outside);
    EXPECT_EQ(Board(1, 6).kindOf({0, 0}), CellKind::Outside);
}

TEST(Board, RefusesToReachOutsideItself)
{
    Board board(6, 6);
    EXPECT_THROW(board.cell({6, 0}), std::out_of_range);
    EXPECT_THROW(board.cell({0, -1}), std::out_of_range);
    board.reset(17, 17);
    EXPECT_NO_THROW(board.cell({16, 16}));
}

} // namespace
} // namespace orbalux
