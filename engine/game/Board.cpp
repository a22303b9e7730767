#include "game/Board.h"

#include "game/BorderCell.h"
#include "game/GridLimits.h"

#include <algorithm>
#include <stdexcept>

namespace orbalux {

Board::Board(std::int16_t gridSize, bool showNumbers)
    : m_side(static_cast<std::int16_t>(std::clamp<std::int16_t>(gridSize, 1, kMaxGridSize) + 2))
    , m_showsNumbers(showNumbers)
    , m_cells(static_cast<std::size_t>(m_side) * static_cast<std::size_t>(m_side))
{
    if (!showNumbers)
        return;
    for (std::int16_t row = 0; row < m_side; ++row) {
        for (std::int16_t column = 0; column < m_side; ++column)
            cell({row, column}).number = static_cast<std::int16_t>(borderNumber({row, column}));
    }
}

bool Board::contains(CellPos pos) const
{
    return pos.row >= 0 && pos.row < m_side && pos.column >= 0 && pos.column < m_side;
}

std::size_t Board::indexOf(CellPos pos) const
{
    if (!contains(pos))
        throw std::out_of_range("cell outside the board");
    return static_cast<std::size_t>(pos.row) * static_cast<std::size_t>(m_side) + static_cast<std::size_t>(pos.column);
}

const Cell& Board::cell(CellPos pos) const
{
    return m_cells[indexOf(pos)];
}

Cell& Board::cell(CellPos pos)
{
    return m_cells[indexOf(pos)];
}

CellKind Board::kindOf(CellPos pos) const
{
    if (!contains(pos))
        return CellKind::Outside;
    const bool rowOnEdge = pos.row == 0 || pos.row == edge();
    const bool columnOnEdge = pos.column == 0 || pos.column == edge();
    if (rowOnEdge && columnOnEdge)
        return CellKind::Corner;
    if (rowOnEdge || columnOnEdge)
        return CellKind::Border;
    return CellKind::Field;
}

int Board::borderNumber(CellPos pos) const
{
    return BorderCell::numberOf(fieldSize(), pos);
}

std::optional<Side> Board::sideOf(CellPos pos) const
{
    return BorderCell::sideOf(fieldSize(), pos);
}

} // namespace orbalux
