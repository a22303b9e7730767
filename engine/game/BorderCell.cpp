#include "game/BorderCell.h"

#include <algorithm>

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

// The numbering's one picture of a side: the cell that comes place-th (1..n) going clockwise.
CellPos cellOnSide(Side side, int n, int place)
{
    switch (side) {
    case Side::Top: return cell(0, place);
    case Side::Right: return cell(place, n + 1);
    case Side::Bottom: return cell(n + 1, n + 1 - place);
    case Side::Left: break;
    }
    return cell(n + 1 - place, 0);
}

// The inverse of cellOnSide for a cell known to lie on side.
int placeOnSide(Side side, int n, CellPos pos)
{
    switch (side) {
    case Side::Top: return pos.column;
    case Side::Right: return pos.row;
    case Side::Bottom: return n + 1 - pos.column;
    case Side::Left: break;
    }
    return n + 1 - pos.row;
}

} // namespace

int BorderCell::count(std::int16_t gridSize)
{
    return validSize(gridSize) ? 4 * gridSize : 0;
}

CellPos BorderCell::at(std::int16_t gridSize, int number)
{
    const int n = gridSize;
    if (n < 1)
        return {};
    const int sideIndex = std::clamp((number - 1) / n, 0, 3);
    return cellOnSide(static_cast<Side>(sideIndex), n, number - sideIndex * n);
}

int BorderCell::numberOf(std::int16_t gridSize, CellPos pos)
{
    const std::optional<Side> side = sideOf(gridSize, pos);
    if (!side)
        return 0;
    return static_cast<int>(*side) * gridSize + placeOnSide(*side, gridSize, pos);
}

std::optional<Side> BorderCell::sideOf(std::int16_t gridSize, CellPos pos)
{
    if (!validSize(gridSize))
        return std::nullopt;
    const int edge = gridSize + 1;
    const auto inField = [gridSize](std::int16_t i) { return i >= 1 && i <= gridSize; };
    if (inField(pos.column) && pos.row == 0)
        return Side::Top;
    if (inField(pos.row) && pos.column == edge)
        return Side::Right;
    if (inField(pos.column) && pos.row == edge)
        return Side::Bottom;
    if (inField(pos.row) && pos.column == 0)
        return Side::Left;
    return std::nullopt;
}

} // namespace orbalux
