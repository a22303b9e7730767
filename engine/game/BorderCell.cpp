#include "game/BorderCell.h"

#include "game/GridLimits.h"

namespace orbalux {

namespace {

bool validSize(std::int16_t gridSize)
{
    return gridSize >= 1 && gridSize <= kMaxGridSize;
}

CellPos cell(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

} // namespace

int BorderCell::count(std::int16_t gridSize)
{
    return validSize(gridSize) ? 4 * gridSize : 0;
}

CellPos BorderCell::at(std::int16_t gridSize, int number)
{
    const int n = gridSize;
    if (number <= n)
        return cell(0, number);
    if (number <= 2 * n)
        return cell(number - n, n + 1);
    if (number <= 3 * n)
        return cell(n + 1, 3 * n + 1 - number);
    return cell(4 * n + 1 - number, 0);
}

int BorderCell::numberOf(std::int16_t gridSize, CellPos pos)
{
    if (!validSize(gridSize))
        return 0;
    const int n = gridSize;
    const bool rowInField = pos.row >= 1 && pos.row <= n;
    const bool columnInField = pos.column >= 1 && pos.column <= n;
    if (pos.row == 0 && columnInField)
        return pos.column;
    if (pos.column == n + 1 && rowInField)
        return n + pos.row;
    if (pos.row == n + 1 && columnInField)
        return 3 * n + 1 - pos.column;
    if (pos.column == 0 && rowInField)
        return 4 * n + 1 - pos.row;
    return 0;
}

} // namespace orbalux
