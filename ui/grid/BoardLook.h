#pragma once

#include "game/Board.h"
#include "game/Outcome.h"
#include "grid/CellLook.h"

#include <vector>

namespace orbalux {

/**
 * The look of cell pos of board: border numbers and shot results on aqua, red, yellow and lime,
 * corners silver, the field on the tool-tip colour with "O" for a mark, revealed atoms blue.
 * The description tells a screen reader where the cell is and what it shows:
 * "top border 3, deflection a, comes out at right 3", "row 2, column 3, marked".
 */
CellLook lookOf(const Board& board, CellPos pos);

/**
 * Where cell pos of board lies, as a player says it: "top 3", "right 5", "row 2, column 3",
 * "top left corner"; borders and field counted from 1. Empty off the board.
 */
QString cellPlace(const Board& board, CellPos pos);

/** The colour of a border cell that shows outcome: red, yellow or lime; aqua for None. */
QColor shotColour(Outcome outcome);

/** Every cell of board, row by row. */
std::vector<CellLook> looksOf(const Board& board);

} // namespace orbalux
