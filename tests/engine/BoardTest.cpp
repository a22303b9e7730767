#include "game/Board.h"
#include "game/BorderCell.h"
#include "game/GridLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orbalux {
namespace {

CellPos at(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

// One word per cell, separated by blanks; "." is a cell that shows nothing.
std::vector<std::vector<std::string>> wordsOf(const std::vector<std::string>& picture)
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : picture) {
        std::istringstream words(line);
        rows.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    }
    return rows;
}

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

TEST(Board, NumbersTheBorderClockwiseFromTheTopLeftOnlyWhenAsked)
{
    const auto picture = wordsOf({
        " .  1  2  3  4  .",
        "16  .  .  .  .  5",
        "15  .  .  .  .  6",
        "14  .  .  .  .  7",
        "13  .  .  .  .  8",
        " . 12 11 10  9  .",
    });
    const Board board(4, true);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const std::string& drawn = picture[row][column];
            EXPECT_EQ(board.cell(at(row, column)).number, drawn == "." ? 0 : std::stoi(drawn)) << row << "," << column;
        }
    }
    EXPECT_TRUE(board.showsNumbers());
    const Board plain(4, false);
    EXPECT_EQ(plain.cell({0, 1}).number, 0);
    EXPECT_EQ(plain.borderNumber({0, 1}), 1);
    EXPECT_FALSE(plain.showsNumbers());
}

TEST(Board, KnowsWhichSideOfTheBorderEachCellIsOn)
{
    const auto picture = wordsOf({
        ". T T T .",
        "L . . . R",
        "L . . . R",
        "L . . . R",
        ". B B B .",
    });
    const std::vector<std::pair<std::string, Side>> names{
        {"T", Side::Top}, {"R", Side::Right}, {"B", Side::Bottom}, {"L", Side::Left}};
    const Board board(3, false);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            std::optional<Side> drawn;
            for (const auto& [name, side] : names) {
                if (picture[row][column] == name)
                    drawn = side;
            }
            EXPECT_EQ(board.sideOf(at(row, column)), drawn) << row << "," << column;
        }
    }
    EXPECT_EQ(board.sideOf({5, 2}), std::nullopt);
    EXPECT_EQ(BorderCell::sideOf(kMaxGridSize + 1, {0, 1}), std::nullopt);
    EXPECT_EQ(BorderCell::sideOf(0, {0, 1}), std::nullopt);
}

TEST(BorderCell, NumbersRunClockwiseFromTheTopLeftAndSkipTheCorners)
{
    EXPECT_EQ(BorderCell::at(8, 1), (CellPos{0, 1}));
    EXPECT_EQ(BorderCell::at(8, 9), (CellPos{1, 9}));
    EXPECT_EQ(BorderCell::at(8, 17), (CellPos{9, 8}));
    EXPECT_EQ(BorderCell::at(8, 32), (CellPos{1, 0}));
    EXPECT_EQ(BorderCell::numberOf(8, {0, 0}), 0);
    EXPECT_EQ(BorderCell::numberOf(8, {9, 9}), 0);
    EXPECT_EQ(BorderCell::numberOf(8, {4, 4}), 0);
    EXPECT_EQ(BorderCell::numberOf(kMaxGridSize + 1, {0, 1}), 0);
    EXPECT_EQ(BorderCell::count(0), 0);
    EXPECT_EQ(BorderCell::count(kMaxGridSize + 1), 0);
}

// Going round by number, each cell touches the one before, at least at a corner, and the last
// touches the first: one walk round the ring that starts at the top left and goes right.
TEST(BorderCell, EverySizeNumbersEachBorderCellOnceGoingRoundTheRing)
{
    for (std::int16_t gridSize = 1; gridSize <= kMaxGridSize; ++gridSize) {
        SCOPED_TRACE(gridSize);
        const Board board(gridSize, false);
        const int count = BorderCell::count(gridSize);
        ASSERT_EQ(count, 4 * gridSize);
        std::set<std::pair<int, int>> seen;
        CellPos previous = BorderCell::at(gridSize, count);
        for (int number = 1; number <= count; ++number) {
            const CellPos pos = BorderCell::at(gridSize, number);
            EXPECT_EQ(board.kindOf(pos), CellKind::Border) << number;
            EXPECT_EQ(BorderCell::numberOf(gridSize, pos), number);
            EXPECT_EQ(std::max(std::abs(pos.row - previous.row), std::abs(pos.column - previous.column)), 1) << number;
            seen.emplace(pos.row, pos.column);
            previous = pos;
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(BorderCell::at(gridSize, 1), (CellPos{0, 1}));
        EXPECT_EQ(BorderCell::at(gridSize, count), (CellPos{1, 0}));
        for (std::int16_t row = 0; row < board.side(); ++row) {
            for (std::int16_t column = 0; column < board.side(); ++column) {
                const bool border = board.kindOf({row, column}) == CellKind::Border;
                EXPECT_EQ(BorderCell::numberOf(gridSize, {row, column}) != 0, border);
                EXPECT_EQ(BorderCell::sideOf(gridSize, {row, column}).has_value(), border);
            }
        }
    }
}

} // namespace
} // namespace orbalux
