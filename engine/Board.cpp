#include "Board.h"

#include <stdexcept>

namespace orbalux {

Board::Board(std::int16_t rows, std::int16_t columns)
{
    reset(rows, columns);
}

void Board::reset(std::int16_t rows, std::int16_t columns)
{
    m_rows = rows < 0 ? std::int16_t{0} : rows;
    m_columns = columns < 0 ? std::int16_t{0} : columns;
    m_cells.assign(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_columns), Cell{});
}

bool Board::contains(CellPos pos) const
{
    return pos.row >= 0 && pos.row < m_rows && pos.column >= 0 && pos.column < m_columns;
}

std::size_t Board::indexOf(CellPos pos) const
{
    if (!contains(pos))
        throw std::out_of_range("cell outside the board");
    return static_cast<std::size_t>(pos.row) * static_cast<std::size_t>(m_columns)
        + static_cast<std::size_t>(pos.column);
}

const Cell& Board::cell(CellPos pos) const
{
    return m_cells[indexOf(pos)];
}

Cell& Board::cell(CellPos pos)
{
    return m_cells[indexOf(pos)];
}

std::int16_t Board::fieldSize() const
{
    return m_rows >= 2 && m_rows == m_columns ? static_cast<std::int16_t>(m_rows - 2) : std::int16_t{0};
}

CellKind Board::kindOf(CellPos pos) const
{
    if (!contains(pos) || fieldSize() == 0)
        return CellKind::Outside;
    const bool rowOnEdge = pos.row == 0 || pos.row == edge();
    const bool columnOnEdge = pos.column == 0 || pos.column == edge();
    if (rowOnEdge && columnOnEdge)
        return CellKind::Corner;
    if (rowOnEdge || columnOnEdge)
        return CellKind::Border;
    return CellKind::Field;
}

} // namespace orbalux
