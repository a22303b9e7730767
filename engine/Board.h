#pragma once

#include "Cell.h"
#include "CellPos.h"

#include <cstdint>
#include <vector>

namespace orbalux {

/** Where a cell of the square game board lies. */
enum class CellKind : std::uint8_t { Field, Corner, Border, Outside };

/** A rectangular grid of cells; as the game board it is square with a border ring. */
class Board {
public:
    Board() = default;
    /** rows, columns >= 0; every cell starts blank. */
    Board(std::int16_t rows, std::int16_t columns);

    /** Drops every cell and makes rows x columns blank ones. */
    void reset(std::int16_t rows, std::int16_t columns);

    std::int16_t rows() const { return m_rows; }
    std::int16_t columns() const { return m_columns; }
    bool contains(CellPos pos) const;

    /** contains(pos); throws std::out_of_range otherwise, so no caller can stray off the board. */
    const Cell& cell(CellPos pos) const;
    Cell& cell(CellPos pos);

    /** The last row and column index of a square board: the far border. */
    std::int16_t edge() const { return static_cast<std::int16_t>(m_rows - 1); }
    /** The number of playing cells per side of a square board, 0 when it has no field. */
    std::int16_t fieldSize() const;
    /** Field, corner or border by position alone; Outside for cells not on this board. */
    CellKind kindOf(CellPos pos) const;

    friend bool operator==(const Board&, const Board&) = default;

private:
    std::size_t indexOf(CellPos pos) const;

    std::int16_t m_rows = 0;
    std::int16_t m_columns = 0;
    std::vector<Cell> m_cells;
};

} // namespace orbalux
