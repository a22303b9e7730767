#pragma once

#include "game/BorderCell.h"
#include "game/Cell.h"
#include "game/CellPos.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orbalux {

/** Where a cell of the board lies. */
enum class CellKind : std::uint8_t { Field, Corner, Border, Outside };

/** The square grid the player sees: an n x n field inside a ring of border cells. */
class Board {
public:
    /** A board with no cells. */
    Board() = default;
    /** 1 <= gridSize <= kMaxGridSize; border cells carry their numbers when showNumbers is on. */
    Board(std::int16_t gridSize, bool showNumbers);

    /** Rows and columns: the field and its two borders. */
    std::int16_t side() const { return m_side; }
    /** The far border's row and column. */
    std::int16_t edge() const { return static_cast<std::int16_t>(m_side - 1); }
    /** The number of playing cells per side, 0 for a board with no cells. */
    std::int16_t fieldSize() const { return m_side >= 2 ? static_cast<std::int16_t>(m_side - 2) : std::int16_t{0}; }
    bool contains(CellPos pos) const;
    /** Whether the border cells carry their numbers. */
    bool showsNumbers() const { return m_showsNumbers; }

    /** contains(pos); throws std::out_of_range otherwise, so no caller can stray off the board. */
    const Cell& cell(CellPos pos) const;
    Cell& cell(CellPos pos);

    /** Field, corner or border by position alone; Outside for cells not on this board. */
    CellKind kindOf(CellPos pos) const;

    /** The number of border cell pos, 1..4n clockwise from the top left; 0 for other cells. */
    int borderNumber(CellPos pos) const;
    /** The side of the border pos lies on; nothing for corners, field cells and cells off the board. */
    std::optional<Side> sideOf(CellPos pos) const;

    friend bool operator==(const Board&, const Board&) = default;

private:
    std::size_t indexOf(CellPos pos) const;

    std::int16_t m_side = 0;
    bool m_showsNumbers = false;
    std::vector<Cell> m_cells;
};

} // namespace orbalux
